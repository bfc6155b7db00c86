// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/save_review_dialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/report_parts.h"

namespace oza::ui {

namespace {

// Rows the review shows without scrolling, when the screen has room.
constexpr int kRowsShown = 15;

void fillRow(QTableWidget* table, int row, const std::vector<std::string>& texts) {
  int column = 0;
  for (const std::string& text : texts) {
    auto* item = new QTableWidgetItem(toQt(text));
    item->setToolTip(toQt(text));
    table->setItem(row, column++, item);
  }
}

// A row across the table that heads the rows below it.
void addSection(QTableWidget* table, int row, const QString& title) {
  auto* item = new QTableWidgetItem(title);
  QFont bold = item->font();
  bold.setBold(true);
  item->setFont(bold);
  item->setFlags(Qt::ItemIsEnabled);
  table->setItem(row, 0, item);
  table->setSpan(row, 0, 1, table->columnCount());
}

// The user's changes, then, under a heading of their own, what the save
// does for them.
void fillChanges(QTableWidget* table, const std::vector<SaveReview::Change>& changes) {
  const auto bySave = std::find_if(changes.begin(), changes.end(), [](const auto& c) { return c.bySave; });
  const bool sections = bySave != changes.begin() && bySave != changes.end();
  table->setRowCount(static_cast<int>(changes.size()) + (sections ? 2 : 0));
  int row = 0;
  if (sections) addSection(table, row++, QStringLiteral("Your changes"));
  for (const SaveReview::Change& change : changes) {
    if (sections && &change == &*bySave) addSection(table, row++, QStringLiteral("What the save does for them"));
    fillRow(table, row++, {change.what, change.before, change.after});
  }
  table->resizeColumnsToContents();
}

// Wide enough for every column, tall enough for the rows up to a limit.
QSize tableSize(const QTableWidget* table) {
  int width = 2 * table->frameWidth() + 24;
  for (int column = 0; column < table->columnCount(); ++column) width += table->columnWidth(column);
  const int rowHeight = table->verticalHeader()->defaultSectionSize();
  const int height = 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height() +
                     rowHeight * std::min(table->rowCount(), kRowsShown);
  return {width, height};
}

}  // namespace

SaveReviewDialog::SaveReviewDialog(const SaveReview& review, QWidget* parent) : QDialog(parent) {
  setWindowTitle(toQt(review.title));
  setObjectName(QStringLiteral("SaveReview"));
  auto* layout = new QVBoxLayout(this);
  auto* summary = new QLabel(toQt(review.summary), this);
  summary->setObjectName(QStringLiteral("summary"));
  layout->addWidget(summary);

  changes_ = reportTable(0, {QStringLiteral("What"), QStringLiteral("Before"), QStringLiteral("After")},
                         QStringLiteral("changes"), this);
  fillChanges(changes_, review.changes);
  changes_->setVisible(!review.changes.empty());
  layout->addWidget(changes_, 2);

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
}

QSize SaveReviewDialog::sizeHint() const {
  // The layout's own hint holds each table at a scroll area's small
  // default: swap that for what the table wants.
  QSize size = QDialog::sizeHint();
  int width = 0;
  for (const QTableWidget* table : {changes_, findings_}) {
    if (!table || table->isHidden()) continue;
    const QSize wanted = tableSize(table);
    size.rheight() += wanted.height() - table->sizeHint().height();
    width = std::max(width, wanted.width());
  }
  const QMargins margins = layout()->contentsMargins();
  size.setWidth(std::max(size.width(), width + margins.left() + margins.right()));
  if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  return size;
}

}  // namespace oza::ui
