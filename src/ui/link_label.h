#pragma once

#include <QLabel>

class QKeyEvent;

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
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

// For widgets clicked like a link: Enter, Return or Space click them when
// they have the focus.
bool isClickKey(const QKeyEvent* event);
// Draws the style's focus frame around a focused link or picture.
void drawFocusFrame(QWidget* widget);

}  // namespace oza::ui
