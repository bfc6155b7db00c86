#include "ui/fan_graph_widget.h"

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

QWidget* graphPanel(FanGraphWidget* graph, QWidget* parent) {
  constexpr int left = 58;
  constexpr int top = 8;
  auto* panel = new QWidget(parent);
  panel->setFixedSize(left + FanGraph::kWidthPixels + 16, top + FanGraph::kHeightPixels + 36);
  graph->setParent(panel);
  graph->move(left, top);
  auto place = [&](const QString& text, int x, int y, int w, Qt::Alignment align) {
    auto* label = new QLabel(text, panel);
    label->setGeometry(x, y, w, 16);
    label->setAlignment(align);
  };
  const int originX = left + pixelX(0);
  const int originY = top + pixelY(0);
  place(QStringLiteral("0"), left - 40, originY - 8, 36, Qt::AlignRight | Qt::AlignVCenter);
  place(QStringLiteral("100"), left - 40, top + pixelY(100) - 8, 36, Qt::AlignRight | Qt::AlignVCenter);
  place(QStringLiteral("(%)"), left - 40, top + pixelY(100) + 10, 36, Qt::AlignRight | Qt::AlignVCenter);
  place(QStringLiteral("F a n"), 2, top + 70, 50, Qt::AlignLeft);
  place(QStringLiteral("c y c l e"), 2, top + 88, 54, Qt::AlignLeft);
  place(QStringLiteral("0"), originX - 10, top + FanGraph::kHeightPixels + 2, 20, Qt::AlignHCenter);
  place(QStringLiteral("120"), left + pixelX(120) - 24, top + FanGraph::kHeightPixels + 2, 30, Qt::AlignRight);
  place(QString::fromUtf8("Threshold (\u00B0C)"), left + 90, top + FanGraph::kHeightPixels + 16, 160,
        Qt::AlignHCenter);
  return panel;
}

}  // namespace oza::ui
