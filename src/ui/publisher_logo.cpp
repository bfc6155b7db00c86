// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/publisher_logo.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "shell/links.h"
#include "ui/link_label.h"

namespace oza::ui {

PublisherLogo::PublisherLogo(QWidget* parent) : QWidget(parent) {
  setFixedSize(sizeHint());
  setCursor(Qt::PointingHandCursor);
  clickableByKeyboard(this, [this] { emit clicked(); });
}

void PublisherLogo::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  fill.setColorAt(0, QColor(40, 60, 110));
  fill.setColorAt(1, QColor(15, 25, 55));
  painter.setBrush(fill);
  painter.setPen(QPen(QColor(200, 210, 230), 1));
  painter.drawRoundedRect(box, 8, 8);

  // A chip with pins, then the site's name.
  const QRectF chip(12, 14, 28, 28);
  painter.setPen(QPen(QColor(230, 180, 60), 2));
  for (int i = 0; i < 4; ++i) {
    const double d = 17 + i * 7;
    painter.drawLine(QPointF(d, 9), QPointF(d, 14));
    painter.drawLine(QPointF(d, 42), QPointF(d, 47));
    painter.drawLine(QPointF(7, d - 3), QPointF(12, d - 3));
    painter.drawLine(QPointF(40, d - 3), QPointF(45, d - 3));
  }
  painter.setBrush(QColor(70, 70, 80));
  painter.drawRect(chip);
  painter.setPen(Qt::white);
  // The logo is a picture: its letters have the picture's sizes, not the
  // window's font size.
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(20);
  painter.setFont(font);
  painter.drawText(QRectF(52, 8, box.width() - 56, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("OZA"));
  font.setBold(false);
  font.setPixelSize(12);
  painter.setFont(font);
  painter.drawText(QRectF(52, 30, box.width() - 56, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(kSiteHost));
  painter.end();
  drawFocusFrame(this);
}

void PublisherLogo::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace oza::ui
