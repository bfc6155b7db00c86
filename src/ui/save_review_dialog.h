// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "platform/platform.h"

class QPushButton;
class QTableWidget;

namespace oza::ui {

// Before a save: what it changes, by meaning (what, before, after), then
// what the check finds wrong with the result; Save goes on, Cancel or Escape
// stops.
class SaveReviewDialog : public QDialog {
  Q_OBJECT
 public:
  SaveReviewDialog(const SaveReview& review, QWidget* parent = nullptr);
  QPushButton* saveButton() const { return save_; }
  QTableWidget* changes() const { return changes_; }
  QTableWidget* findings() const { return findings_; }
  // Wide enough for What, Before and After, tall enough for about 15 rows,
  // within the screen.
  QSize sizeHint() const override;

 private:
  QPushButton* save_ = nullptr;
  QTableWidget* changes_ = nullptr;
  QTableWidget* findings_ = nullptr;
};

}  // namespace oza::ui
