// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "text/rgb.h"

namespace oza {

// What a fan graph holds after drawing: lines in graph units (x in °C from
// -5 to 120, y in percent from -5 to 105).
struct GraphLine {
  enum class Kind { Grid, Axis, Curve, Marker };
  Kind kind;
  double x1, y1, x2, y2;
  Rgb colour;
};

struct FanGraph {
  std::vector<GraphLine> lines;
  int drawings = 0;  // counts redraws, so that a window knows when to repaint

  static constexpr double kLeft = -5, kRight = 120, kTop = 105, kBottom = -5;
  static constexpr int kWidthPixels = 333, kHeightPixels = 221;  // 4995 x 3315 twips

  // Leaves the graph blank, as before it was first drawn.
  void clear();
  // Clears the graph and draws the grid and the axes.
  void drawGrid();
  void curve(double x1, double y1, double x2, double y2);
  // The box outline of ±1 around a point.
  void marker(double x, double y);
  // The curve and marker lines only.
  std::vector<GraphLine> segments() const;
};

// A look-up point and the box pair (threshold, speed) it came from.
struct LookUpPoint {
  int threshold;
  int speed;
  int box;
};

// Sorts texts ascending, comparing them upper-cased character by character.
void sortTexts(std::vector<std::string>& texts);

// The points of a look-up table as its boxes show them, ordered by threshold
// (compared as texts of three digits, equal ones by the text of their
// speeds), as the graph draws them.
std::vector<LookUpPoint> sortedLookUpPoints(const std::vector<std::string>& thresholds,
                                            const std::vector<std::string>& speeds);

// Step or continuous curve through sorted look-up points.
void drawLookUpCurve(FanGraph& graph, const std::vector<LookUpPoint>& points, bool continuous);
// The transfer function: flat at Dmin to Tmin, a rise to 100 % at Tmax.
void drawTransferCurve(FanGraph& graph, double tmin, double tmax, double dutyMin);

}  // namespace oza
