// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fan_graph_widget.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "fan/fan_graph.h"
#include "fan/graph_bitmap.h"

namespace oza::ui {

FanGraphWidget::FanGraphWidget(const FanGraph& graph, Mouse mouse, QWidget* parent)
    : QWidget(parent), graph_(graph), mouse_(std::move(mouse)) {
  setFixedSize(sizeHint());
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
}

QSize FanGraphWidget::sizeHint() const { return {FanGraph::kWidthPixels, FanGraph::kHeightPixels}; }

void FanGraphWidget::follow() {
  if (shownDrawing_ != graph_.drawings) update();
}

void FanGraphWidget::paintEvent(QPaintEvent*) {
  if (shownDrawing_ != graph_.drawings || image_.isNull()) {
    const GraphRaster raster = rasterize(graph_);
    image_ = QImage(raster.width, raster.height, QImage::Format_RGB32);
    for (int y = 0; y < raster.height; ++y)
      for (int x = 0; x < raster.width; ++x) {
        const Rgb& p = raster.at(x, y);
        image_.setPixel(x, y, qRgb(p.r, p.g, p.b));
      }
    shownDrawing_ = graph_.drawings;
  }
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

void FanGraphWidget::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  if (mouse_.down) mouse_.down(graphX(p.x()), graphY(p.y()));
}

void FanGraphWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  if (mouse_.move) mouse_.move(graphX(p.x()), graphY(p.y()), event->buttons() & Qt::LeftButton);
  // The tip follows the pointer instead of waiting for the pointer to rest.
  QToolTip::showText(event->globalPosition().toPoint(), toolTip(), this);
}

void FanGraphWidget::mouseReleaseEvent(QMouseEvent*) {
  if (mouse_.up) mouse_.up();
}

namespace {

// The graph and, painted around it where the font puts them, the labels of
// its axes: the value labels stand beside the grid lines they name.
class GraphPanel : public QWidget {
 public:
  GraphPanel(FanGraphWidget* graph, QWidget* parent) : QWidget(parent), graph_(graph) {
    graph->setParent(this);
    place();
  }
  QSize sizeHint() const override {
    return {left() + FanGraph::kWidthPixels + fontMetrics().horizontalAdvance(QStringLiteral("120")) / 2 + 4,
            top() + FanGraph::kHeightPixels + 2 * fontMetrics().height() + 6};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::FontChange) {
      place();
      updateGeometry();
    }
    QWidget::changeEvent(event);
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const int gx = left(), gy = top();
    const auto rightAligned = [&](const QString& text, int centreY) {
      painter.drawText(QRect(0, centreY - line / 2, gx - 6, line), Qt::AlignRight | Qt::AlignVCenter, text);
    };
    rightAligned(QStringLiteral("100"), gy + pixelY(100));
    rightAligned(QStringLiteral("(%)"), gy + pixelY(100) + line);
    rightAligned(QStringLiteral("0"), gy + pixelY(0));
    const int middle = gy + FanGraph::kHeightPixels / 2;
    painter.drawText(QRect(0, middle - line, gx - 6, line), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("F a n"));
    painter.drawText(QRect(0, middle, gx - 6, line), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("c y c l e"));
    const int below = gy + FanGraph::kHeightPixels + 2;
    const auto centred = [&](const QString& text, int centreX) {
      const int w = metrics.horizontalAdvance(text) + 4;
      painter.drawText(QRect(centreX - w / 2, below, w, line), Qt::AlignCenter, text);
    };
    centred(QStringLiteral("0"), gx + pixelX(0));
    centred(QStringLiteral("120"), gx + pixelX(120));
    centred(QString::fromUtf8("Threshold (\u00B0C)"), gx + FanGraph::kWidthPixels / 2);
  }

 private:
  int left() const {
    const QFontMetrics m = fontMetrics();
    return std::max({m.horizontalAdvance(QStringLiteral("100")), m.horizontalAdvance(QStringLiteral("c y c l e")),
                     m.horizontalAdvance(QStringLiteral("(%)"))}) +
           10;
  }
  int top() const { return fontMetrics().height() / 2 + 2; }
  void place() { graph_->move(left(), top()); }
  FanGraphWidget* graph_;
};

}  // namespace

QWidget* graphPanel(FanGraphWidget* graph, QWidget* parent) { return new GraphPanel(graph, parent); }

}  // namespace oza::ui
