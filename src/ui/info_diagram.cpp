#include "ui/info_diagram.h"

#include <QPainter>

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

constexpr int kRowHeight = 36;
constexpr int kCaptionWidth = 140;
constexpr int kValueWidth = 104;

}  // namespace

InfoDiagram::InfoDiagram(const InfoTab& tab, QWidget* parent) : QWidget(parent), tab_(tab) {
  setObjectName(QStringLiteral("Linie"));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(132, 140, 150));
  setPalette(palette);
}

QSize InfoDiagram::sizeHint() const {
  return {kCaptionWidth + 5 * kValueWidth + 20, static_cast<int>(rows().size()) * kRowHeight + 8};
}

void InfoDiagram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QFontMetrics metrics(font());

  // Two passes: black lines first, then the white ones on top, so that the
  // detected value's path shows through where lines overlap.
  for (int pass = 0; pass < 2; ++pass) {
    int top = 6;
    for (const Row& row : rows()) {
      const int captionY = top + kRowHeight / 2 - 2;
      const int captionRight = 12 + metrics.horizontalAdvance(QString::fromUtf8(row.caption)) + 6;
      int x = kCaptionWidth;
      for (const Value& value : row.values) {
        const bool white = tab_.lineWhite(value.firstLine);
        if (white == (pass == 1)) {
          painter.setPen(QPen(white ? Qt::white : Qt::black, 2));
          const int knee = x + 10;
          painter.drawLine(captionRight, captionY, knee, captionY);     // first line of the pair
          painter.drawLine(knee, captionY, knee, top + kRowHeight - 10);  // second line
        }
        x += kValueWidth;
      }
      top += kRowHeight;
    }
  }
  painter.setPen(Qt::black);
  int top = 6;
  for (const Row& row : rows()) {
    painter.drawText(QRect(12, top, kCaptionWidth, kRowHeight - 8), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8(row.caption));
    int x = kCaptionWidth;
    for (const Value& value : row.values) {
      QFont font = painter.font();
      font.setBold(tab_.lineWhite(value.firstLine));
      painter.setFont(font);
      painter.drawText(QRect(x + 15, top + kRowHeight - 20, kValueWidth - 16, 16),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(value.text));
      x += kValueWidth;
    }
    QFont font = painter.font();
    font.setBold(false);
    painter.setFont(font);
    top += kRowHeight;
  }
}

}  // namespace oza::ui
