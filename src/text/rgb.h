// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace oza {

// A colour as the program names it: a box's highlight, a graph's lines.
struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace oza
