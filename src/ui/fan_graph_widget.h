// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace oza {
struct FanGraph;
}

namespace oza::ui {

// A fan graph picture box: shows the graph's pixels as the core draws them
// and reports the mouse in graph units.
class FanGraphWidget : public QWidget {
  Q_OBJECT
 public:
  struct Mouse {
    std::function<void(double, double)> down;
    std::function<void(double, double, bool)> move;
    std::function<void()> up;
  };
  FanGraphWidget(const FanGraph& graph, Mouse mouse, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  // Repaints when the graph was drawn anew.
  void follow();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const FanGraph& graph_;
  Mouse mouse_;
  QImage image_;
  int shownDrawing_ = -1;
};

// The graph with its static labels around it: "0", "100", "120", "(%)",
// the axis titles.
QWidget* graphPanel(FanGraphWidget* graph, QWidget* parent);

}  // namespace oza::ui
