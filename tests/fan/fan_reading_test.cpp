// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include "document/image_decoding.h"
#include "fan/fan_fields.h"
#include "fan/fan_reader.h"
#include "support/fixture_image.h"
#include "tabs/fan_tab.h"

namespace oza {
namespace {

using test::FixtureImage;

// What the load reads of the fan of an image, shown in a fan tab.
struct Read {
  explicit Read(const ByteImage& bytes, bool rv770 = false, bool r680 = false)
      : image(bytes), fan(readFan(image, FanCard{rv770, r680})), location(fan.location), ok(fan.usable) {
    tab.show(fan);
  }
  explicit Read(const FixtureImage& fixture, bool rv770 = false, bool r680 = false)
      : Read(ByteImage(fixture.build()), rv770, r680) {}
  ByteImage image;
  FanReading fan;
  FanLocation location;
  FanTab tab;
  bool ok = false;
};

TEST(FanDetection, TypeOneTableIsReadIntoFrameFour) {
  Read read{FixtureImage()};
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.location.tableType, FanTableType::Type1);
  EXPECT_EQ(read.location.commandTablePosition, FixtureImage::kMasterCommand);
  EXPECT_EQ(read.location.fanControlPosition, FixtureImage::kFanTable);
  EXPECT_EQ(read.location.registerPositions[0], FixtureImage::kFanTable + 8);
  EXPECT_EQ(read.location.registerPositions[2], FixtureImage::kFanTable + 24);
  const FanTab& t = read.tab;
  EXPECT_TRUE(t.transferFunctionMode.checked());
  EXPECT_EQ(t.tmin.text(), "40");
  EXPECT_EQ(t.tmax.text(), "106");
  EXPECT_EQ(t.dutyCycleMin.text(), "15");
  EXPECT_EQ(t.tslope.text(), "0");  // the stored one, with the computed one beside it
  EXPECT_EQ(t.computedTslopeHint.text(), "computed: 21");
  EXPECT_EQ(t.hysteresis.text(), "24");
  EXPECT_EQ(t.tminHysteresis.text(), "4");
  EXPECT_EQ(t.spinUpCycle.text(), "0");
  EXPECT_EQ(t.spinUpTime.text(), "0");
  EXPECT_TRUE(t.pwmRampOn.checked());
  EXPECT_EQ(t.pwmRamp.text(), "1");
  const char* const thresholds[] = {"60", "65", "70", "75", "80", "85", "90", "98"};
  const char* const speeds[] = {"30", "41", "50", "61", "70", "81", "90", "100"};
  for (int k = 0; k < kFanTablePoints; ++k) {
    EXPECT_EQ(t.type1Threshold[k].text(), thresholds[k]);
    EXPECT_EQ(t.type1Speed[k].text(), speeds[k]);
  }
  EXPECT_FALSE(t.tmin.enabled() == false);
  EXPECT_FALSE(t.type1Threshold[0].enabled());
  EXPECT_FALSE(t.type1Graph.segments().empty());
}

TEST(FanDetection, NoDataSectionAndTheRv770Registers) {
  FixtureImage none;
  none.fanType = 0;
  Read ordinary{none};
  EXPECT_EQ(ordinary.location.tableType, FanTableType::None);

  FixtureImage rv770;
  rv770.fanType = 0;
  rv770.rv770Registers = true;
  Read card{rv770, true};
  ASSERT_TRUE(card.ok);
  EXPECT_EQ(card.tab.tmin.text(), "40");
  EXPECT_FALSE(card.tab.lookUpTableMode.visible());
  EXPECT_FALSE(card.tab.type1Threshold[3].visible());
  EXPECT_FALSE(card.tab.thresholdCaption.visible());

  // The ordinary register numbers are not looked for on an RV770 card.
  Read wrongNumbers{none, true};
  EXPECT_FALSE(wrongNumbers.ok);

  FixtureImage rv770WithTable;
  rv770WithTable.rv770Registers = true;
  Read withTable{rv770WithTable, true};
  ASSERT_TRUE(withTable.ok);
  EXPECT_TRUE(withTable.tab.type1Threshold[3].visible());
}

TEST(FanDetection, R680ImagesUseTheSecondSection) {
  FixtureImage r680;
  r680.secondFanSection = true;
  Read read{r680, false, true};
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.location.tableType, FanTableType::Type1);
  EXPECT_EQ(read.tab.type1Threshold[0].text(), "60");
  // Without the R680 rule the first section (type 5) is taken: no table.
  Read plain{r680, false, false};
  EXPECT_EQ(plain.location.tableType, FanTableType::None);
  EXPECT_TRUE(isR680("R680"));
  EXPECT_FALSE(isR680("r680"));
}

TEST(FanDetection, TypeTwoMarkersInAnyOrder) {
  FixtureImage fixture;
  fixture.fanType = 2;
  Read read{fixture};
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.location.type2SpeedScale, 254);
  EXPECT_EQ(read.tab.type2Hysteresis.text(), "3");
  EXPECT_EQ(read.tab.type2Threshold[0].text(), "40");
  EXPECT_EQ(read.tab.type2Speed[7].text(), "50");  // 127 of 254
  EXPECT_EQ(read.tab.type2Speed[0].text(), "15");  // 38 / 254 = 14.96

  // Reorder to P, O, M.
  auto bytes = fixture.build();
  std::size_t at = FixtureImage::kFanTable;
  while (bytes[at] != kFanSectionMarker) ++at;
  std::vector<std::uint8_t> section(bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4,
                                    bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4 + 37);
  std::vector<std::uint8_t> reordered(section.begin() + 4, section.end());  // P and its 32 bytes
  reordered.insert(reordered.end(), {'O', 9, 'M', 0x40});
  std::copy(reordered.begin(), reordered.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4);
  const Read moved{ByteImage(bytes)};
  ASSERT_TRUE(moved.ok);
  EXPECT_EQ(moved.location.type2SpeedScale, 128);
  EXPECT_EQ(moved.tab.type2Hysteresis.text(), "9");
  EXPECT_EQ(moved.tab.type2Speed[7].text(), "99");  // 127 of 128 = 99.2

  fixture.type2Thresholds = {40, 50, 60, 70, 75, 90, 100, 110};  // no threshold byte is a marker
  for (std::uint8_t missing : {'M', 'O', 'P'}) {
    auto without = fixture.build();
    for (std::size_t i = at + 4; i < at + 10; ++i)
      if (without[i] == missing) without[i] = 0x01;
    const Read read{ByteImage(without)};
    EXPECT_FALSE(read.ok) << missing;
    // What comes before the missing marker is still read; where the table lies is not known.
    EXPECT_EQ(read.location.type2SpeedScale, missing == 'M' ? 0 : 254) << missing;
    EXPECT_FALSE(read.location.type2TableMarker) << missing;
    EXPECT_FALSE(read.location.type2HysteresisMarker) << missing;
  }
}

TEST(FanFields, BitsOfEveryField) {
  std::vector<std::uint8_t> bytes(8, 0);
  // Bits 16..14 = 4, 13..11 = 2, 7..0 = 40.
  test::putDword(bytes, 0, (4u << 14) | (2u << 11) | 40u);
  const ByteImage image(bytes);
  EXPECT_EQ(readFanField(image, 0, kControlMode), 2);
  EXPECT_EQ(readFanField(image, 0, kTmin), 40);
  EXPECT_EQ(readFanField(image, 0, kTmax), 0);
  EXPECT_EQ(readFanField(image, 0, kTminHysteresis), 4);
  EXPECT_EQ(readFanField(image, 0, kSpinUpTime), 0);
  EXPECT_EQ(readFanField(image, 6, kTmin), std::nullopt);  // outside the image

  test::putDword(bytes, 0, 0xFFFFFFFF);
  const ByteImage ones(bytes);
  for (const FanField& f : {kControlMode, kDutyScale, kTmin, kTmax, kTslope, kDutyMin, kHysteresis, kTminHysteresis,
                            kSpinUpCycle, kSpinUpTime, kPwmRampOn, kPwmRamp})
    EXPECT_EQ(readFanField(ones, 0, f), (1 << f.width()) - 1);
  EXPECT_EQ(kHysteresis.mask(), 0x007E0000u);
  EXPECT_EQ(kPwmRamp.mask(), 0xFF000000u);
  EXPECT_EQ(kPwmRampOn.mask(), 0x00800000u);
}

TEST(FanFields, AWriteChangesOnlyItsFieldsBits) {
  std::vector<std::uint8_t> bytes(8, 0xA5);
  ByteImage image(bytes);
  ASSERT_TRUE(writeFanField(image, 2, kTmax, 0x55));  // bits 24..17
  const std::uint32_t expected = (0xA5A5A5A5u & ~kTmax.mask()) | (0x55u << 17);
  EXPECT_EQ(image.dword(2), expected);
  EXPECT_EQ(image.at(0), 0xA5);
  EXPECT_EQ(image.at(6), 0xA5);
  EXPECT_EQ(readFanField(image, 2, kTmax), 0x55);
  ASSERT_TRUE(writeFanField(image, 2, kPwmRampOn, 1));
  EXPECT_EQ(image.dword(2), expected | 0x00800000u);
}

TEST(FanFields, AValueThatDoesNotFitLeavesTheFieldAndCountsAsWritten) {
  const std::vector<std::uint8_t> bytes(8, 0x12);
  for (const std::optional<double> value : {std::optional<double>(256.0), std::optional<double>(-1.0),
                                            std::optional<double>(40.5), std::optional<double>()}) {
    ByteImage image(bytes);
    EXPECT_TRUE(writeFanField(image, 1, kTmin, value)) << value.value_or(-999);
    EXPECT_EQ(image.bytes(), bytes) << value.value_or(-999);
  }
  ByteImage image(bytes);
  EXPECT_TRUE(writeFanField(image, 1, kSpinUpTime, 7));  // three bits: 7 fits, 8 does not
  EXPECT_TRUE(writeFanField(image, 1, kSpinUpTime, 8));
  EXPECT_EQ(readFanField(image, 1, kSpinUpTime), 7);
}

TEST(FanFields, RegistersNeverFoundAndPositionsOutsideTheImageAreNotWritten) {
  const std::vector<std::uint8_t> bytes(8, 0);
  ByteImage image(bytes);
  EXPECT_FALSE(writeFanField(image, std::nullopt, kTmin, 5));
  EXPECT_FALSE(writeFanField(image, 5, kTmin, 5));
  EXPECT_EQ(image.bytes(), bytes);
}

TEST(FanFields, PercentOfTheDutyScaleRoundsHalfToEven) {
  EXPECT_EQ(percentOf(64, 255), 25);
  EXPECT_EQ(percentOf(1, 200), 0);  // 0.5
  EXPECT_EQ(percentOf(3, 200), 2);  // 1.5
  EXPECT_EQ(percentOf(255, 255), 100);
  EXPECT_EQ(percentOf(5, 0), std::nullopt);
}

TEST(FanDetection, ALookUpTableCutOffByTheImagesEndIsShownAsFarAsItGoes) {
  auto bytes = FixtureImage().build();
  const std::size_t section = FixtureImage::kFanTable + 4 + 3 * 8 + 4;
  ASSERT_EQ(bytes[section], kFanSectionMarker);
  bytes.resize(static_cast<std::size_t>(type1SpeedAt(static_cast<std::int64_t>(section), 3)));
  const Read cut{ByteImage(bytes)};
  EXPECT_FALSE(cut.ok);
  EXPECT_EQ(cut.tab.type1Threshold[7].text(), "98");
  EXPECT_EQ(cut.tab.type1Speed[2].text(), "50");
  EXPECT_EQ(cut.tab.type1Speed[3].text(), "");
}

TEST(FanDetection, AControlModeOtherThanTwoOrThreeFails) {
  FixtureImage badMode;
  test::Type1Fields fields;
  fields.controlMode = 5;
  badMode.registers = test::registersFor(fields);
  EXPECT_FALSE(Read{badMode}.ok);
}

TEST(FanDetection, ADutyScaleOfZeroFails) {
  FixtureImage zeroScale;
  test::Type1Fields fields;
  fields.dutyScale = 0;
  zeroScale.registers = test::registersFor(fields);
  EXPECT_FALSE(Read{zeroScale}.ok);
}

TEST(FanDetection, ATypeTwoSpeedScaleOfZeroFails) {
  FixtureImage zeroType2Scale;
  zeroType2Scale.fanType = 2;
  zeroType2Scale.type2ScaleByte = 0;
  EXPECT_FALSE(Read{zeroType2Scale}.ok);
}

TEST(FanDetection, AMissingRegisterWriteFails) {
  // A register write that is missing fails the read instead of using byte 0.
  auto bytes = FixtureImage().build();
  bytes[FixtureImage::kFanTable + 4 + 16] = 0x02;  // spoil the opcode of register 2's write
  const Read missing{ByteImage(bytes)};
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.fan.registers);
  // The writes that were found stay known to the check and the diff.
  EXPECT_TRUE(missing.location.registerPositions[0]);
  EXPECT_TRUE(missing.location.registerPositions[1]);
  EXPECT_FALSE(missing.location.registerPositions[2]);
}

TEST(FanDetection, IsRv770Card) {
  EXPECT_FALSE(isRv770Card(0));
  EXPECT_TRUE(isRv770Card(0x9440));
  EXPECT_TRUE(isRv770Card(0x9447));
  EXPECT_FALSE(isRv770Card(0x9448));
  EXPECT_FALSE(isRv770Card(0x943F));
}

}  // namespace
}  // namespace oza
