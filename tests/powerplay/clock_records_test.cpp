// SPDX-License-Identifier: GPL-3.0-or-later

#include "powerplay/clock_records.h"

#include <gtest/gtest.h>

#include "document/image_decoding.h"
#include "powerplay/clock_location.h"
#include "support/expected_error.h"
#include "support/fixture_image.h"
#include "tabs/clock_tab.h"

namespace oza {
namespace {

using test::ClockRecord;
using test::FixtureImage;

// A fixture loaded into a clock tab; writes go into `image`.
struct Loaded {
  explicit Loaded(const FixtureImage& fixture)
      : loaded(*decodeImage("", ByteImage(fixture.build()))), image(loaded.bytes), position(fixture.clockPosition()) {
    tab.show(loaded);
    std::vector<Control*> controls;
    tab.collect(controls);
    rememberAsLoaded(controls);
  }
  // Writes into the records where the image holds them; true when written.
  bool write() { return writeClockSettings(image, loaded.clockLocation, tab.changedSettings()).has_value(); }
  LoadedImage loaded;
  ByteImage image;
  std::int64_t position;
  ClockTab tab;
};

TEST(ClockRecords, ReadingShowsMegahertzAndVolts) {
  FixtureImage fixture;
  fixture.clocks = {{74218, 80000, 1200}, {30000, 45000, 3000}, {1, 2, 3001}, {0, 0, 0xFF01}};
  Loaded loaded(fixture);
  EXPECT_EQ(loaded.tab.gpuClock[0].text(), "742.18");
  EXPECT_EQ(loaded.tab.memoryClock[0].text(), "800");
  EXPECT_EQ(loaded.tab.voltage[0].text(), "1.2");
  EXPECT_EQ(loaded.tab.voltage[1].text(), "3");
  EXPECT_EQ(loaded.tab.gpuClock[2].text(), "0.01");
  EXPECT_EQ(loaded.tab.voltage[2].text(), "---");
  EXPECT_EQ(loaded.tab.voltage[3].text(), "---");
  EXPECT_EQ(loaded.tab.gpuClock[4].text(), "");
}

TEST(ClockRecords, ReadingCapsAtSixteenRecords) {
  FixtureImage fixture;
  fixture.clocks.assign(20, ClockRecord{50000, 60000, 1100});
  Loaded loaded(fixture);
  EXPECT_EQ(loaded.loaded.clockInfos.size(), 16u);
  EXPECT_EQ(loaded.tab.gpuClock[15].text(), "500");
  EXPECT_EQ(loaded.tab.gpuClock[16].text(), "");
}

TEST(ClockRecords, ReadingStopsAtTheEndAndKeepsTheRecordsRead) {
  const std::vector<std::uint8_t> bytes(36, 0x10);
  EXPECT_EQ(readClockInfos(ByteImage(bytes), 0, 3).size(), 2u);
}

// Writes one set of texts into record 0 and returns its first eight bytes,
// or nothing when the writer refused.
std::optional<std::vector<int>> written(const std::string& gpu, const std::string& ram, const std::string& volt,
                                        std::uint16_t oldVoltage = 1100) {
  FixtureImage fixture;
  fixture.clocks[0].voltage = oldVoltage;
  Loaded loaded(fixture);
  loaded.tab.gpuClock[0].setText(gpu);
  loaded.tab.memoryClock[0].setText(ram);
  loaded.tab.voltage[0].setText(volt);
  if (!loaded.write()) return std::nullopt;
  std::vector<int> bytes;
  for (int i = 0; i < 8; ++i) bytes.push_back(*loaded.image.at(loaded.position + i));
  return bytes;
}

TEST(ClockRecords, WritingConvertsBackToTheRecordUnits) {
  using V = std::vector<int>;
  EXPECT_EQ(written("742.5", "800", "1.2"), (V{0x0A, 0x22, 0x01, 0x80, 0x38, 0x01, 0xB0, 0x04}));
  EXPECT_EQ(written("742.57", "0", "3.5"), (V{0x11, 0x22, 0x01, 0x00, 0x00, 0x00, 0xAC, 0x0D}));
  EXPECT_EQ(written("1", "2", "---"), (V{0x64, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x01, 0xFF}));
  EXPECT_EQ(written("1", "2", ""), (V{0x64, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x01, 0xFF}));
  EXPECT_EQ(written("1", "2", "0"), (V{0x64, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x01, 0xFF}));
  EXPECT_EQ(written("1", "2", "1.250"), (V{0x64, 0x00, 0x00, 0xC8, 0x00, 0x00, 0xE2, 0x04}));
  EXPECT_EQ(written("167772.15", "2", "65.535"), (V{0xFF, 0xFF, 0xFF, 0xC8, 0x00, 0x00, 0xFF, 0xFF}));
}

TEST(ClockRecords, IllegalTextsStopTheWriter) {
  for (const char* gpu : {"742.555", "167772.16", "", "1.2.3", "abc", "-5", "1e3", "."})
    EXPECT_FALSE(written(gpu, "800", "1.2").has_value()) << gpu;
  EXPECT_FALSE(written("800", "", "1.2").has_value());
  EXPECT_FALSE(written("800", "800", "0.0004").has_value());
  EXPECT_FALSE(written("800", "800", "65.536").has_value());
  for (const char* volt : {"1..2", "1.2.3", "1.25V", "."})
    EXPECT_FALSE(written("800", "800", volt).has_value()) << volt;
}

TEST(ClockRecords, DashesOverAFieldThatHoldsNoVoltageKeepItsBytes) {
  using V = std::vector<int>;
  // FF02 and 3500 stay as they are while the box still shows "---".
  EXPECT_EQ(written("1", "2", "---", 0xFF02), (V{0x64, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x02, 0xFF}));
  EXPECT_EQ(written("1", "2", "---", 3500), (V{0x64, 0x00, 0x00, 0xC8, 0x00, 0x00, 0xAC, 0x0D}));
  // Typed over, or emptied, they are written as usual.
  EXPECT_EQ(written("1", "2", "1.1", 0xFF02), (V{0x64, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x4C, 0x04}));
  EXPECT_EQ(written("1", "2", "", 0xFF02), (V{0x64, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x01, 0xFF}));
}

TEST(ClockRecords, WritingStopsAtTheFirstIllegalFieldAndKeepsWhatItWrote) {
  FixtureImage fixture;
  Loaded loaded(fixture);
  loaded.tab.gpuClock[0].setText("100");
  loaded.tab.gpuClock[1].setText("200");
  loaded.tab.memoryClock[1].setText("x");
  EXPECT_FALSE(loaded.write());
  EXPECT_EQ(loaded.image.clock(loaded.position), 10000u);
  EXPECT_EQ(loaded.image.clock(loaded.position + 16), 20000u);
  EXPECT_EQ(loaded.image.clock(loaded.position + 19), 50000u);  // untouched
}

TEST(ClockRecords, OnlySixteenOfEighteenRecordsAreWritten) {
  FixtureImage fixture;
  fixture.clocks.assign(18, ClockRecord{50000, 60000, 1100});
  Loaded loaded(fixture);
  for (int i = 0; i < 16; ++i) loaded.tab.gpuClock[i].setText("600");
  EXPECT_TRUE(loaded.write());
  EXPECT_EQ(loaded.image.clock(loaded.position + 15 * 16), 60000u);
  EXPECT_EQ(loaded.image.clock(loaded.position + 16 * 16), 50000u);
}

TEST(Overdrive, ShowsTheStandardClocksAndLimits) {
  FixtureImage fixture;
  fixture.odGpu = 80000;
  fixture.odRam = 74250;
  fixture.odRamLimit = 120000;
  fixture.odGpuLimit = 90000;
  const std::optional<OverdriveClocks> clocks = readOverdrive(ByteImage(fixture.build()));
  ASSERT_TRUE(clocks && clocks->complete());
  EXPECT_EQ(overdriveText(clocks->engineClock), "800 MHz");
  EXPECT_EQ(overdriveText(clocks->memoryClock), "742.5 MHz");
  EXPECT_EQ(overdriveText(clocks->memoryLimit), "1200 MHz");
  EXPECT_EQ(overdriveText(clocks->engineLimit), "900 MHz");
}

TEST(Overdrive, ASignatureAtTheStartIsNotLookedAt) {
  std::vector<std::uint8_t> bytes(200, 0);
  const std::vector<std::uint8_t> signature = {0x59, 0x00, 0x01, 0x04};
  std::copy(signature.begin(), signature.end(), bytes.begin());
  EXPECT_EQ(readOverdrive(ByteImage(bytes)), std::nullopt);  // position 0 is not looked at
  EXPECT_EQ(overdriveText(std::nullopt), "MHz");
}

TEST(Overdrive, TheFirstSignatureWins) {
  std::vector<std::uint8_t> bytes(200, 0);
  const std::vector<std::uint8_t> signature = {0x59, 0x00, 0x01, 0x04};
  std::copy(signature.begin(), signature.end(), bytes.begin() + 10);
  std::copy(signature.begin(), signature.end(), bytes.begin() + 100);
  test::putClock(bytes, 18, 10000);
  test::putClock(bytes, 108, 20000);
  EXPECT_EQ(readOverdrive(ByteImage(bytes))->engineClock, 10000u);  // the lower one wins
}

TEST(Overdrive, AFieldOutsideTheImageEndsTheBlockAndKeepsTheFieldsBeforeIt) {
  const std::vector<std::uint8_t> signature = {0x59, 0x00, 0x01, 0x04};
  std::vector<std::uint8_t> shortImage(39, 0);
  std::copy(signature.begin(), signature.end(), shortImage.begin() + 5);
  test::putClock(shortImage, 13, 80000);
  const std::optional<OverdriveClocks> clocks = readOverdrive(ByteImage(shortImage));
  ASSERT_TRUE(clocks);
  EXPECT_FALSE(clocks->complete());
  EXPECT_EQ(clocks->engineClock, 80000u);
  EXPECT_EQ(clocks->memoryClock, 0u);
  EXPECT_EQ(clocks->memoryLimit, std::nullopt);
}

TEST(ClockCodec, ReadsWholeRecordsUpToTheEnd) {
  FixtureImage fixture;
  fixture.clocks = {{74218, 80000, 1200}, {30000, 45000, 0xFF01}};
  const ByteImage image(fixture.build());
  const std::vector<ClockInfo> records = readClockInfos(image, fixture.clockPosition(), 2);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].engineClock, 74218u);
  EXPECT_EQ(records[0].memoryClock, 80000u);
  EXPECT_EQ(records[0].voltage, 1200);
  EXPECT_EQ(records[1].voltage, 0xFF01);
  // The third record would end past the last byte.
  EXPECT_EQ(readClockInfos(ByteImage(std::vector<std::uint8_t>(39)), 0, 3).size(), 2u);
  EXPECT_EQ(readClockInfos(ByteImage(std::vector<std::uint8_t>(40)), 0, 3).size(), 3u);
}

TEST(ClockCodec, WritesOnlyTheFieldsThatHaveValues) {
  ByteImage image(std::vector<std::uint8_t>(32, 0xEE));
  ClockInfoChange first;
  first.memoryClock = 0x123456;
  ClockInfoChange second;
  second.voltage = 1100;
  EXPECT_EQ(test::errorOf(writeClockInfos(image, 0, {first, second})), std::nullopt);
  EXPECT_EQ(image.clock(0), 0xEEEEEEu);
  EXPECT_EQ(image.clock(3), 0x123456u);
  EXPECT_EQ(image.word(6), 0xEEEEu);
  EXPECT_EQ(image.word(16 + 6), 1100u);
}

TEST(ClockCodec, NoVoltageOverAFieldWithoutOneKeepsItsBytes) {
  ClockInfoChange none;
  none.voltage = kNoVoltage;
  none.voltageNone = true;
  ByteImage withoutVoltage(std::vector<std::uint8_t>(16, 0xEE));  // 0xEEEE is no voltage
  EXPECT_EQ(test::errorOf(writeClockInfos(withoutVoltage, 0, {none})), std::nullopt);
  EXPECT_EQ(withoutVoltage.word(6), 0xEEEEu);
  ByteImage withVoltage(std::vector<std::uint8_t>(16, 0x01));  // 0x0101 = 257 mV
  EXPECT_EQ(test::errorOf(writeClockInfos(withVoltage, 0, {none})), std::nullopt);
  EXPECT_EQ(withVoltage.word(6), kNoVoltage);
}

TEST(ClockCodec, ARecordOutsideTheImageStopsTheWriter) {
  ByteImage image(std::vector<std::uint8_t>(18, 0));
  ClockInfoChange change;
  change.engineClock = 0x010203;
  EXPECT_EQ(test::errorOf(writeClockInfos(image, 0, {change, change})), ClockWriteError::OutsideImage);
  EXPECT_EQ(image.clock(0), 0x010203u);
  EXPECT_EQ(image.word(16), 0u);  // a field that does not fit is not written at all
}

}  // namespace
}  // namespace oza
