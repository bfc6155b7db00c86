// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "platform/platform.h"

class QAbstractButton;

namespace oza::ui {

// A message box that shows each line of its text as written: a text with its
// own line breaks gets a box wide enough not to break them again, as far as
// the screen allows; wider paragraphs wrap evenly at the screen's width.
// Enter takes the default button (Yes, Save or OK), Escape answers No (or
// Cancel).
class MessageDialog : public QDialog {
  Q_OBJECT
 public:
  MessageDialog(const Message& message, QWidget* parent = nullptr);
  MessageAnswer answer() const { return answer_; }
  QAbstractButton* button(MessageAnswer answer) const;

 private:
  MessageAnswer answer_;
  QAbstractButton* yes_ = nullptr;
  QAbstractButton* no_ = nullptr;
  QAbstractButton* ok_ = nullptr;
  QAbstractButton* cancel_ = nullptr;
};

}  // namespace oza::ui
