// SPDX-License-Identifier: GPL-3.0-or-later

#include "powerplay/clock_location.h"

#include <gtest/gtest.h>

#include "support/fixture_image.h"

namespace oza {
namespace {

using test::FixtureImage;

std::vector<std::uint8_t> signatureBytes(int signature) {
  switch (signature) {
    case 1: return {0x01, 0x02, 0x03, 0x02, 0x04, 0x05, 0x06, 0x03, 0x07, 0x08, 0x09};
    case 2: return {0x25, 0x00, 0x2D, 0x00, 0x6D, 0x00};
    case 3: return {0x25, 0x00, 0x31, 0x00, 0xA1, 0x00};
    default: return {0x31, 0x00, 0x91, 0x00, 0x00, 0x00, 0x01};
  }
}

void put(std::vector<std::uint8_t>& bytes, std::size_t at, const std::vector<std::uint8_t>& pattern) {
  std::copy(pattern.begin(), pattern.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

TEST(ClockLocation, RevisionFourFollowsThePointerChain) {
  FixtureImage fixture;
  auto bytes = fixture.build();
  // A signature elsewhere in the image is never looked for.
  put(bytes, 0x3000, signatureBytes(1));
  ClockLocation location = findClockLocation(ByteImage(bytes));
  EXPECT_EQ(location.clockPosition, fixture.clockPosition());
  ASSERT_TRUE(location.states.has_value());
  EXPECT_EQ(location.states->stateClockIndex.size(), 2u);

  test::putWord(bytes, FixtureImage::kPowerPlay + 0x0B, 0x0123);  // all 16 bits count
  EXPECT_EQ(findClockLocation(ByteImage(bytes)).clockPosition, FixtureImage::kPowerPlay + 0x0123);
}

TEST(ClockLocation, UsableRevisionFiveHeadersAreReadLikeRevisionFour) {
  FixtureImage fixture;
  fixture.tableRevision = 5;
  auto bytes = fixture.build();
  put(bytes, 0x3000, signatureBytes(1));
  const ClockLocation location = findClockLocation(ByteImage(bytes));
  EXPECT_EQ(location.clockPosition, fixture.clockPosition());
  ASSERT_TRUE(location.states.has_value());
  EXPECT_EQ(location.states->stateClockIndex.size(), 2u);
}

// A revision-5 header that cannot be read as revision 4's leaves the search
// for a signature, as before; so an image that loaded before still loads.
TEST(ClockLocation, UnusableRevisionFiveHeadersFallBackToTheSignatures) {
  FixtureImage fixture;
  fixture.revision4 = false;
  fixture.signature = 2;
  const std::int64_t p = FixtureImage::kPowerPlay;
  const struct {
    const char* what;
    std::uint8_t recordSize;
    std::uint32_t clockInfoOffset;
  } cases[] = {{"records of 20 bytes", 20, 0x20},
               {"records of 24 bytes", 24, 0x20},
               {"no clock info array", 16, 0},
               {"array outside the image", 16, 0xFFF0}};
  for (const auto& c : cases) {
    auto bytes = fixture.build();
    bytes[p + 2] = 5;
    bytes[p + 7] = c.recordSize;
    test::putWord(bytes, p + 0x0B, c.clockInfoOffset);
    const ClockLocation location = findClockLocation(ByteImage(bytes));
    EXPECT_EQ(location.clockPosition, fixture.clockPosition()) << c.what;
    EXPECT_FALSE(location.states.has_value()) << c.what;
    // Without a signature there is nothing to show.
    std::fill(bytes.begin() + p + 0x100, bytes.begin() + p + 0x140, 0);
    EXPECT_EQ(findClockLocation(ByteImage(bytes)).clockPosition, std::nullopt) << c.what;
  }
}

TEST(ClockLocation, RevisionFourWithLongerRecordsShowsNoRecords) {
  for (std::uint8_t size : {20, 24, 15}) {
    FixtureImage fixture;
    fixture.clockInfoSize = size;
    auto bytes = fixture.build();
    put(bytes, 0x3000, signatureBytes(1));  // never taken instead
    EXPECT_EQ(findClockLocation(ByteImage(bytes)).clockPosition, std::nullopt) << int{size};
  }
}

TEST(ClockLocation, SignaturesAreTriedInTheirOrder) {
  for (int signature = 1; signature <= 4; ++signature) {
    FixtureImage fixture;
    fixture.revision4 = false;
    fixture.signature = signature;
    const ClockLocation location = findClockLocation(ByteImage(fixture.build()));
    EXPECT_EQ(location.clockPosition, fixture.clockPosition()) << signature;
    EXPECT_FALSE(location.states.has_value());
  }

  FixtureImage plain;
  plain.revision4 = false;
  plain.signature = 4;
  auto bytes = plain.build();
  std::fill(bytes.begin() + FixtureImage::kPowerPlay + 0x100, bytes.begin() + FixtureImage::kPowerPlay + 0x110, 0);
  put(bytes, 100, signatureBytes(3));
  put(bytes, 5000, signatureBytes(2));
  EXPECT_EQ(findClockLocation(ByteImage(bytes)).clockPosition, 5000 + 36);
}

TEST(ClockLocation, SignaturesAtTheEdgesOfTheImage) {
  FixtureImage plain;
  plain.revision4 = false;
  plain.signature = 1;
  auto bytes = plain.build();
  std::fill(bytes.begin() + FixtureImage::kPowerPlay + 0x100, bytes.begin() + FixtureImage::kPowerPlay + 0x10B, 0);
  put(bytes, bytes.size() - 11, signatureBytes(1));  // ends at the last byte
  EXPECT_EQ(findClockLocation(ByteImage(bytes)).clockPosition, std::nullopt);
  put(bytes, bytes.size() - 12, signatureBytes(1));  // one byte earlier: found
  EXPECT_EQ(findClockLocation(ByteImage(bytes)).clockPosition, static_cast<std::int64_t>(bytes.size()) - 1);

  // Signatures 2 to 4 are never found at position 0.
  std::vector<std::uint8_t> tiny(0x300, 0);
  test::putWord(tiny, 0x48, 0x100);
  test::putWord(tiny, 0x120, 0x140);
  test::putWord(tiny, 0x162, 0x200);
  put(tiny, 0, signatureBytes(2));
  EXPECT_EQ(findClockLocation(ByteImage(tiny)).clockPosition, std::nullopt);
  put(tiny, 1, signatureBytes(2));
  EXPECT_EQ(findClockLocation(ByteImage(tiny)).clockPosition, 1 + 36);
}

TEST(ClockLocation, HostileChainsGiveNoPosition) {
  FixtureImage fixture;
  auto bytes = fixture.build();
  const struct {
    std::int64_t at;
    std::uint32_t word;
  } breaks[] = {
      {0x48, 0xFFF0},                              // ROM header past the end
      {FixtureImage::kRomHeader + 0x20, 0xFFFF},   // master data table past the end
      {FixtureImage::kMasterData + 0x22, 0xFFFE},  // PowerPlay table past the end
      {FixtureImage::kPowerPlay + 0x09, 0xFFFF},   // state array past the end
      {FixtureImage::kPowerPlay + 0x0D, 0xFF00},   // non-clock array past the end
  };
  for (const auto& b : breaks) {
    auto broken = bytes;
    test::putWord(broken, b.at, b.word);
    EXPECT_EQ(findClockLocation(ByteImage(broken)).clockPosition, std::nullopt) << std::hex << b.at;
  }
  auto zeroEntry = bytes;
  zeroEntry[FixtureImage::kPowerPlay + 6] = 0;
  EXPECT_EQ(findClockLocation(ByteImage(zeroEntry)).clockPosition, std::nullopt);
  auto huge = bytes;  // 255 states of 255 bytes run past the end of the image
  huge[FixtureImage::kPowerPlay + 5] = 255;
  huge[FixtureImage::kPowerPlay + 6] = 255;
  EXPECT_EQ(findClockLocation(ByteImage(huge)).clockPosition, std::nullopt);
  EXPECT_EQ(findClockLocation(ByteImage(std::vector<std::uint8_t>(0x49))).clockPosition, std::nullopt);
}

TEST(StatesNum, CountsWholeRecordsUpToTheEndSignature) {
  std::vector<std::uint8_t> bytes(1000, 0);
  put(bytes, 100 + 160, {0x08, 0x00, 0x00, 0x00, 0x7A});
  EXPECT_EQ(countClockRecords(ByteImage(bytes), 100), 10);
  EXPECT_EQ(countClockRecords(ByteImage(bytes), 90), 0);  // 170 bytes apart
  EXPECT_EQ(countClockRecords(ByteImage(bytes), 2000), 0);
  EXPECT_EQ(countClockRecords(ByteImage(bytes), -1), 0);

  std::vector<std::uint8_t> many(1000, 0);
  put(many, 100 + 18 * 16, {0x08, 0x00, 0x00, 0x00, 0x7A});
  EXPECT_EQ(countClockRecords(ByteImage(many), 100), 18);

  // No end signature: the count runs to last - 4.
  std::vector<std::uint8_t> none(1000, 0);
  EXPECT_EQ(countClockRecords(ByteImage(none), 995 - 160), 10);
  EXPECT_EQ(countClockRecords(ByteImage(none), 994 - 160), 0);
}

TEST(PowerPlayStates, DescriptionsListTheClassificationFlags) {
  EXPECT_EQ(stateDescription(0x0008), " - Boot");
  EXPECT_EQ(stateDescription(0x0009), " - Power saving for notebooks in battery mode, Boot");
  EXPECT_EQ(stateDescription(0x0003),
            " - Power saving for notebooks in battery mode, High performance for notebooks in "
            "battery mode, Balanced");
  EXPECT_EQ(stateDescription(0x0005),
            " - Power saving for notebooks in battery mode, High performance, Optimal performance");
  EXPECT_EQ(stateDescription(0x0011), " - Power saving for notebooks in battery mode, Thermal (GPU too hot)");
  EXPECT_EQ(stateDescription(0x0000), "");
  EXPECT_EQ(stateDescription(0x4800), "");
  EXPECT_EQ(stateDescription(0x8000), " - Enable vari bright");
}

TEST(PowerPlayStates, EntrySizeGivesTheNumberOfSlots) {
  for (int entrySize : {3, 4}) {
    FixtureImage fixture;
    fixture.stateEntrySize = entrySize;
    fixture.states = {{0x0008, {0, 1, 2}}, {0x0100, {3, 2, 1}}};
    const auto states = findClockLocation(ByteImage(fixture.build())).states.value();
    EXPECT_EQ(states.slotCount(), entrySize - 1);
    EXPECT_EQ(states.clockIndex(1, 1), 3);
    EXPECT_EQ(states.clockIndex(1, 2), 2);
    EXPECT_EQ(states.clockIndex(1, 3), entrySize == 4 ? std::optional<int>(1) : std::nullopt);
    EXPECT_EQ(states.classification[1], 0x0100);
  }
}

}  // namespace
}  // namespace oza
