// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace oza {
class TextWindow;
}

namespace oza::ui {

class Binder;

// The text window: shows the FAQ, help texts and warnings modeless.
class TextWindowView : public QDialog {
  Q_OBJECT
 public:
  TextWindowView(TextWindow& window, Binder& binder);
  // Shows or hides the window as the core says.
  void follow();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 public:
  // Escape closes the window as its close box does.
  void reject() override { close(); }

 private:
  TextWindow& window_;
  Binder& binder_;
};

}  // namespace oza::ui
