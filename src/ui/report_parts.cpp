// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report_parts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace oza::ui {

QTableWidget* reportTable(int rows, const QStringList& columns, const QString& name, QWidget* parent) {
  auto* table = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
  table->setObjectName(name);
  table->setHorizontalHeaderLabels(columns);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

void addReportFooter(QDialog& window, QBoxLayout& layout, const QString& summary, const std::function<void()>& copy) {
  auto* result = new QLabel(summary, &window);
  result->setObjectName(QStringLiteral("summary"));
  QFont bold = result->font();
  bold.setBold(true);
  result->setFont(bold);
  layout.addWidget(result);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
  QPushButton* button = buttons->addButton(QStringLiteral("&Copy as text"), QDialogButtonBox::ActionRole);
  button->setObjectName(QStringLiteral("copy"));
  QObject::connect(button, &QPushButton::clicked, &window, copy);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::close);
  layout.addWidget(buttons);
}

}  // namespace oza::ui
