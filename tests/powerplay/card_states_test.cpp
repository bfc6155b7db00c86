// SPDX-License-Identifier: GPL-3.0-or-later

// The thermal controller and the states as the driver takes them, on the
// real cards and on fixtures.
#include <gtest/gtest.h>

#include "powerplay/clock_location.h"
#include "powerplay/driver_states.h"
#include "powerplay/thermal_controller.h"
#include "support/card_tables.h"
#include "support/fixture_image.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

TEST(CardStates, RealCardsHaveAnExternalController) {
  for (const char* rom : {"hd4670-rv730-imac.rom", "hd4850-rv770-imac.rom"}) {
    const std::string path = test::realRomPath(rom);
    OZA_SKIP_WITHOUT_REAL_ROM(path);
    SCOPED_TRACE(rom);
    const ByteImage image(test::readBytes(path));
    const auto controller = readThermalController(image);
    ASSERT_TRUE(controller.has_value());
    EXPECT_EQ(controller->type, 11);
    EXPECT_FALSE(controller->internal());
    const auto states = driverStates(*findClockLocation(image).states);
    ASSERT_EQ(states.size(), 6u);
    EXPECT_TRUE(states[0].boot);
    EXPECT_EQ(states[0].low, 0);
  }
}

TEST(CardStates, ThermalControllers) {
  const struct {
    test::ThermalFields fields;
    bool fan, internal;
    int pulses, maxRpm;
  } cases[] = {
      {{7, 0x02, 10, 45}, true, true, 2, 45},  {{8, 0x01, 10, 45}, true, true, 1, 45},
      {{11, 0x00, 10, 45}, true, false, 0, 0},  // no pulse count: no RPM range
      {{8, 0x82, 10, 45}, false, true, 2, 45},  // no fan
      {{0, 0x02, 10, 45}, false, false, 0, 0},  // no controller: nothing read
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int{c.fields.type});
    auto bytes = test::FixtureImage().build();
    test::addCardTables(bytes, {{}, {}, c.fields});
    const auto controller = readThermalController(ByteImage(bytes));
    ASSERT_TRUE(controller.has_value());
    EXPECT_EQ(controller->fan, c.fan);
    EXPECT_EQ(controller->internal(), c.internal);
    EXPECT_EQ(controller->pulsesPerRevolution, c.pulses);
    EXPECT_EQ(controller->fanMaxRpm, c.maxRpm);
  }
  // A table whose size stops before the controller, and one of revision 3.
  EXPECT_FALSE(readThermalController(ByteImage(test::FixtureImage().build())).has_value());
  test::FixtureImage old;
  old.revision4 = false;
  auto bytes = old.build();
  test::addCardTables(bytes, {{}, {}, test::ThermalFields{}});
  EXPECT_FALSE(readThermalController(ByteImage(bytes)).has_value());
}

TEST(CardStates, SlotsPastTheThirdOverwriteHigh) {
  PowerPlayStates states;
  states.stateClockIndex = {{0, 0, 0}, {1, 2, 3}, {1, 2, 3, 4, 5}, {4}};
  states.classification = {0x0008, 0x0001, 0x0005, 0x0003};
  const auto taken = driverStates(states);
  ASSERT_EQ(taken.size(), 4u);
  EXPECT_TRUE(taken[0].boot);
  EXPECT_FALSE(taken[1].boot);
  EXPECT_EQ(taken[1].high, 3);
  EXPECT_TRUE(taken[1].overwritten.empty());
  EXPECT_EQ(taken[2].medium, 2);
  EXPECT_EQ(taken[2].high, 5);
  EXPECT_EQ(taken[2].overwritten, (std::vector<int>{3, 4}));
  EXPECT_EQ(taken[3].low, 4);
  EXPECT_FALSE(taken[3].high.has_value());
}

}  // namespace
}  // namespace oza
