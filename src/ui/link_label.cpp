#include "ui/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace oza::ui {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
  setPalette(palette);
  QFont font = this->font();
  font.setUnderline(true);
  setFont(font);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (isClickKey(event)) {
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  drawFocusFrame(this);
}

bool isClickKey(const QKeyEvent* event) {
  if (event->modifiers() & ~Qt::KeypadModifier) return false;
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
}

void drawFocusFrame(QWidget* widget) {
  if (!widget->hasFocus()) return;
  QStylePainter painter(widget);
  QStyleOptionFocusRect option;
  option.initFrom(widget);
  option.rect = widget->rect();
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace oza::ui
