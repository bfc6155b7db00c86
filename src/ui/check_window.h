// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "verify/image_check.h"

class QTableWidget;

namespace oza::ui {

// "Check BIOS...": every check of the loaded image with its outcome, the
// failures marked, the report copied as text.
class CheckWindow : public QDialog {
  Q_OBJECT
 public:
  explicit CheckWindow(CheckReport report, QWidget* parent = nullptr);

  const CheckReport& report() const { return report_; }
  // The report as `oza-cli check` prints it, onto the clipboard.
  void copyAsText();

 private:
  CheckReport report_;
  QTableWidget* table_ = nullptr;
};

}  // namespace oza::ui
