#include "ui/link_label.h"

#include <QMouseEvent>

namespace oza::ui {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
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

}  // namespace oza::ui
