// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

namespace oza {

// The rotating wire-frame of the About box. A face is three vertices, one
// per row; points are single precision.
using Mat3 = std::array<std::array<float, 3>, 3>;
using Mat32 = std::array<std::array<float, 2>, 3>;

enum class Axis { X, Y, Z };

// The 20 faces of a regular icosahedron of circumradius 1, poles on the y axis.
const std::vector<Mat3>& icosahedronFaces();
// Rows (-0.5, -0.25), (8, 0), (0, 8): a vertex (x, y, z) lands at
// (8y - 0.5x, 8z - 0.25x).
Mat32 projectionMatrix();
Mat3 rotationMatrix(Axis axis, float sine, float cosine);
Mat3 multiply3x3(const Mat3& a, const Mat3& b);
Mat32 multiply3x3by3x2(const Mat3& a, const Mat32& b);

// The projected faces at `degrees`: every face rotated about X, then about
// Y by the same angle, then projected.
std::vector<Mat32> icosahedronFrame(int degrees);

}  // namespace oza
