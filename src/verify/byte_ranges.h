// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "image/byte_image.h"

namespace oza {

// Positions where two images differ, gathered into ranges; a range may hold
// a few equal bytes between differing ones, so that a changed block reads as
// one range.
struct ByteRange {
  std::int64_t first = 0;
  std::int64_t last = 0;  // inclusive
  std::int64_t differing = 0;
};

// Longest list of ranges a report spells out.
inline constexpr std::size_t kLargestRangeList = 64;

// Ranges of differing bytes among the positions both images have and
// `wanted` accepts.
std::vector<ByteRange> differingRanges(const ByteImage& a, const ByteImage& b,
                                       const std::function<bool(std::int64_t)>& wanted);

// "0x1234-0x123F (12 bytes)", "0x0100 (1 byte)".
std::string rangeText(const ByteRange& range);
// The bytes of `image` in the range as hex pairs; the first 16 of a longer one.
std::string bytesText(const ByteImage& image, const ByteRange& range);
// "0x1234".
std::string offsetText(std::int64_t position);

}  // namespace oza
