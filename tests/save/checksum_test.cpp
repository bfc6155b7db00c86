// SPDX-License-Identifier: GPL-3.0-or-later

#include "save/checksum.h"

#include <gtest/gtest.h>

#include <numeric>

#include "support/fixture_image.h"

namespace oza {
namespace {

// A 64 kB image: zero header area, "[" at 0xE000 and 0xFF after it.
std::vector<std::uint8_t> plainImage(std::size_t size = 65536) {
  std::vector<std::uint8_t> bytes(size, 0x11);
  bytes[2] = static_cast<std::uint8_t>(size / 512);
  for (std::int64_t p = kUpAreaFirst; p <= kUpAreaLast; ++p) bytes[static_cast<std::size_t>(p)] = 0;
  bytes[0xE000] = 0x5B;
  for (std::size_t i = 0xE001; i < size; ++i) bytes[i] = 0xFF;
  return bytes;
}

// The sum taken eight bytes at a time, against one byte at a time: sizes
// around its rounds of 8 and 1024 bytes, bytes at their largest.
TEST(Checksum, ByteSumOfEverySize) {
  for (const std::size_t size : {0, 1, 7, 8, 9, 1023, 1024, 1025, 131072, 131079}) {
    std::vector<std::uint8_t> bytes(size, 0xFF);
    for (std::size_t i = 0; i < size; i += 3) bytes[i] = static_cast<std::uint8_t>(i * 7);
    std::int64_t expected = 0;
    for (const std::uint8_t b : bytes) expected += b;
    EXPECT_EQ(byteSum(ByteImage(bytes)), expected) << size;
    // A part that starts and ends off the rounds, and one past the end.
    if (size < 16) continue;
    const std::int64_t part = std::accumulate(bytes.begin() + 3, bytes.end() - 2, std::int64_t{0});
    EXPECT_EQ(rangeSum(ByteImage(bytes), 3, static_cast<std::int64_t>(size) - 3), part) << size;
    EXPECT_EQ(rangeSum(ByteImage(bytes), 3, static_cast<std::int64_t>(size)), std::nullopt) << size;
  }
}

TEST(Checksum, DisplayAndDecimalForms) {
  std::vector<std::uint8_t> bytes(293, 0xFF);  // 293 * 255 = 74715 = 0x123DB
  bytes[0] = 0x69;                             // 74715 - 0xFF + 0x69 = 74565 = 0x12345
  const ByteImage image(bytes);
  EXPECT_EQ(checkSumText(*fileCheckSum(image)), "0x2345");
  EXPECT_EQ(fileCheckSum(image), 74565);
  EXPECT_EQ(checkSumText(*fileCheckSum(ByteImage(std::vector<std::uint8_t>{3, 4}))), "0x0007");
  EXPECT_EQ(fileCheckSum(ByteImage()), std::nullopt);
  EXPECT_EQ(checkSumDifference(ByteImage(), 0), std::nullopt);
  EXPECT_EQ(checkSumDifference(image, 74000), 565);
}

TEST(Checksum, FreeSpaceStartsFiveBytesAfterTheFillerMarker) {
  ByteImage small(plainImage());
  EXPECT_EQ(freeSpacePosition(small), 0xE001 + 5);
  EXPECT_EQ(correctionRoomDown(small), (65535 - (0xE001 + 5)) * 255);

  // A 128 kB image: the last 00 FF pair wins when the bytes from it to the
  // end add up to a multiple of 255.
  auto bytes = plainImage(131072);
  bytes[0x1F000] = 0x00;
  ByteImage large(bytes);
  EXPECT_EQ(freeSpacePosition(large), 0x1F001 + 5);
  bytes[0x1FFFF] = 0xFE;  // no longer a multiple of 255
  EXPECT_EQ(freeSpacePosition(ByteImage(bytes)), 0xE001 + 5);

  // A 64 kB image never takes the second scan.
  auto small2 = plainImage();
  small2[0xF000] = 0x00;
  EXPECT_EQ(freeSpacePosition(ByteImage(small2)), 0xE001 + 5);

  // Without a marker there is no room at all.
  std::vector<std::uint8_t> none(65536, 0x22);
  none[2] = 128;
  EXPECT_EQ(freeSpacePosition(ByteImage(none)), 65536);
  EXPECT_LT(correctionRoomDown(ByteImage(none)), 0);
}

TEST(Checksum, DeclaredImageBoundsTheFillerArea) {
  // 63,488 bytes of declared image with its own filler, then a second image.
  auto bytes = plainImage(131072);
  bytes[2] = 124;  // 124 * 512 = 63488
  for (std::size_t i = 63488; i < bytes.size(); ++i) bytes[i] = 0x33;
  bytes[0x10000] = 0x5B;  // a marker inside the second image must be ignored
  bytes[0x10001] = 0xFF;
  const ByteImage image(bytes);
  EXPECT_EQ(checkedLast(image), 63487);
  EXPECT_EQ(freeSpacePosition(image), 0xE001 + 5);
  EXPECT_EQ(correctionRoomDown(image), (63487 - (0xE001 + 5)) * 255);

  bytes[2] = 0;  // no declared length: the whole file counts
  EXPECT_EQ(checkedLast(ByteImage(bytes)), 131071);
}

TEST(Checksum, CorrectionsUseUpOneByteAfterAnother) {
  ByteImage image(plainImage());
  const std::int64_t start = freeSpacePosition(image);
  ASSERT_TRUE(handleCorrectionDown(image, 300));
  EXPECT_EQ(image.at(start), 0x00);
  EXPECT_EQ(image.at(start + 1), 0xD2);
  EXPECT_EQ(image.at(start + 2), 0xFF);
  EXPECT_EQ(image.at(start - 1), 0xFF);

  ASSERT_TRUE(handleCorrectionDown(image, 10));  // the byte at 0x00 is passed over
  EXPECT_EQ(image.at(start), 0x00);
  EXPECT_EQ(image.at(start + 1), 0xC8);

  ASSERT_TRUE(handleCorrectionUp(image, -300));
  EXPECT_EQ(image.at(0x07), 0xFF);
  EXPECT_EQ(image.at(0x08), 0x2D);
  EXPECT_EQ(image.at(0x09), 0x00);
  ASSERT_TRUE(handleCorrectionUp(image, -1));  // 0xFF is passed over
  EXPECT_EQ(image.at(0x08), 0x2E);
  EXPECT_EQ(correctionRoomUp(image), 4080 - 255 - 0x2E);
}

TEST(Checksum, PreModifiedImagesAreRecognised) {
  EXPECT_FALSE(checkPreModified(ByteImage(plainImage())));

  ByteImage up(plainImage());
  handleCorrectionUp(up, -5);
  EXPECT_TRUE(checkPreModified(up));

  ByteImage down(plainImage());
  handleCorrectionDown(down, 7);
  EXPECT_TRUE(checkPreModified(down));

  ByteImage whole(plainImage());
  handleCorrectionDown(whole, 510);  // a multiple of 255 goes unnoticed
  EXPECT_FALSE(checkPreModified(whole));

  EXPECT_FALSE(checkPreModified(ByteImage(std::vector<std::uint8_t>(4))));
}

}  // namespace
}  // namespace oza
