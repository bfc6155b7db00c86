// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "verify/image_diff.h"

class QTableWidget;

namespace oza::ui {

// "Compare with...": one row per difference between the loaded image (A)
// and a second one (B), sortable by any column, copied as text.
class CompareWindow : public QDialog {
  Q_OBJECT
 public:
  CompareWindow(const std::string& pathA, const std::string& pathB, const std::vector<Difference>& differences,
                QWidget* parent = nullptr);

  QTableWidget* table() { return table_; }
  // The selected rows, or all rows when none is selected, in the order shown,
  // tab-separated under a header line, onto the clipboard.
  void copyAsText();
  QString rowsText() const;

 private:
  QTableWidget* table_ = nullptr;
};

}  // namespace oza::ui
