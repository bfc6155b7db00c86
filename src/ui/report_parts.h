// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <functional>

class QBoxLayout;
class QDialog;
class QString;
class QTableWidget;
class QWidget;

namespace oza::ui {

// The pieces the check and compare windows share.

// A read-only table of whole-row selection with the given column titles.
QTableWidget* reportTable(int rows, const QStringList& columns, const QString& name, QWidget* parent);

// Under the table: the bold summary line "summary", then the buttons "Copy
// as text" (`copy`) and Close.
void addReportFooter(QDialog& window, QBoxLayout& layout, const QString& summary, const std::function<void()>& copy);

}  // namespace oza::ui
