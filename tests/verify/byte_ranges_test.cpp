// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/byte_ranges.h"

#include <gtest/gtest.h>

namespace oza {
namespace {

using Ranges = std::vector<std::tuple<std::int64_t, std::int64_t, std::int64_t>>;

// Ranges of a 64-byte image against a copy with the bytes at `changed`
// flipped, among `wanted`.
Ranges rangesOf(const std::vector<std::int64_t>& changed, const std::vector<Span>& wanted) {
  const ByteImage a(std::vector<std::uint8_t>(64, 0));
  std::vector<std::uint8_t> flipped(64, 0);
  for (std::int64_t p : changed) flipped[static_cast<std::size_t>(p)] = 1;
  Ranges out;
  for (const ByteRange& r : differingRanges(a, ByteImage(flipped), wanted))
    out.emplace_back(r.first, r.last, r.differing);
  return out;
}

TEST(ByteRanges, DifferingBytesAmongWantedSpans) {
  struct Case {
    const char* what;
    std::vector<std::int64_t> changed;
    std::vector<Span> wanted;
    Ranges ranges;
  };
  const std::vector<Case> cases = {
      {"near bytes join", {10, 12}, {{0, 63}}, {{10, 12, 2}}},
      {"bytes ten apart do not", {10, 20}, {{0, 63}}, {{10, 10, 1}, {20, 20, 1}}},
      {"unwanted byte left out, the range still joins", {10, 14, 18}, {{0, 10}, {18, 30}}, {{10, 18, 2}}},
      {"overlapping spans count a byte once", {12}, {{10, 20}, {5, 15}}, {{12, 12, 1}}},
      {"spans past either end", {0, 63}, {{-5, 0}, {60, 100}}, {{0, 0, 1}, {63, 63, 1}}},
      {"nothing wanted", {3}, {}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(rangesOf(c.changed, c.wanted), c.ranges) << c.what;
}

TEST(ByteRanges, SpansOutside) {
  const auto outside = [](std::vector<Span> spans, std::int64_t size) {
    std::vector<std::pair<std::int64_t, std::int64_t>> out;
    for (const Span& s : spansOutside(std::move(spans), size)) out.emplace_back(s.first, s.last);
    return out;
  };
  using Pairs = std::vector<std::pair<std::int64_t, std::int64_t>>;
  EXPECT_EQ(outside({{2, 3}, {3, 5}, {10, 12}}, 12), (Pairs{{0, 1}, {6, 9}}));
  EXPECT_EQ(outside({{10, 12}, {2, 3}}, 20), (Pairs{{0, 1}, {4, 9}, {13, 19}}));
  EXPECT_EQ(outside({{0, 30}}, 20), Pairs{});
  EXPECT_EQ(outside({}, 8), (Pairs{{0, 7}}));
  EXPECT_EQ(outside({{25, 30}}, 20), (Pairs{{0, 19}}));
}

}  // namespace
}  // namespace oza
