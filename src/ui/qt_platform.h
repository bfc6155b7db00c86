// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/platform.h"
#include "ui/qt_network.h"

namespace oza::ui {

QString toQtText(const std::string& text);

// Message boxes, file dialogs and links through Qt.
class QtPlatform : public Platform {
 public:
  explicit QtPlatform(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }

  MessageAnswer showMessage(const Message& message) override;
  std::string openFileDialog(const FileDialogRequest& request) override;
  std::string saveFileDialog(const FileDialogRequest& request) override;
  bool openUrl(const std::string& url) override;
  void testReachable(const std::string& url, std::function<void(bool)> done) override;
  void download(const std::string& url, const std::string& path, std::function<void(bool)> done) override;
  void setBusy(bool busy) override;
  bool confirmSave(const SaveReview& review) override;
  void showStatus(const std::string& text) override {
    if (statusLine) statusLine(toQtText(text));
  }
  // Where the window shows showStatus's words.
  std::function<void(const QString&)> statusLine;

  // Runs before a modal box or dialog opens, so the windows show the state
  // the core has reached at that moment.
  std::function<void()> beforeModal;

 private:
  QPointer<QWidget> owner_;
  QSize reviewSize_;  // as the user left the review before saving
  QtNetwork network_;
  bool busy_ = false;
};

// Places a dialog over the middle of `owner`'s window, or of the screen, at
// `size`, or at the size it wants when that is not valid.
void centreOn(QWidget& dialog, const QWidget* owner, QSize size = {});
// "Name (*.a; *.b)" filters in Qt's form "Name (*.a *.b)".
QString qtFilters(const FileDialogRequest& request);

}  // namespace oza::ui
