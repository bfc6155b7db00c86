// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace oza::ui {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  clickableByKeyboard(this, [this] { emit clicked(); });
  // The palette's link colour, light or dark.
  setForegroundRole(QPalette::Link);
  QFont font = this->font();
  font.setUnderline(true);
  setFont(font);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  drawFocusFrame(this);
}

namespace {

class ClickKeys : public QObject {
 public:
  ClickKeys(QWidget* widget, std::function<void()> click) : QObject(widget), click_(std::move(click)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool clicks = !(key->modifiers() & ~Qt::KeypadModifier) &&
                        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space);
    if (clicks) click_();
    return clicks;
  }

 private:
  std::function<void()> click_;
};

}  // namespace

void clickableByKeyboard(QWidget* widget, std::function<void()> click) {
  widget->setFocusPolicy(Qt::TabFocus);
  widget->installEventFilter(new ClickKeys(widget, std::move(click)));
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
