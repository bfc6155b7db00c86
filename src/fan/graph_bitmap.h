// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "fan/fan_graph.h"

namespace oza {

// The graph as pixels, row by row from the top: what the window shows and
// what "Save..." writes.
struct GraphRaster {
  int width = FanGraph::kWidthPixels;
  int height = FanGraph::kHeightPixels;
  std::vector<Rgb> pixels;
  const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

GraphRaster rasterize(const FanGraph& graph);

// Pixel column and row of a point in graph units, and back.
int pixelX(double x);
int pixelY(double y);
double graphX(double px);
double graphY(double py);

// A 24-bit Windows bitmap file of the raster.
std::string bitmapFile(const GraphRaster& raster);

}  // namespace oza
