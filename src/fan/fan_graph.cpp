// SPDX-License-Identifier: GPL-3.0-or-later

#include "fan/fan_graph.h"

#include <algorithm>
#include <array>

#include "text/latin1.h"
#include "text/number_text.h"

namespace oza {

namespace {

// `text` with leading "0"s up to `width` characters, so that thresholds
// compare as numbers; a longer text gives the empty key and sorts first.
std::string padLeft(int width, std::string text) {
  if (static_cast<int>(text.size()) > width) return {};
  text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  return text;
}

const Rgb kGridColour{64, 128, 0};
const Rgb kAxisColour{255, 0, 0};
const Rgb kCurveColour{0, 255, 0};
const Rgb kMarkerColour{0, 0, 255};
constexpr char kKeySeparator = '\xE4';  // "ä", in the one-byte character set

unsigned char upper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  return c;
}

bool textLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return upper(static_cast<unsigned char>(x)) < upper(static_cast<unsigned char>(y));
  });
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

int roundedValue(const std::string& text) { return roundToInt16(textValue(text)).value_or(0); }

}  // namespace

void FanGraph::clear() {
  lines.clear();
  ++drawings;
}

void FanGraph::drawGrid() {
  lines.clear();
  ++drawings;
  for (int y = 10; y <= 100; y += 10)
    lines.push_back({GraphLine::Kind::Grid, 0, double(y), 120, double(y), kGridColour});
  for (int x = 10; x <= 120; x += 10)
    lines.push_back({GraphLine::Kind::Grid, double(x), 0, double(x), 105, kGridColour});
  lines.push_back({GraphLine::Kind::Axis, -5, 0, 120, 0, kAxisColour});
  lines.push_back({GraphLine::Kind::Axis, 0, -5, 0, 105, kAxisColour});
}

void FanGraph::curve(double x1, double y1, double x2, double y2) {
  lines.push_back({GraphLine::Kind::Curve, x1, y1, x2, y2, kCurveColour});
}

void FanGraph::marker(double x, double y) {
  const double l = x - 1, r = x + 1, b = y - 1, t = y + 1;
  for (auto [x1, y1, x2, y2] : {std::array<double, 4>{l, b, r, b}, {r, b, r, t}, {r, t, l, t}, {l, t, l, b}})
    lines.push_back({GraphLine::Kind::Marker, x1, y1, x2, y2, kMarkerColour});
}

std::vector<GraphLine> FanGraph::segments() const {
  std::vector<GraphLine> drawn;
  for (const auto& line : lines)
    if (line.kind == GraphLine::Kind::Curve || line.kind == GraphLine::Kind::Marker) drawn.push_back(line);
  return drawn;
}

void sortTexts(std::vector<std::string>& texts) { std::sort(texts.begin(), texts.end(), textLess); }

std::vector<LookUpPoint> sortedLookUpPoints(const std::vector<std::string>& thresholds,
                                            const std::vector<std::string>& speeds) {
  struct Keyed {
    std::string key;
    int box;
  };
  std::vector<Keyed> keys;
  for (std::size_t k = 0; k < thresholds.size() && k < speeds.size(); ++k) {
    const std::string threshold = padLeft(3, utf8ToLatin1Lossy(thresholds[k]));
    keys.push_back({threshold + kKeySeparator + utf8ToLatin1Lossy(speeds[k]), static_cast<int>(k)});
  }
  std::stable_sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) { return textLess(a.key, b.key); });
  std::vector<LookUpPoint> points;
  for (const auto& keyed : keys) {
    const std::vector<std::string> parts = splitAt(keyed.key, kKeySeparator);
    points.push_back({roundedValue(parts[0]), roundedValue(parts.size() > 1 ? parts[1] : std::string()), keyed.box});
  }
  return points;
}

void drawLookUpCurve(FanGraph& graph, const std::vector<LookUpPoint>& points, bool continuous) {
  graph.drawGrid();
  if (points.empty()) return;
  if (points[0].threshold >= 1) {
    graph.curve(0, 0, points[0].threshold, 0);
    if (continuous) graph.curve(points[0].threshold, 0, points[0].threshold, points[0].speed);
  }
  for (std::size_t k = 1; k < points.size(); ++k) {
    if (continuous) {
      graph.curve(points[k - 1].threshold, points[k - 1].speed, points[k].threshold, points[k].speed);
    } else {
      graph.curve(points[k - 1].threshold, points[k - 1].speed, points[k].threshold, points[k - 1].speed);
    }
  }
  const LookUpPoint& last = points.back();
  if (last.threshold < 120) graph.curve(last.threshold, last.speed, 120, last.speed);
  for (const auto& point : points) graph.marker(point.threshold, point.speed);
}

void drawTransferCurve(FanGraph& graph, double tmin, double tmax, double dutyMin) {
  graph.drawGrid();
  graph.curve(0, dutyMin, tmin, dutyMin);
  graph.curve(tmin, dutyMin, tmax, 100);
  graph.curve(tmax, 100, 120, 100);
  graph.marker(tmin, dutyMin);
  graph.marker(tmax, 100);
}

}  // namespace oza
