// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/check_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/report_parts.h"

namespace oza::ui {

namespace {

QColor outcomeColour(CheckOutcome outcome) {
  switch (outcome) {
    case CheckOutcome::Error: return QColor(0xC0, 0x00, 0x00);
    case CheckOutcome::Warning: return QColor(0xB0, 0x60, 0x00);
    case CheckOutcome::NotRun: return QColor(0x70, 0x70, 0x70);
    case CheckOutcome::Passed: break;
  }
  return QColor(0x00, 0x70, 0x00);
}

}  // namespace

CheckWindow::CheckWindow(CheckReport report, QWidget* parent) : QDialog(parent), report_(std::move(report)) {
  setWindowTitle(QStringLiteral("Check BIOS"));
  setObjectName(QStringLiteral("CheckWindow"));
  auto* layout = new QVBoxLayout(this);
  auto* path = new QLabel(QStringLiteral("Check of ") + toQt(report_.path), this);
  path->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(path);

  table_ = reportTable(static_cast<int>(report_.items.size()),
                       {QStringLiteral("Outcome"), QStringLiteral("Check"), QStringLiteral("Found")},
                       QStringLiteral("checks"), this);
  table_->setWordWrap(true);
  for (int row = 0; row < table_->rowCount(); ++row) {
    const CheckItem& item = report_.items[static_cast<std::size_t>(row)];
    auto* outcome = new QTableWidgetItem(QString::fromLatin1(outcomeName(item.outcome)));
    outcome->setForeground(outcomeColour(item.outcome));
    if (item.outcome == CheckOutcome::Error || item.outcome == CheckOutcome::Warning) {
      QFont bold = outcome->font();
      bold.setBold(true);
      outcome->setFont(bold);
    }
    table_->setItem(row, 0, outcome);
    table_->setItem(row, 1, new QTableWidgetItem(toQt(item.name)));
    auto* found = new QTableWidgetItem(toQt(item.detail));
    found->setToolTip(toQt(item.detail));
    table_->setItem(row, 2, found);
  }
  table_->resizeColumnsToContents();
  table_->setColumnWidth(2, 420);
  table_->resizeRowsToContents();
  layout->addWidget(table_, 1);

  addReportFooter(*this, *layout, toQt(checkSummary(report_)), [this] { copyAsText(); });
  resize(860, 420);
}

void CheckWindow::copyAsText() { QApplication::clipboard()->setText(toQt(checkText(report_))); }

}  // namespace oza::ui
