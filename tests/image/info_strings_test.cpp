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
  InfoStrings strings;
  EXPECT_TRUE(SplitInfos(image, GetStringPos(image), strings));
  return strings;
}

TEST(StringBlock, WithoutCableMessageTheCopyrightStartsAtTheParenthesis) {
  const ByteImage image = blockImage(kHead + "\r\nSPECS 512MB 256bit\r\n(C) ATI\0ATOM\0"s);
  const std::string list = GetStringPos(image);
  EXPECT_EQ(list, "128,130,132,135,137,147,149,153,157,174,\xC3\xA4,\xC3\xA4,177,183,185,188");
  const InfoStrings s = split(image);
  EXPECT_EQ(s.sBIOSVersion, "VER");
  EXPECT_EQ(s.sChipType, "R600");
  EXPECT_EQ(s.sCardInterface, "PCI_EXPRESS");
  EXPECT_EQ(s.sRAMType, "GDDR3");
  EXPECT_EQ(s.sHardwareSpecs, "SPECS 512MB 256bit");
  EXPECT_EQ(s.sPowerCableMessage, "");
  EXPECT_EQ(s.sCopyright, "(C) ATI");
  EXPECT_EQ(s.sAtomBIOSVersion, "ATOM");
  EXPECT_EQ(s.RAMSize, 512);
  EXPECT_EQ(s.RAMBusWidth, 256);
}

TEST(StringBlock, SpecsLosesTrailingBlanksAndStartsAfterOptionalLineEnds) {
  InfoStrings s = split(blockImage(kHead + "\r\nSPECS   \r\n(C) ATI\0ATOM\0"s));
  EXPECT_EQ(s.sHardwareSpecs, "SPECS");
  s = split(blockImage(kHead + "SPECS\r\n(C) ATI\0ATOM\0"s));
  EXPECT_EQ(s.sHardwareSpecs, "SPECS");
  s = split(blockImage(kHead + "\nSPECS\r\n(C) ATI\0ATOM\0"s));
  EXPECT_EQ(s.sHardwareSpecs, "SPECS");
}

TEST(StringBlock, CableMessageKeepsItsCarriageReturnAndTheCopyrightFollows) {
  // The copyright right after the line feed.
  InfoStrings s = split(blockImage(kHead + "\r\nSPECS\r\n\r\nPLUG IN\r\n(C) ATI\0ATOM\0"s));
  EXPECT_EQ(s.sPowerCableMessage, "PLUG IN\r");
  EXPECT_EQ(s.sCopyright, "(C) ATI");
  // As real images have it: a 0 byte and line ends before the copyright.
  s = split(blockImage(kHead + "\r\nSPECS\r\nPLUG IN\r\n\0\r\n(C) ATI\0ATOM\0"s));
  EXPECT_EQ(s.sPowerCableMessage, "PLUG IN\r");
  EXPECT_EQ(s.sCopyright, "(C) ATI");
  EXPECT_EQ(s.sAtomBIOSVersion, "ATOM");
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
    EXPECT_EQ(s.RAMSize, c.size) << c.specs;
    EXPECT_EQ(s.RAMBusWidth, c.width) << c.specs;
  }
}

TEST(StringBlock, ABlockRunningOffTheImageFails) {
  EXPECT_EQ(GetStringPos(ByteImage(std::vector<std::uint8_t>(0x6E))), "Fehler");
  // No carriage return after the specs string: the scans run off the end.
  std::string block = kHead + "\r\nSPECS";
  ByteImage image = blockImage(block, 0x80 + block.size());
  EXPECT_EQ(GetStringPos(image), "Fehler");
  std::vector<std::uint8_t> ff(1000000, 0xFF);
  EXPECT_EQ(GetStringPos(ByteImage(ff)), "Fehler");

  InfoStrings strings;
  EXPECT_FALSE(SplitInfos(image, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,2000000", strings));
  EXPECT_FALSE(SplitInfos(image, "1,2,x,4,5,6,7,8,9,10,11,12,13,14,15,16", strings));
  EXPECT_FALSE(SplitInfos(image, "1,2", strings));
}

TEST(StringBlock, DateIsTrimmedOfSurroundingBlanks) {
  std::vector<std::uint8_t> bytes(0x60, 0);
  const std::string date = " 07/21/08 9:30 ";
  for (std::size_t i = 0; i < 15; ++i) bytes[0x50 + i] = static_cast<std::uint8_t>(date[i]);
  EXPECT_EQ(GetBIOSDateTime(ByteImage(bytes)), "07/21/08 9:30");
  EXPECT_EQ(GetBIOSDateTime(ByteImage(std::vector<std::uint8_t>(0x5E))), "Fehler");
}

TEST(CheckValid, TestsTheFiveStringsInOrder) {
  InfoStrings good;
  good.sChipType = "R680";
  good.sCardInterface = "PCI_EXPRESS";
  good.sRAMType = "GDDR3";
  good.sCopyright = "(C) ATI";
  good.sAtomBIOSVersion = "AtomBios";
  EXPECT_TRUE(CheckValid(good));

  auto with = [&](auto change) {
    InfoStrings s = good;
    change(s);
    return CheckValid(s);
  };
  EXPECT_TRUE(with([](InfoStrings& s) { s.sChipType = "M76"; }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.sChipType = "r680"; }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.sCardInterface = "PC"; }));
  EXPECT_TRUE(with([](InfoStrings& s) { s.sCardInterface = "PCI"; }));
  EXPECT_TRUE(with([](InfoStrings& s) { s.sCardInterface = std::string(15, 'P'); }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.sCardInterface = std::string(16, 'P'); }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.sRAMType = "GD3"; }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.sCopyright = "(C) AMD"; }));
  EXPECT_FALSE(with([](InfoStrings& s) { s.sAtomBIOSVersion = "BIOS"; }));
}

TEST(StringBlock, FixtureImagesSplitIntoTheirStrings) {
  test::FixtureImage fixture;
  fixture.cableMessage = "PLEASE CONNECT THE POWER CABLE";
  const ByteImage image(fixture.build());
  const InfoStrings s = split(image);
  EXPECT_EQ(s.sPowerCableMessage, "PLEASE CONNECT THE POWER CABLE\r");
  EXPECT_EQ(s.sCopyright, fixture.copyright);
  EXPECT_EQ(s.sAtomBIOSVersion, fixture.atomVersion);
  EXPECT_TRUE(CheckValid(s));
}

}  // namespace
}  // namespace oza
