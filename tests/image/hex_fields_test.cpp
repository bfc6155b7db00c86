// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/hex_fields.h"

#include <gtest/gtest.h>

#include "tabs/info_tab.h"

namespace oza {
namespace {

ByteImage imageOf(std::vector<std::uint8_t> bytes) { return ByteImage(std::move(bytes)); }

TEST(HexFields, ReadersShowTheHighestByteFirst) {
  const ByteImage image = imageOf({0x34, 0x12, 0x10, 0x27, 0x00, 0x78, 0x56, 0x34, 0x12});
  EXPECT_EQ(readDWordHex(image, 0), "27101234");
  EXPECT_EQ(readDWordHex(image, 5), "12345678");
  EXPECT_EQ(readDWordHex(image, 6), std::nullopt);
  EXPECT_EQ(readDWordHex(image, -1), std::nullopt);
}

TEST(HexFields, BiosSizeTexts) {
  const ByteImage small(std::vector<std::uint8_t>(65536));
  const ByteImage large(std::vector<std::uint8_t>(131072));
  const ByteImage tiny(std::vector<std::uint8_t>(16));
  EXPECT_EQ(biosSizeText(small), "0x10000");
  EXPECT_EQ(biosSizeText(large), "0x20000");
  EXPECT_EQ(biosSizeText(tiny), "0x0010");
}

}  // namespace
}  // namespace oza
