// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/save_review_dialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/report_parts.h"

namespace oza::ui {

namespace {

void fillRow(QTableWidget* table, int row, const std::vector<std::string>& texts) {
  int column = 0;
  for (const std::string& text : texts) {
    auto* item = new QTableWidgetItem(toQt(text));
    item->setToolTip(toQt(text));
    table->setItem(row, column++, item);
  }
}

}  // namespace

SaveReviewDialog::SaveReviewDialog(const SaveReview& review, QWidget* parent) : QDialog(parent) {
  setWindowTitle(toQt(review.title));
  setObjectName(QStringLiteral("SaveReview"));
  auto* layout = new QVBoxLayout(this);
  auto* summary = new QLabel(toQt(review.summary), this);
  summary->setObjectName(QStringLiteral("summary"));
  layout->addWidget(summary);

  changes_ = reportTable(static_cast<int>(review.changes.size()),
                         {QStringLiteral("What"), QStringLiteral("Before"), QStringLiteral("After")},
                         QStringLiteral("changes"), this);
  for (int row = 0; row < changes_->rowCount(); ++row) {
    const SaveReview::Change& change = review.changes[static_cast<std::size_t>(row)];
    fillRow(changes_, row, {change.what, change.before, change.after});
  }
  changes_->resizeColumnsToContents();
  changes_->setVisible(!review.changes.empty());
  layout->addWidget(changes_, 1);

  if (!review.findings.empty()) {
    layout->addWidget(new QLabel(QStringLiteral("The check of the image as it will be saved:"), this));
    findings_ = reportTable(static_cast<int>(review.findings.size()),
                            {QStringLiteral("Outcome"), QStringLiteral("Check"), QStringLiteral("Found")},
                            QStringLiteral("findings"), this);
    for (int row = 0; row < findings_->rowCount(); ++row) {
      const SaveReview::Finding& finding = review.findings[static_cast<std::size_t>(row)];
      fillRow(findings_, row, {finding.error ? "error" : "warning", finding.rule, finding.detail});
    }
    findings_->resizeColumnsToContents();
    layout->addWidget(findings_, 1);
  }

  auto* buttons = new QDialogButtonBox(this);
  save_ = buttons->addButton(QDialogButtonBox::Save);
  buttons->addButton(QDialogButtonBox::Cancel);
  save_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  const int rows = static_cast<int>(review.changes.size() + review.findings.size());
  resize(860, std::clamp(220 + 34 * rows, 320, 640));
}

}  // namespace oza::ui
