// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/info_diagram.h"

#include <QPainter>
#include <algorithm>

#include "ui/palette_colours.h"

#include "tabs/info_tab.h"

namespace oza::ui {

namespace {

struct Value {
  const char* text;
  int firstLine;
};
struct Row {
  const char* caption;
  std::vector<Value> values;
};

const std::vector<Row>& rows() {
  static const std::vector<Row> table = {
      {"RAM:", {{"64 MB", 102}, {"128 MB", 106}, {"256 MB", 110}, {"512 MB", 114}, {"1,024 MB", 118}}},
      {"RAM type:", {{"DDR", 122}, {"(G)DDR2", 126}, {"GDDR3", 130}, {"GDDR4", 134}, {"GDDR5", 166}}},
      {"RAM interface:", {{"64 bit", 138}, {"128 bit", 142}, {"256 bit", 146}, {"512 bit", 150}}},
      {"Video card interface:", {{"AGP", 158}, {"PCI", 154}, {"PCIe", 162}}},
  };
  return table;
}

}  // namespace

InfoDiagram::InfoDiagram(const InfoTab& tab, QWidget* parent) : QWidget(parent), tab_(tab) {
  setObjectName(QStringLiteral("Linie"));
}

const InfoDiagram::Measures& InfoDiagram::measures() const {
  if (measures_ && measuredFont_ == font()) return *measures_;
  const QFontMetrics metrics(font());
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics boldMetrics(bold);
  int caption = 0, value = 0;
  for (const Row& row : rows()) {
    caption = std::max(caption, metrics.horizontalAdvance(QString::fromUtf8(row.caption)));
    for (const Value& v : row.values) value = std::max(value, boldMetrics.horizontalAdvance(QString::fromUtf8(v.text)));
  }
  measuredFont_ = font();
  measures_ = Measures{metrics.height() * 2 + 4, caption + 36, value + 32};
  return *measures_;
}

QSize InfoDiagram::sizeHint() const {
  const Measures& m = measures();
  return {m.captionWidth + 5 * m.valueWidth + 20, static_cast<int>(rows().size()) * m.rowHeight + 8};
}

QSize InfoDiagram::minimumSizeHint() const { return sizeHint(); }

void InfoDiagram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QFontMetrics metrics(font());
  const Measures& m = measures();
  const int rowHeight = m.rowHeight, captionWidth = m.captionWidth, valueWidth = m.valueWidth;
  const DiagramColours colours = diagramColours(palette());
  painter.fillRect(rect(), colours.background);

  // Two passes: black lines first, then the white ones on top, so that the
  // detected value's path shows through where lines overlap.
  for (int pass = 0; pass < 2; ++pass) {
    int top = 6;
    for (const Row& row : rows()) {
      const int captionY = top + rowHeight / 2 - 2;
      const int captionRight = 12 + metrics.horizontalAdvance(QString::fromUtf8(row.caption)) + 6;
      int x = captionWidth;
      for (const Value& value : row.values) {
        const bool white = tab_.lineWhite(value.firstLine);
        if (white == (pass == 1)) {
          painter.setPen(QPen(white ? colours.named : colours.other, 2));
          const int knee = x + 10;
          painter.drawLine(captionRight, captionY, knee, captionY);      // first line of the pair
          painter.drawLine(knee, captionY, knee, top + rowHeight - 10);  // second line
        }
        x += valueWidth;
      }
      top += rowHeight;
    }
  }
  painter.setPen(colours.text);
  int top = 6;
  for (const Row& row : rows()) {
    painter.drawText(QRect(12, top, captionWidth, rowHeight - 8), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8(row.caption));
    int x = captionWidth;
    for (const Value& value : row.values) {
      QFont font = painter.font();
      font.setBold(tab_.lineWhite(value.firstLine));
      painter.setFont(font);
      painter.drawText(QRect(x + 15, top + rowHeight - metrics.height() - 4, valueWidth - 16, metrics.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(value.text));
      x += valueWidth;
    }
    QFont font = painter.font();
    font.setBold(false);
    painter.setFont(font);
    top += rowHeight;
  }
}

}  // namespace oza::ui
