// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace oza::ui {

// Red that reads on the palette's window background, light or dark.
QColor warningColour(const QPalette& palette);

// The information diagram's colours from the palette: a background between
// the window and its text, the lines of the values the image names in the
// lighter of the two extremes, the others and the texts in the darker.
struct DiagramColours {
  QColor background, named, other, text;
};
DiagramColours diagramColours(const QPalette& palette);

// A label whose text is a warning, in warningColour of whatever palette it has.
class WarningLabel : public QLabel {
 public:
  explicit WarningLabel(const QString& text, QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void follow();
};

}  // namespace oza::ui
