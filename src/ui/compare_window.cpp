// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/compare_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>

#include "ui/binder.h"
#include "ui/report_parts.h"

namespace oza::ui {

namespace {

// A value: numbers sort as numbers (700 before 750 before 1000, 0x1A before
// 0x100), texts as texts, numbers before texts.
class ValueItem : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;
  bool operator<(const QTableWidgetItem& other) const override {
    const std::optional<double> a = number(text()), b = number(other.text());
    if (a && b) return *a < *b;
    if (a || b) return a.has_value();
    return text() < other.text();
  }

 private:
  static std::optional<double> number(const QString& text) {
    bool ok = false;
    if (text.startsWith(QStringLiteral("0x"))) {
      const qulonglong value = text.mid(2).toULongLong(&ok, 16);
      return ok ? std::optional<double>(static_cast<double>(value)) : std::nullopt;
    }
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
  }
};

}  // namespace

CompareWindow::CompareWindow(const std::string& pathA, const std::string& pathB,
                             const std::vector<Difference>& differences, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Compare with"));
  setObjectName(QStringLiteral("CompareWindow"));
  auto* layout = new QVBoxLayout(this);
  for (const auto& [side, path] : {std::pair{"A: ", &pathA}, std::pair{"B: ", &pathB}}) {
    auto* label = new QLabel(QString::fromLatin1(side) + toQt(*path), this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
  }

  table_ = reportTable(static_cast<int>(differences.size()),
                       {QStringLiteral("What"), QStringLiteral("In A"), QStringLiteral("In B")},
                       QStringLiteral("differences"), this);
  for (int row = 0; row < table_->rowCount(); ++row) {
    const Difference& d = differences[static_cast<std::size_t>(row)];
    int column = 0;
    for (const std::string* text : {&d.what, &d.a, &d.b}) {
      auto* item = column == 0 ? new QTableWidgetItem(toQt(*text)) : new ValueItem(toQt(*text));
      item->setToolTip(toQt(*text));
      table_->setItem(row, column++, item);
    }
  }
  // Sorting on only after filling, so that the rows keep the report's order
  // until the user clicks a header.
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  table_->resizeColumnsToContents();
  for (int column = 0; column < 2; ++column) table_->setColumnWidth(column, std::min(table_->columnWidth(column), 300));
  layout->addWidget(table_, 1);

  auto* copyKey = new QAction(this);
  copyKey->setShortcut(QKeySequence::Copy);
  connect(copyKey, &QAction::triggered, this, &CompareWindow::copyAsText);
  addAction(copyKey);
  addReportFooter(*this, *layout, toQt(differenceSummary(differences)), [this] { copyAsText(); });
  resize(860, 480);
}

QString CompareWindow::rowsText() const {
  QString text = QStringLiteral("What\tIn A\tIn B\n");
  const bool selectedOnly = !table_->selectionModel()->selectedRows().isEmpty();
  for (int row = 0; row < table_->rowCount(); ++row) {
    if (selectedOnly && !table_->selectionModel()->isRowSelected(row, QModelIndex())) continue;
    text +=
        table_->item(row, 0)->text() + '\t' + table_->item(row, 1)->text() + '\t' + table_->item(row, 2)->text() + '\n';
  }
  return text;
}

void CompareWindow::copyAsText() { QApplication::clipboard()->setText(rowsText()); }

}  // namespace oza::ui
