// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/byte_ranges.h"

#include <algorithm>
#include <cstring>

#include "image/hex_fields.h"

namespace oza {

namespace {
// Equal bytes a range may span between two differing ones.
constexpr std::int64_t kJoinedGap = 8;
constexpr std::int64_t kShownBytes = 16;
}  // namespace

namespace {

// `spans` in order of position, overlapping and touching ones joined.
std::vector<Span> joined(std::vector<Span> spans) {
  std::sort(spans.begin(), spans.end(), [](const Span& x, const Span& y) { return x.first < y.first; });
  std::vector<Span> out;
  for (const Span& span : spans) {
    if (span.first > span.last) continue;
    if (!out.empty() && span.first <= out.back().last + 1) {
      out.back().last = std::max(out.back().last, span.last);
    } else {
      out.push_back(span);
    }
  }
  return out;
}

}  // namespace

std::vector<ByteRange> differingRanges(const ByteImage& a, const ByteImage& b, std::vector<Span> wanted) {
  std::vector<ByteRange> ranges;
  const std::int64_t common = std::min(a.size(), b.size());
  const auto& ba = a.bytes();
  const auto& bb = b.bytes();
  for (const Span& span : joined(std::move(wanted))) {
    const std::int64_t end = std::min(span.last + 1, common);
    for (std::int64_t p = std::max<std::int64_t>(span.first, 0); p < end; ++p) {
      // Equal stretches, most of two images, are passed eight bytes at a time.
      while (p + 8 <= end && std::memcmp(ba.data() + p, bb.data() + p, 8) == 0) p += 8;
      if (p >= end) break;
      if (ba[static_cast<std::size_t>(p)] == bb[static_cast<std::size_t>(p)]) continue;
      // A range may span equal bytes, and positions outside `wanted`, between
      // two differing ones.
      if (!ranges.empty() && p - ranges.back().last <= kJoinedGap + 1) {
        ranges.back().last = p;
        ++ranges.back().differing;
      } else {
        ranges.push_back({p, p, 1});
      }
    }
  }
  return ranges;
}

std::vector<Span> spansOutside(std::vector<Span> spans, std::int64_t size) {
  std::vector<Span> out;
  std::int64_t next = 0;
  for (const Span& span : joined(std::move(spans))) {
    if (span.first > next) out.push_back({next, std::min(span.first, size) - 1});
    next = std::max(next, span.last + 1);
    if (next >= size) return out;
  }
  if (next < size) out.push_back({next, size - 1});
  return out;
}

std::string offsetText(std::int64_t position) {
  std::string hex;
  for (int shift = 16; shift >= 0; shift -= 8) hex += hexByte(static_cast<std::uint8_t>((position >> shift) & 0xFF));
  // Four digits for 64 kB, five past it.
  hex.erase(0, std::min(hex.find_first_not_of('0'), hex.size() - 4));
  return "0x" + hex;
}

std::string rangeText(const ByteRange& range) {
  const std::int64_t length = range.last - range.first + 1;
  std::string text = offsetText(range.first);
  if (length > 1) text += "-" + offsetText(range.last);
  return text + " (" + std::to_string(length) + (length == 1 ? " byte)" : " bytes)");
}

std::string bytesText(const ByteImage& image, const ByteRange& range) {
  std::string text;
  const std::int64_t last = std::min({range.last, range.first + kShownBytes - 1, image.last()});
  for (std::int64_t p = range.first; p <= last; ++p)
    text += (text.empty() ? "" : " ") + hexByte(image.at(p).value_or(0));
  if (last < range.last) text += " ...";
  return text;
}

}  // namespace oza
