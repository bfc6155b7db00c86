// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <functional>

namespace oza::ui {

// A label the user can click, shown as a link with the hand cursor. It takes
// the focus by Tab like a button and is then clicked with Enter or Space.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

// Makes a widget that is clicked like a link a Tab stop that Enter, Return
// or Space click while it has the focus.
void clickableByKeyboard(QWidget* widget, std::function<void()> click);
// Draws the style's focus frame around a focused link or picture.
void drawFocusFrame(QWidget* widget);

}  // namespace oza::ui
