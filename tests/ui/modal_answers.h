// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

#include "ui/message_dialog.h"

namespace oza::ui::scripted {

// Answers the modal dialogs a test opens, one answer each, in the order
// they open: the dialogs run their own event loops, so the answers come
// from a timer that watches for the next one.
class ModalAnswers {
 public:
  ModalAnswers() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenDialog(); });
    timer_.start();
  }
  using Answer = std::function<void(QDialog&)>;
  ModalAnswers& then(Answer answer) {
    answers_.push_back(std::move(answer));
    return *this;
  }
  // A message box answered with `answer` (Yes, Save, Discard, ...).
  ModalAnswers& then(MessageAnswer answer) {
    return then([answer](QDialog& dialog) {
      auto* box = qobject_cast<MessageDialog*>(&dialog);
      if (box && box->button(answer))
        box->button(answer)->click();
      else
        dialog.reject();
    });
  }
  // The titles of the dialogs answered, in their order.
  std::vector<QString> titles;
  bool allAnswered() const { return answers_.empty(); }

 private:
  void answerOpenDialog() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialog == last_ || answers_.empty()) return;
    last_ = dialog;
    titles.push_back(dialog->windowTitle());
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(*dialog);
  }
  QTimer timer_;
  std::deque<Answer> answers_;
  QPointer<QDialog> last_;
};

}  // namespace oza::ui::scripted
