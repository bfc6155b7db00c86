// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/icosahedron.h"

#include <cmath>

namespace oza {

namespace {

using Vertex = std::array<float, 3>;

std::vector<Mat3> buildFaces() {
  const float ringY = 0.447214f;   // 1 / sqrt(5)
  const float radius = 0.894427f;  // 2 / sqrt(5)
  const float pi = 3.14159265f;
  const Vertex north{0, 1, 0};
  const Vertex south{0, -1, 0};
  std::array<Vertex, 5> upper{};
  std::array<Vertex, 5> lower{};
  for (int i = 0; i < 5; ++i) {
    const float a = static_cast<float>(i) * 2 * pi / 5;
    const float b = a + pi / 5;  // the lower ring is turned by 36 degrees
    upper[static_cast<std::size_t>(i)] = {radius * std::cos(a), ringY, radius * std::sin(a)};
    lower[static_cast<std::size_t>(i)] = {radius * std::cos(b), -ringY, radius * std::sin(b)};
  }
  std::vector<Mat3> faces;
  for (std::size_t i = 0; i < 5; ++i) {
    const std::size_t j = (i + 1) % 5;
    faces.push_back({north, upper[i], upper[j]});
    faces.push_back({upper[i], upper[j], lower[i]});
    faces.push_back({lower[i], lower[j], upper[j]});
    faces.push_back({south, lower[i], lower[j]});
  }
  return faces;
}

}  // namespace

const std::vector<Mat3>& icosahedronFaces() {
  static const std::vector<Mat3> faces = buildFaces();
  return faces;
}

Mat32 projectionMatrix() { return {{{-0.5f, -0.25f}, {8, 0}, {0, 8}}}; }

Mat3 rotationMatrix(Axis axis, float s, float c) {
  switch (axis) {
    case Axis::X: return {{{1, 0, 0}, {0, c, -s}, {0, s, c}}};
    case Axis::Y: return {{{c, 0, s}, {0, 1, 0}, {-s, 0, c}}};
    case Axis::Z: break;
  }
  return {{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
}

Mat3 multiply3x3(const Mat3& a, const Mat3& b) {
  Mat3 product{};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t j = 0; j < 3; ++j)
      for (std::size_t k = 0; k < 3; ++k) product[i][j] += a[i][k] * b[k][j];
  return product;
}

Mat32 multiply3x3by3x2(const Mat3& a, const Mat32& b) {
  Mat32 product{};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t j = 0; j < 2; ++j)
      for (std::size_t k = 0; k < 3; ++k) product[i][j] += a[i][k] * b[k][j];
  return product;
}

std::vector<Mat32> icosahedronFrame(int degrees) {
  const float r = static_cast<float>(degrees) * 3.14159265f / 180;
  const float s = std::sin(r);
  const float c = std::cos(r);
  const Mat3 rx = rotationMatrix(Axis::X, s, c);
  const Mat3 ry = rotationMatrix(Axis::Y, s, c);
  const Mat32 projection = projectionMatrix();
  std::vector<Mat32> frame;
  for (const Mat3& face : icosahedronFaces())
    frame.push_back(multiply3x3by3x2(multiply3x3(multiply3x3(face, rx), ry), projection));
  return frame;
}

}  // namespace oza
