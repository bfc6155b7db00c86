// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/info_strings.h"

#include <gtest/gtest.h>

#include "support/fixture_image.h"

namespace oza {
namespace {

using namespace std::string_literals;

// An image whose string block (at 0x80) is `block`, followed by zeros.
ByteImage blockImage(const std::string& block, std::size_t size = 1024) {
  std::vector<std::uint8_t> bytes(size, 0);
  bytes[0x6E] = 0x80;
  for (std::size_t i = 0; i < block.size(); ++i) bytes[0x80 + i] = static_cast<std::uint8_t>(block[i]);
  return ByteImage(std::move(bytes));
}

const std::string kHead = "VER\0R600\0PCI_EXPRESS\0GDDR3\0"s;

InfoStrings split(const ByteImage& image) {
  const std::optional<StringPositions> positions = findStringPositions(image);
  EXPECT_TRUE(positions.has_value());
  if (!positions) return {};
  const std::optional<InfoStrings> strings = splitInfos(image, *positions);
  EXPECT_TRUE(strings.has_value());
  return strings.value_or(InfoStrings{});
}

TEST(StringBlock, WithoutCableMessageTheCopyrightStartsAtTheParenthesis) {
  const ByteImage image = blockImage(kHead + "\r\nSPECS 512MB 256bit\r\n(C) ATI\0ATOM\0"s);
  StringPositions expected;
  expected.biosVersion = {128, 130};
  expected.chipType = {132, 135};
  expected.cardInterface = {137, 147};
  expected.ramType = {149, 153};
  expected.hardwareSpecs = {157, 174};
  expected.copyright = {177, 183};
  expected.atomBiosVersion = {185, 188};
  EXPECT_EQ(findStringPositions(image), expected);
  const InfoStrings s = split(image);
  EXPECT_EQ(s.biosVersion, "VER");
  EXPECT_EQ(s.chipType, "R600");
  EXPECT_EQ(s.cardInterface, "PCI_EXPRESS");
  EXPECT_EQ(s.ramType, "GDDR3");
  EXPECT_EQ(s.hardwareSpecs, "SPECS 512MB 256bit");
  EXPECT_EQ(s.powerCableMessage, "");
  EXPECT_EQ(s.copyright, "(C) ATI");
  EXPECT_EQ(s.atomBiosVersion, "ATOM");
  EXPECT_EQ(s.ramSize, 512);
  EXPECT_EQ(s.ramBusWidth, 256);
}

TEST(StringBlock, SpecsLosesTrailingBlanksAndStartsAfterOptionalLineEnds) {
  const std::string blocks[] = {"\r\nSPECS   \r\n(C) ATI\0ATOM\0"s, "SPECS\r\n(C) ATI\0ATOM\0"s,
                                "\nSPECS\r\n(C) ATI\0ATOM\0"s};
  for (const std::string& block : blocks) EXPECT_EQ(split(blockImage(kHead + block)).hardwareSpecs, "SPECS") << block;
}

TEST(StringBlock, CableMessageKeepsItsCarriageReturnAndTheCopyrightFollowsTheLineFeed) {
  const InfoStrings s = split(blockImage(kHead + "\r\nSPECS\r\n\r\nPLUG IN\r\n(C) ATI\0ATOM\0"s));
  EXPECT_EQ(s.powerCableMessage, "PLUG IN\r");
  EXPECT_EQ(s.copyright, "(C) ATI");
}

TEST(StringBlock, CableMessageThenAZeroByteAndLineEndsAsRealImagesHaveIt) {
  const InfoStrings s = split(blockImage(kHead + "\r\nSPECS\r\nPLUG IN\r\n\0\r\n(C) ATI\0ATOM\0"s));
  EXPECT_EQ(s.powerCableMessage, "PLUG IN\r");
  EXPECT_EQ(s.copyright, "(C) ATI");
  EXPECT_EQ(s.atomBiosVersion, "ATOM");
}

TEST(StringBlock, MemorySizeAndBusWidthSpellings) {
  const struct {
    const char* specs;
    int size, width;
  } cases[] = {
      {"x 1024 MB 512 BIT", 1024, 512}, {"x 64mb 64bit", 64, 64}, {"x 128MB", 128, 0},
      {"x 256 Mb 128 bit", 256, 128},   {"nothing", 0, 0},        {"512MB 64MB", 64, 0},
  };
  for (const auto& c : cases) {
    const InfoStrings s = split(blockImage(kHead + "\r\n" + c.specs + "\r\n(C) ATI\0ATOM\0"s));
    EXPECT_EQ(s.ramSize, c.size) << c.specs;
    EXPECT_EQ(s.ramBusWidth, c.width) << c.specs;
  }
}

TEST(StringBlock, ABlockRunningOffTheImageFails) {
  EXPECT_EQ(findStringPositions(ByteImage(std::vector<std::uint8_t>(0x6E))), std::nullopt);
  // No carriage return after the specs string: the scans run off the end.
  std::string block = kHead + "\r\nSPECS";
  ByteImage image = blockImage(block, 0x80 + block.size());
  EXPECT_EQ(findStringPositions(image), std::nullopt);
  std::vector<std::uint8_t> ff(1000000, 0xFF);
  EXPECT_EQ(findStringPositions(ByteImage(ff)), std::nullopt);

  StringPositions outside;
  outside.atomBiosVersion = {15, 2000000};
  EXPECT_EQ(splitInfos(image, outside), std::nullopt);
}

TEST(StringBlock, DateIsTrimmedOfSurroundingBlanks) {
  std::vector<std::uint8_t> bytes(0x60, 0);
  const std::string date = " 07/21/08 9:30 ";
  for (std::size_t i = 0; i < 15; ++i) bytes[0x50 + i] = static_cast<std::uint8_t>(date[i]);
  EXPECT_EQ(biosDateTime(ByteImage(bytes)), "07/21/08 9:30");
  EXPECT_EQ(biosDateTime(ByteImage(std::vector<std::uint8_t>(0x5E))), std::nullopt);
}

TEST(CheckValid, TestsTheFiveStringsInOrder) {
  InfoStrings good;
  good.chipType = "R680";
  good.cardInterface = "PCI_EXPRESS";
  good.ramType = "GDDR3";
  good.copyright = "(C) ATI";
  good.atomBiosVersion = "AtomBios";
  EXPECT_TRUE(checkValid(good));

  auto with = [&](auto change) {
    InfoStrings s = good;
    change(s);
    return checkValid(s);
  };
  EXPECT_TRUE(with([](InfoStrings& s) { s.chipType = "M76"; }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.chipType = "r680"; }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.cardInterface = "PC"; }));
  EXPECT_TRUE(with([](InfoStrings& s) { s.cardInterface = "PCI"; }));
  EXPECT_TRUE(with([](InfoStrings& s) { s.cardInterface = std::string(15, 'P'); }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.cardInterface = std::string(16, 'P'); }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.ramType = "GD3"; }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.copyright = "(C) AMD"; }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.atomBiosVersion = "BIOS"; }));
}

TEST(StringBlock, FixtureImagesSplitIntoTheirStrings) {
  test::FixtureImage fixture;
  fixture.cableMessage = "PLEASE CONNECT THE POWER CABLE";
  const ByteImage image(fixture.build());
  const InfoStrings s = split(image);
  EXPECT_EQ(s.powerCableMessage, "PLEASE CONNECT THE POWER CABLE\r");
  EXPECT_EQ(s.copyright, fixture.copyright);
  EXPECT_EQ(s.atomBiosVersion, fixture.atomVersion);
  EXPECT_TRUE(checkValid(s));
}

}  // namespace
}  // namespace oza
