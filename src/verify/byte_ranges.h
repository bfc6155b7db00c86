// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
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

// Positions from `first` to `last`, both included.
struct Span {
  std::int64_t first = 0;
  std::int64_t last = 0;
};

// Ranges of differing bytes among the positions both images have and one of
// `wanted` holds; the spans may overlap and come in any order.
std::vector<ByteRange> differingRanges(const ByteImage& a, const ByteImage& b, std::vector<Span> wanted);

// The positions from 0 to `size` - 1 that none of `spans` holds.
std::vector<Span> spansOutside(std::vector<Span> spans, std::int64_t size);

// "0x1234-0x123F (12 bytes)", "0x0100 (1 byte)".
std::string rangeText(const ByteRange& range);
// The bytes of `image` in the range as hex pairs; the first 16 of a longer one.
std::string bytesText(const ByteImage& image, const ByteRange& range);
// "0x1234".
std::string offsetText(std::int64_t position);

}  // namespace oza
