#include <gtest/gtest.h>

#include "fan/fan_fields.h"
#include "fan/fan_reader.h"
#include "fan/fan_tab.h"
#include "support/fixture_image.h"

namespace oza {
namespace {

using test::FixtureImage;

struct Read {
  explicit Read(const FixtureImage& fixture, bool rv770 = false, bool r680 = false)
      : image(fixture.build()), tab(globals) {
    card.rv770 = rv770;
    card.r680 = r680;
    LocateFanTable(image, card.r680, globals);
    ok = globals.FanTableType == 2 ? ReadFanSettingsType2(image, globals, tab, true)
                                   : ReadFanSettings(image, globals, card, tab, true);
  }
  ByteImage image;
  FanGlobals globals;
  FanCard card;
  FanTab tab;
  bool ok = false;
};

TEST(FanDetection, TypeOneTableIsReadIntoFrameFour) {
  Read read{FixtureImage()};
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.globals.FanTableType, 1);
  EXPECT_EQ(read.globals.CommandTablePosition, FixtureImage::kMasterCommand);
  EXPECT_EQ(read.globals.FanControlPosition, FixtureImage::kFanTable);
  EXPECT_EQ(read.globals.FanRegisterPosition0, FixtureImage::kFanTable + 8);
  EXPECT_EQ(read.globals.FanRegisterPosition2, FixtureImage::kFanTable + 24);
  const FanTab& t = read.tab;
  EXPECT_TRUE(t.Option4.checked());
  EXPECT_EQ(t.Text5.text(), "40");
  EXPECT_EQ(t.Text6.text(), "106");
  EXPECT_EQ(t.Text9.text(), "15");
  EXPECT_EQ(t.Text7.text(), "21");  // computed, not the stored 0
  EXPECT_EQ(t.Type1Hysteresis.text(), "24");
  EXPECT_EQ(t.Text8.text(), "4");
  EXPECT_EQ(t.Text3.text(), "0");
  EXPECT_EQ(t.Text4.text(), "0");
  EXPECT_TRUE(t.Check3.checked());
  EXPECT_EQ(t.Text2.text(), "1");
  const char* const thresholds[] = {"60", "65", "70", "75", "80", "85", "90", "98"};
  const char* const speeds[] = {"30", "41", "50", "61", "70", "81", "90", "100"};
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(t.Type1Threshold[k].text(), thresholds[k]);
    EXPECT_EQ(t.Type1FanSpeed[k].text(), speeds[k]);
  }
  EXPECT_TRUE(t.Frame4.visible());
  EXPECT_FALSE(t.Text5.enabled() == false);
  EXPECT_FALSE(t.Type1Threshold[0].enabled());
  EXPECT_FALSE(t.graph2.segments().empty());
}

TEST(FanDetection, NoDataSectionAndTheRv770Registers) {
  FixtureImage none;
  none.fanType = 0;
  Read ordinary{none};
  EXPECT_EQ(ordinary.globals.FanTableType, 0);

  FixtureImage rv770;
  rv770.fanType = 0;
  rv770.rv770Registers = true;
  Read card{rv770, true};
  ASSERT_TRUE(card.ok);
  EXPECT_EQ(card.tab.Text5.text(), "40");
  EXPECT_FALSE(card.tab.Option5.visible());
  EXPECT_FALSE(card.tab.Type1Threshold[3].visible());
  EXPECT_FALSE(card.tab.Label53.visible());

  // The ordinary register numbers are not looked for on an RV770 card.
  Read wrongNumbers{none, true};
  EXPECT_FALSE(wrongNumbers.ok);

  FixtureImage rv770WithTable;
  rv770WithTable.rv770Registers = true;
  Read withTable{rv770WithTable, true};
  ASSERT_TRUE(withTable.ok);
  EXPECT_TRUE(withTable.tab.Type1Threshold[3].visible());
}

TEST(FanDetection, R680ImagesUseTheSecondSection) {
  FixtureImage r680;
  r680.secondFanSection = true;
  Read read{r680, false, true};
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.globals.FanTableType, 1);
  EXPECT_EQ(read.tab.Type1Threshold[0].text(), "60");
  // Without the R680 rule the first section (type 5) is taken: no table.
  Read plain{r680, false, false};
  EXPECT_EQ(plain.globals.FanTableType, 0);
  EXPECT_TRUE(isR680("R680"));
  EXPECT_FALSE(isR680("r680"));
}

TEST(FanDetection, TypeTwoMarkersInAnyOrder) {
  FixtureImage fixture;
  fixture.fanType = 2;
  Read read{fixture};
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.globals.Type2SpeedScale, 254);
  EXPECT_EQ(read.tab.Text1.text(), "3");
  EXPECT_EQ(read.tab.Threshold[0].text(), "40");
  EXPECT_EQ(read.tab.FanSpeed[7].text(), "50");  // 127 of 254
  EXPECT_EQ(read.tab.FanSpeed[0].text(), "15");  // 38 / 254 = 14.96
  EXPECT_TRUE(read.tab.Frame3.visible());

  // Reorder to P, O, M.
  auto bytes = fixture.build();
  std::size_t at = FixtureImage::kFanTable;
  while (bytes[at] != 0x7A) ++at;
  std::vector<std::uint8_t> section(bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4,
                                    bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4 + 37);
  std::vector<std::uint8_t> reordered(section.begin() + 4, section.end());  // P and its 32 bytes
  reordered.insert(reordered.end(), {'O', 9, 'M', 0x40});
  std::copy(reordered.begin(), reordered.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4);
  ByteImage image(bytes);
  FanGlobals globals;
  FanTab tab(globals);
  LocateFanTable(image, false, globals);
  ASSERT_TRUE(ReadFanSettingsType2(image, globals, tab, false));
  EXPECT_EQ(globals.Type2SpeedScale, 128);
  EXPECT_EQ(tab.Text1.text(), "9");
  EXPECT_EQ(tab.FanSpeed[7].text(), "99");  // 127 of 128 = 99.2

  fixture.type2Thresholds = {40, 50, 60, 70, 75, 90, 100, 110};  // no threshold byte is a marker
  for (std::uint8_t missing : {'M', 'O', 'P'}) {
    auto without = fixture.build();
    for (std::size_t i = at + 4; i < at + 10; ++i)
      if (without[i] == missing) without[i] = 0x01;
    FanGlobals g;
    FanTab t(g);
    ByteImage broken(without);
    LocateFanTable(broken, false, g);
    EXPECT_FALSE(ReadFanSettingsType2(broken, g, t, false)) << missing;
  }
}

TEST(FanFields, BitsOfEveryField) {
  std::vector<std::uint8_t> bytes(8, 0);
  // Bits 16..14 = 4, 13..11 = 2, 7..0 = 40.
  test::putDword(bytes, 0, (4u << 14) | (2u << 11) | 40u);
  const ByteImage image(bytes);
  EXPECT_EQ(ReadFanField(image, 0, kControlMode), 2);
  EXPECT_EQ(ReadFanField(image, 0, kTmin), 40);
  EXPECT_EQ(ReadFanField(image, 0, kTmax), 0);
  EXPECT_EQ(ReadFanField(image, 0, kTminHysteresis), 4);
  EXPECT_EQ(ReadFanField(image, 0, kSpinUpTime), 0);
  EXPECT_EQ(ReadFanField(image, 6, kTmin), 0);  // outside the image

  test::putDword(bytes, 0, 0xFFFFFFFF);
  const ByteImage ones(bytes);
  for (const FanField& f : {kControlMode, kDutyScale, kTmin, kTmax, kTslope, kDutyMin, kHysteresis,
                            kTminHysteresis, kSpinUpCycle, kSpinUpTime, kPwmRampOn, kPwmRamp})
    EXPECT_EQ(ReadFanField(ones, 0, f), (1 << f.width()) - 1);
  EXPECT_EQ(kHysteresis.end(), 15);
  EXPECT_EQ(kPwmRamp.end(), 8);
  EXPECT_EQ(kPwmRampOn.end(), 9);
}

TEST(FanFields, PercentOfTheDutyScaleRoundsHalfToEven) {
  EXPECT_EQ(percentOf(64, 255), 25);
  EXPECT_EQ(percentOf(1, 200), 0);   // 0.5
  EXPECT_EQ(percentOf(3, 200), 2);   // 1.5
  EXPECT_EQ(percentOf(255, 255), 100);
  EXPECT_THROW(percentOf(5, 0), std::exception);
}

TEST(FanDetection, ReadFailures) {
  FixtureImage badMode;
  test::Type1Fields fields;
  fields.controlMode = 5;
  badMode.registers = test::registersFor(fields);
  EXPECT_FALSE(Read{badMode}.ok);

  FixtureImage zeroScale;
  fields = test::Type1Fields{};
  fields.dutyScale = 0;
  zeroScale.registers = test::registersFor(fields);
  EXPECT_FALSE(Read{zeroScale}.ok);

  FixtureImage zeroType2Scale;
  zeroType2Scale.fanType = 2;
  zeroType2Scale.type2ScaleByte = 0;
  EXPECT_FALSE(Read{zeroType2Scale}.ok);

  // A register write that is missing fails the read instead of using byte 0.
  auto bytes = FixtureImage().build();
  bytes[FixtureImage::kFanTable + 4 + 16] = 0x02;  // spoil the opcode of register 2's write
  ByteImage image(bytes);
  FanGlobals globals;
  FanTab tab(globals);
  LocateFanTable(image, false, globals);
  EXPECT_FALSE(ReadFanSettings(image, globals, FanCard{}, tab, false));
}

TEST(FanDetection, IsRv770Card) {
  EXPECT_FALSE(IsRV770Card(0));
  EXPECT_TRUE(IsRV770Card(0x9440));
  EXPECT_TRUE(IsRV770Card(0x9447));
  EXPECT_FALSE(IsRV770Card(0x9448));
  EXPECT_FALSE(IsRV770Card(0x943F));
}

}  // namespace
}  // namespace oza
