// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/palette_colours.h"

#include <QEvent>

namespace oza::ui {

namespace {

bool dark(const QColor& colour) { return colour.lightness() < 128; }

QColor blend(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                          static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                          static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

}  // namespace

QColor warningColour(const QPalette& palette) {
  return dark(palette.color(QPalette::Window)) ? QColor(255, 128, 128) : QColor(176, 0, 0);
}

DiagramColours diagramColours(const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const QColor text = palette.color(QPalette::WindowText);
  const QColor base = palette.color(QPalette::Base);
  QColor lighter = text, darker = text;
  for (const QColor& c : {window, base})
    if (c.lightness() > lighter.lightness())
      lighter = c;
    else if (c.lightness() < darker.lightness())
      darker = c;
  DiagramColours colours;
  colours.background = blend(lighter, darker, 0.48);
  colours.named = lighter;
  colours.other = darker;
  colours.text = darker;
  return colours;
}

WarningLabel::WarningLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { follow(); }

void WarningLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) follow();
  QLabel::changeEvent(event);
}

void WarningLabel::follow() {
  const QColor wanted = warningColour(parentWidget() ? parentWidget()->palette() : palette());
  if (palette().color(QPalette::WindowText) == wanted) return;
  QPalette own = palette();
  own.setColor(QPalette::WindowText, wanted);
  setPalette(own);
}

}  // namespace oza::ui
