// SPDX-License-Identifier: GPL-3.0-or-later

#include "fan/fan_writer.h"

#include <gtest/gtest.h>

#include "text/number_text.h"

#include <cmath>

#include "document/image_decoding.h"
#include "fan/fan_fields.h"
#include "support/fixture_image.h"
#include "tabs/fan_tab.h"

namespace oza {
namespace {

using test::FixtureImage;

// An image's fan as loaded into a fan tab; the tests change where the load
// found the fields to reach the writer's failures.
struct Loaded {
  explicit Loaded(const FixtureImage& fixture, bool rv770 = false) : image(fixture.build()) {
    const FanReading fan = readFan(image, FanCard{rv770, false});
    location = fan.location;
    ok = fan.usable;
    tab.show(fan);
    std::vector<Control*> controls;
    tab.collect(controls);
    rememberAsLoaded(controls);
  }
  // What a save of the tab writes, as the number its message shows; 0 when written.
  int write() {
    const auto changes = tab.changedSettings(location);
    if (!changes) return static_cast<int>(changes.error().code);
    const auto written = writeFanSettings(image, location, *changes);
    return written ? 0 : static_cast<int>(written.error());
  }
  int field(const FanField& f) const {
    return readFanField(image, *location.registerPositions[static_cast<std::size_t>(f.reg)], f).value_or(-1);
  }

  ByteImage image;
  FanLocation location;
  FanTab tab;
  bool ok = false;
};

TEST(FanWriter, UnchangedSettingsWriteTheSameBytesAStoredTslopeIncluded) {
  FixtureImage fixture;
  test::Type1Fields fields;
  fields.tslope = 200;  // 78 % of 255; the tab computes 21 %
  fixture.registers = test::registersFor(fields);
  Loaded loaded(fixture);
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.write(), 0);
  EXPECT_EQ(loaded.image.bytes(), fixture.build());
}

TEST(FanWriter, FieldsGoIntoTheirBits) {
  Loaded loaded{FixtureImage()};
  ASSERT_TRUE(loaded.ok);
  loaded.tab.tmin.setText("45");
  loaded.tab.tmax.setText("100");
  loaded.tab.dutyCycleMin.setText("20");
  loaded.tab.hysteresis.setText("33");
  loaded.tab.tminHysteresis.setText("7");
  loaded.tab.spinUpCycle.setText("50");
  loaded.tab.spinUpTime.setText("5");
  loaded.tab.pwmRampOn.click();
  loaded.tab.pwmRamp.setText("100");
  loaded.tab.type1Threshold[0].setText("55");
  loaded.tab.type1Speed[0].setText("25");
  EXPECT_EQ(loaded.write(), 0);
  EXPECT_EQ(loaded.field(kControlMode), 2);
  EXPECT_EQ(loaded.field(kTmin), 45);
  EXPECT_EQ(loaded.field(kTmax), 100);
  EXPECT_EQ(loaded.field(kTslope), 59);   // computed 23 %, of 255 = 58.65
  EXPECT_EQ(loaded.field(kDutyMin), 51);  // 20 % of 255
  EXPECT_EQ(loaded.field(kHysteresis), 33);
  EXPECT_EQ(loaded.field(kTminHysteresis), 7);
  EXPECT_EQ(loaded.field(kSpinUpCycle), 128);  // 127.5 rounds to even
  EXPECT_EQ(loaded.field(kSpinUpTime), 5);
  EXPECT_EQ(loaded.field(kPwmRampOn), 0);
  EXPECT_EQ(loaded.field(kPwmRamp), 255);
  EXPECT_EQ(loaded.field(kDutyScale), 255);
  const std::int64_t z = FixtureImage::kFanTable + 4 + 3 * 8 + 4;
  EXPECT_EQ(loaded.image.at(z + 5), 55);
  EXPECT_EQ(loaded.image.at(z + 13), 64);  // 63.75
}

TEST(FanWriter, LookUpModeForcesItsValues) {
  Loaded loaded{FixtureImage()};
  loaded.tab.pwmRampOn.click();
  loaded.tab.lookUpTableMode.click();
  const std::string tmin = loaded.tab.tmin.text();
  EXPECT_EQ(loaded.write(), 0);
  EXPECT_EQ(loaded.tab.tmin.text(), tmin);  // the boxes keep what they show
  EXPECT_EQ(loaded.field(kTminHysteresis), 0);
  EXPECT_EQ(loaded.field(kTslope), 33);  // computed from Tmin 0: 13 % of 255
  EXPECT_EQ(loaded.field(kControlMode), 3);
  EXPECT_EQ(loaded.field(kHysteresis), 0);
  EXPECT_EQ(loaded.field(kTmin), 0);
  EXPECT_EQ(loaded.field(kPwmRampOn), 1);
  EXPECT_EQ(loaded.field(kPwmRamp), 3);  // 1 % of 255 = 2.55
}

TEST(FanWriter, Rv770WithoutTableNeverTouchesTheModeBits) {
  FixtureImage fixture;
  fixture.fanType = 0;
  fixture.rv770Registers = true;
  test::Type1Fields fields;
  fields.controlMode = 3;
  fixture.registers = test::registersFor(fields);
  Loaded loaded(fixture, true);
  ASSERT_TRUE(loaded.ok);
  loaded.tab.transferFunctionMode.click();
  loaded.tab.tmax.setText("90");
  EXPECT_EQ(loaded.write(), 0);
  EXPECT_EQ(loaded.field(kControlMode), 3);
  EXPECT_EQ(loaded.field(kTmax), 90);
}

TEST(FanWriter, TypeTwoTable) {
  FixtureImage fixture;
  fixture.fanType = 2;
  Loaded loaded(fixture);
  ASSERT_TRUE(loaded.ok);
  loaded.tab.type2Speed[0].setText("100");
  loaded.tab.type2Threshold[1].setText("55");
  loaded.tab.type2Hysteresis.setText("6");
  EXPECT_EQ(loaded.write(), 0);
  std::int64_t z = FixtureImage::kFanTable;
  while (loaded.image.at(z) != kFanSectionMarker) ++z;
  const std::int64_t p = z + 8;
  EXPECT_EQ(loaded.image.at(z + 7), 6);
  EXPECT_EQ(loaded.image.at(p + 3), 254);
  EXPECT_EQ(loaded.image.at(p + 5), 55);
  EXPECT_EQ(loaded.image.at(z + 5), 0x7F);  // the scale byte is never written
}

TEST(FanWriter, ARegisterOutsideTheImageFailsWithItsFirstChangedField) {
  for (int reg : {2, 1, 0}) {
    Loaded loaded{FixtureImage()};
    loaded.location.registerPositions[static_cast<std::size_t>(reg)] = loaded.image.size() - 2;
    // Only changed fields are written (Tslope always is).
    loaded.tab.modes.select(loaded.tab.lookUpTableMode);
    loaded.tab.hysteresis.setText("9");
    EXPECT_EQ(loaded.write(), reg == 2 ? 2 : reg == 1 ? 5 : 7) << reg;
  }
}

TEST(FanWriter, ARegisterNeverFoundIsNeverWritten) {
  FixtureImage rv770;
  rv770.fanType = 0;
  rv770.rv770Registers = true;
  Loaded card(rv770, true);
  card.location.registerPositions[2].reset();
  card.tab.tmin.setText("41");
  EXPECT_EQ(card.write(), 3);
}

TEST(FanWriter, ALookUpTableWithoutItsSectionFails) {
  // The change rules keep look-up values within a byte, so the table fails
  // only when the load did not find its section.
  Loaded noTable{FixtureImage()};
  noTable.location.type1Section.reset();
  EXPECT_EQ(noTable.write(), 13);
}

TEST(FanWriter, TypeTwoValuesBeyondAByteFail) {
  FixtureImage type2;
  type2.fanType = 2;
  Loaded hysteresis(type2);
  hysteresis.tab.type2Hysteresis.setText("300");
  EXPECT_EQ(hysteresis.write(), 1);

  type2.type2ScaleByte = 255;  // scale 510: 100 % is 510
  Loaded wide(type2);
  ASSERT_TRUE(wide.ok);
  wide.tab.type2Speed[2].setText("100");
  EXPECT_EQ(wide.write(), 1);
}

TEST(FanWriter, ATypeTwoSectionOrMarkerMissingFails) {
  Loaded noSection(FixtureImage{});
  noSection.location.tableType = FanTableType::Type2;
  noSection.location.fanControlPosition = static_cast<std::int32_t>(noSection.image.size() - 1);
  EXPECT_EQ(noSection.write(), 14);

  for (std::uint8_t marker : {std::uint8_t('P'), std::uint8_t('O')}) {
    FixtureImage missing;
    missing.fanType = 2;
    missing.type2Thresholds = {40, 50, 60, 70, 75, 90, 100, 110};
    Loaded loaded(missing);
    ASSERT_TRUE(loaded.ok);
    (marker == 'P' ? loaded.location.type2TableMarker : loaded.location.type2HysteresisMarker).reset();
    EXPECT_EQ(loaded.write(), marker == 'P' ? 15 : 16);
  }
}

TEST(FanWriter, TheMessageShowsTheNumber) {
  EXPECT_EQ(fanWriteMessage(FanWriteError::Tslope),
            "Unable to write fan settings. This may be due to illegal values set. - Debug information: "
            "'WriteFanSettings' 5.");
  EXPECT_EQ(fanWriteMessage(FanWriteError::NoType2HysteresisMarker),
            "Unable to write fan settings. This may be due to illegal values set. - Debug information: "
            "'WriteFanSettings' 16.");
}

TEST(FanWriter, OnlyTheChangesAreEncoded) {
  Loaded loaded{FixtureImage()};
  const std::vector<std::uint8_t> before = loaded.image.bytes();
  FanChanges changes;
  changes.registers.tmax = 90;
  changes.type1Table.speeds[7] = 200.4;
  ASSERT_TRUE(writeFanSettings(loaded.image, loaded.location, changes));
  EXPECT_EQ(loaded.field(kTmax), 90);
  const std::int64_t speed = type1SpeedAt(*loaded.location.type1Section, 7);
  EXPECT_EQ(loaded.image.at(speed), 200);
  std::vector<std::uint8_t> expected = before;
  expected[static_cast<std::size_t>(speed)] = 200;
  const auto tmax = static_cast<std::size_t>(*loaded.location.registerPositions[2]);
  for (std::size_t i = tmax; i < tmax + 4; ++i) expected[i] = *loaded.image.at(static_cast<std::int64_t>(i));
  EXPECT_EQ(loaded.image.bytes(), expected);  // nothing outside the two
}

TEST(FanTabChanges, AnUntouchedTabChangesNothingAndTslopeFollowsWhatItIsComputedFrom) {
  Loaded loaded{FixtureImage()};
  const FanChanges changes = loaded.tab.changedSettings(loaded.location).value();
  for (const auto* value :
       {&changes.registers.controlMode, &changes.registers.tmin, &changes.registers.tmax, &changes.registers.tslope,
        &changes.registers.dutyMin, &changes.registers.pwmRampOn, &changes.registers.pwmRamp})
    EXPECT_FALSE(value->has_value());
  for (int k = 0; k < kFanTablePoints; ++k) {
    EXPECT_FALSE(changes.type1Table.thresholds[k].has_value()) << k;
    EXPECT_FALSE(changes.type1Table.speeds[k].has_value()) << k;
  }
  for (Control FanTab::*input : {&FanTab::tmin, &FanTab::tmax, &FanTab::dutyCycleMin, &FanTab::tslope}) {
    Loaded edited{FixtureImage()};
    Control& box = edited.tab.*input;
    box.setText(std::to_string(static_cast<int>(textValue(box.text())) + 1));
    EXPECT_TRUE(edited.tab.changedSettings(edited.location)->registers.tslope.has_value()) << box.name();
  }
  Loaded lookUp{FixtureImage()};
  lookUp.tab.lookUpTableMode.click();  // forces Tmin 0
  EXPECT_TRUE(lookUp.tab.changedSettings(lookUp.location)->registers.tslope.has_value());
}

TEST(FanTabChanges, TheLookUpModesValuesCountEvenWhenTheyWereLoaded) {
  Loaded loaded{FixtureImage()};
  loaded.tab.lookUpTableMode.click();
  const FanChanges changes = loaded.tab.changedSettings(loaded.location).value();
  EXPECT_NE(loaded.tab.tmin.text(), "0");  // the boxes keep what they show
  EXPECT_EQ(changes.registers.controlMode, 3);
  EXPECT_EQ(changes.registers.pwmRampOn, 1);  // loaded checked, still a change
  EXPECT_EQ(changes.registers.tmin, 0);
  EXPECT_EQ(changes.registers.hysteresis, 0);
  EXPECT_FALSE(changes.registers.tmax.has_value());
}

// A text no save can write as typed refuses the save, naming its box,
// instead of keeping the field's bytes while a Tslope computed from it is
// written.
TEST(FanTabChanges, ATextThatCannotBeWrittenAsTypedRefusesTheSave) {
  const struct {
    Control FanTab::*box;
    const char* text;
    FanWriteError code;
    const char* why;
  } cases[] = {
      {&FanTab::tmax, "80.5", FanWriteError::Tmax, "is no whole number"},
      {&FanTab::tmin, "1..2", FanWriteError::Tmin, "is no number"},
      {&FanTab::tmax, "1e2", FanWriteError::Tmax, "is no number"},
      {&FanTab::dutyCycleMin, "33.3", FanWriteError::DutyMin, "is no whole number"},
      {&FanTab::tslope, "150", FanWriteError::Tslope, "is more than the image's field holds"},
      {&FanTab::hysteresis, "64", FanWriteError::Hysteresis, "is more than the image's field holds"},
  };
  for (const auto& c : cases) {
    Loaded loaded{FixtureImage()};
    const std::vector<std::uint8_t> before = loaded.image.bytes();
    (loaded.tab.*c.box).setText(c.text);
    const auto changes = loaded.tab.changedSettings(loaded.location);
    ASSERT_FALSE(changes) << c.text;
    EXPECT_EQ(changes.error().code, c.code) << c.text;
    EXPECT_EQ(changes.error().box, &(loaded.tab.*c.box)) << c.text;
    EXPECT_EQ(changes.error().why, c.why) << c.text;
    EXPECT_EQ(loaded.image.bytes(), before);
  }
  Loaded whole{FixtureImage()};
  whole.tab.tmax.setText("90.000");  // a whole number, written with zero decimals
  EXPECT_EQ(whole.tab.changedSettings(whole.location)->registers.tmax, 90);
}

}  // namespace
}  // namespace oza
