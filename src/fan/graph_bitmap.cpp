// SPDX-License-Identifier: GPL-3.0-or-later

#include "fan/graph_bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace oza {

namespace {

const Rgb kBackground{0, 0, 0};

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void plot(GraphRaster& raster, int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= raster.width || y >= raster.height) return;
  raster.pixels[static_cast<std::size_t>(y * raster.width + x)] = colour;
}

void line(GraphRaster& raster, int x0, int y0, int x1, int y1, Rgb colour) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    plot(raster, x0, y0, colour);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

int toPixel(double fraction, int size) {
  const double pixel = std::floor(fraction * size);
  return static_cast<int>(std::clamp(pixel, -1.0e6, 1.0e6));
}

}  // namespace

int pixelX(double x) {
  return toPixel((x - FanGraph::kLeft) / (FanGraph::kRight - FanGraph::kLeft), FanGraph::kWidthPixels);
}

int pixelY(double y) {
  return toPixel((FanGraph::kTop - y) / (FanGraph::kTop - FanGraph::kBottom), FanGraph::kHeightPixels);
}

double graphX(double px) {
  return FanGraph::kLeft + px / FanGraph::kWidthPixels * (FanGraph::kRight - FanGraph::kLeft);
}

double graphY(double py) {
  return FanGraph::kTop - py / FanGraph::kHeightPixels * (FanGraph::kTop - FanGraph::kBottom);
}

GraphRaster rasterize(const FanGraph& graph) {
  GraphRaster raster;
  raster.pixels.assign(static_cast<std::size_t>(raster.width * raster.height), kBackground);
  for (const GraphLine& l : graph.lines) {
    const int x0 = std::min(pixelX(l.x1), raster.width - 1), x1 = std::min(pixelX(l.x2), raster.width - 1);
    const int y0 = std::min(pixelY(l.y1), raster.height - 1), y1 = std::min(pixelY(l.y2), raster.height - 1);
    line(raster, x0, y0, x1, y1, l.colour);
  }
  return raster;
}

std::string bitmapFile(const GraphRaster& raster) {
  const int rowBytes = (raster.width * 3 + 3) / 4 * 4;
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * raster.height);
  std::string out;
  out += "BM";
  putLittleEndian(out, 54 + imageBytes, 4);
  putLittleEndian(out, 0, 4);
  putLittleEndian(out, 54, 4);
  putLittleEndian(out, 40, 4);  // BITMAPINFOHEADER
  putLittleEndian(out, static_cast<std::uint32_t>(raster.width), 4);
  putLittleEndian(out, static_cast<std::uint32_t>(raster.height), 4);
  putLittleEndian(out, 1, 2);
  putLittleEndian(out, 24, 2);
  putLittleEndian(out, 0, 4);
  putLittleEndian(out, imageBytes, 4);
  putLittleEndian(out, 3780, 4);  // 96 dpi
  putLittleEndian(out, 3780, 4);
  putLittleEndian(out, 0, 4);
  putLittleEndian(out, 0, 4);
  for (int y = raster.height - 1; y >= 0; --y) {  // bottom row first
    for (int x = 0; x < raster.width; ++x) {
      const Rgb& p = raster.at(x, y);
      out += static_cast<char>(p.b);
      out += static_cast<char>(p.g);
      out += static_cast<char>(p.r);
    }
    out.append(static_cast<std::size_t>(rowBytes - raster.width * 3), '\0');
  }
  return out;
}

}  // namespace oza
