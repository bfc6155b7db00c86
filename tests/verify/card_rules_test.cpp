// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of what the card does with the values: on a fixture of an
// HD 4670's tables (levels 0.9 to 1.2 V, PLLs up to 2500 MHz, boot at
// 680 / 790 MHz, 1.2 V, an external thermal controller), each with an edit.
#include <gtest/gtest.h>

#include <functional>

#include "support/card_tables.h"
#include "support/fixture_image.h"
#include "verify/check_rules.h"

namespace oza {
namespace {

using test::FixtureImage;

struct Card {
  FixtureImage fixture;
  test::CardTables tables = test::hd4670Tables();
  Card() {
    fixture.clocks = {{68000, 79000, 1200}, {30000, 50000, 900}, {50000, 80000, 1000}, {77500, 112600, 1200}};
    fixture.states = {{0x0008, {0, 0, 0}}, {0x0001, {1, 2, 3}}};
    test::Type1Fields fan;
    fan.tslope = 54;
    fixture.registers = test::registersFor(fan);
  }
  ImageFile file() const {
    auto bytes = fixture.build();
    test::addCardTables(bytes, tables);
    return decodeImageFile("card.rom", ByteImage(bytes));
  }
};

// What the edited image is judged against: nothing, the image before the
// edit, or the edited image itself (whose values the card already runs).
enum class Against { Nothing, Unedited, Itself };

struct Case {
  const char* name;
  std::function<void(Card&)> edit;
  CheckOutcome outcome;
  const char* says = "";  // part of the detail
  Against against = Against::Nothing;
};

void expectRule(RuleFunction rule, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Card card;
    const ImageFile unedited = card.file();
    c.edit(card);
    const ImageFile edited = card.file();
    ASSERT_TRUE(edited.loaded()) << edited.failure;
    const ImageFile* original = c.against == Against::Unedited ? &unedited
                                : c.against == Against::Itself ? &edited
                                                               : nullptr;
    Finding found;
    rule(edited, original, found);
    EXPECT_EQ(found.outcome, c.outcome) << found.detail;
    EXPECT_NE(found.detail.find(c.says), std::string::npos) << found.detail;
  }
}

void voltage(Card& card, int record, std::uint16_t millivolts) {
  card.fixture.clocks[static_cast<std::size_t>(record)].voltage = millivolts;
}

TEST(CardRules, VoltagesOnRegulatorLevels) {
  expectRule(checkVoltagesOnRegulatorLevels,
             {{"on the levels", [](Card&) {}, CheckOutcome::Passed, "0.900, 1.000, 1.100, 1.200 V"},
              {"between", [](Card& c) { voltage(c, 2, 925); }, CheckOutcome::Warning,
               "clock info 2: 0.925 V is between the regulator's levels 0.900 and 1.000 V: the card sets 1.000 V "
               "(driver) or 0.900 V (BIOS)"},
              {"between, against its original", [](Card& c) { voltage(c, 2, 925); }, CheckOutcome::Warning, "0.925 V",
               Against::Unedited},
              {"between, as the original holds it", [](Card& c) { voltage(c, 2, 925); }, CheckOutcome::Passed, "",
               Against::Itself},
              {"above: another rule's", [](Card& c) { voltage(c, 2, 1250); }, CheckOutcome::Passed},
              {"no regulator", [](Card& c) { c.tables.voltage.reset(); }, CheckOutcome::NotRun},
              {"I2C regulator", [](Card& c) { c.tables.voltage->objects = {test::formulaObject(1, 3, 900, 100, 4)}; },
               CheckOutcome::NotRun}});
}

TEST(CardRules, VoltagesWithinRegulator) {
  expectRule(checkVoltagesWithinRegulator,
             {{"within", [](Card&) {}, CheckOutcome::Passed, "from 0.900 V to 1.200 V"},
              {"above", [](Card& c) { voltage(c, 3, 1250); }, CheckOutcome::Error,
               "clock info 3 (state 1): 1.250 V is above the regulator's highest level 1.200 V: the driver refuses "
               "the state; the BIOS sets 1.200 V"},
              {"below", [](Card& c) { voltage(c, 1, 850); }, CheckOutcome::Warning, "the card sets 0.900 V"},
              {"above, as the original holds it", [](Card& c) { voltage(c, 3, 1250); }, CheckOutcome::Passed, "",
               Against::Itself},
              {"a record no state uses",
               [](Card& c) {
                 c.fixture.clocks.push_back({30000, 50000, 1500});
               },
               CheckOutcome::Passed}});
}

TEST(CardRules, VoltagesSet) {
  expectRule(checkVoltagesSet, {{"all set", [](Card&) {}, CheckOutcome::Passed},
                                {"none", [](Card& c) { voltage(c, 2, 0xFF01); }, CheckOutcome::Warning,
                                 "clock info 2 names no voltage (0xFF01): the driver refuses the states that use it"},
                                {"above 3000 mV", [](Card& c) { voltage(c, 2, 0x0BB9); }, CheckOutcome::Error,
                                 "clock info 2 shows \"---\" but holds 0x0BB9, which the card takes as 3.001 V"},
                                {"none, as the original holds it", [](Card& c) { voltage(c, 2, 0xFF01); },
                                 CheckOutcome::Passed, "", Against::Itself}});
}

TEST(CardRules, ClocksNotZero) {
  expectRule(checkClocksNotZero, {{"none zero", [](Card&) {}, CheckOutcome::Passed},
                                  {"one mode", [](Card& c) { c.fixture.clocks[2].gpu = 0; }, CheckOutcome::Warning,
                                   "clock info 2 has a zero GPU clock: the BIOS drops that mode"},
                                  {"a whole state",
                                   [](Card& c) {
                                     c.fixture.states.push_back({0x0005, {2, 2, 2}});
                                     c.fixture.clocks[2].ram = 0;
                                   },
                                   CheckOutcome::Warning, "state 2 disappears and the states after it are renumbered"},
                                  {"as the original holds it", [](Card& c) { c.fixture.clocks[2].gpu = 0; },
                                   CheckOutcome::Passed, "", Against::Itself}});
}

TEST(CardRules, ClocksWithinPll) {
  expectRule(checkClocksWithinPll,
             {{"within", [](Card&) {}, CheckOutcome::Passed, "GPU up to 2500 MHz, memory up to 2500 MHz"},
              {"GPU above", [](Card& c) { c.fixture.clocks[3].gpu = 260000; }, CheckOutcome::Error,
               "clock info 3 GPU 2600 MHz above the PLL's highest 2500 MHz"},
              {"memory above", [](Card& c) { c.fixture.clocks[3].ram = 250001; }, CheckOutcome::Error,
               "clock info 3 memory 2500.01 MHz"},
              {"no FirmwareInfo", [](Card& c) { c.tables.firmware.reset(); }, CheckOutcome::NotRun}});
}

TEST(CardRules, BootStateFromFirmware) {
  expectRule(checkBootStateFromFirmware,
             {{"as the firmware", [](Card&) {}, CheckOutcome::Passed, "Boot: 680 / 790 MHz, 1.200 V from the firmware"},
              {"changed", [](Card& c) { c.fixture.clocks[0].gpu = 70000; }, CheckOutcome::Warning,
               "clock info 0 (700 / 790 MHz, 1.200 V) is used by boot state 0: the card boots at 680 / 790 MHz, "
               "1.200 V from the firmware",
               Against::Unedited},
              {"as the original holds it", [](Card& c) { c.fixture.clocks[0].gpu = 70000; }, CheckOutcome::Passed, "",
               Against::Itself},
              {"revision 1.3: no voltage",
               [](Card& c) {
                 c.tables.firmware->contentRevision = 3;
                 c.fixture.clocks[0].voltage = 1100;
               },
               CheckOutcome::Passed, "Boot: 680 / 790 MHz from the firmware"}});
}

TEST(CardRules, StateLevels) {
  expectRule(checkStateLevels,
             {{"three slots", [](Card&) {}, CheckOutcome::Passed},
              {"five slots",
               [](Card& c) {
                 c.fixture.stateEntrySize = 6;
                 c.fixture.states = {{0x0008, {0, 0, 0, 0, 0}}, {0x0001, {1, 2, 3, 1, 2}}};
               },
               CheckOutcome::Warning, "state 1 has 5 slots: the driver runs clock info 2 as high, not clock info 3, 1"},
              {"five slots, one record for high",
               [](Card& c) {
                 c.fixture.stateEntrySize = 6;
                 c.fixture.states = {{0x0008, {0, 0, 0, 0, 0}}, {0x0001, {1, 2, 3, 3, 3}}};
               },
               CheckOutcome::Passed}});
}

TEST(CardRules, FanRunByController) {
  const auto fanEdit = [](Card& c) {
    test::Type1Fields fan;
    fan.tslope = 54;
    fan.tmax = 100;
    c.fixture.registers = test::registersFor(fan);
  };
  expectRule(checkFanRunByController,
             {{"external, unchanged", [](Card&) {}, CheckOutcome::Passed, "no fan setting changed", Against::Itself},
              {"external, changed", fanEdit, CheckOutcome::Warning,
               "but the thermal controller is external GPIO, with a fan: the card does not run its fan from them",
               Against::Unedited},
              {"internal without a fan",
               [&](Card& c) {
                 fanEdit(c);
                 c.tables.thermal = test::ThermalFields{8, 0x80, 0, 0};
               },
               CheckOutcome::Warning, "RV770 (internal), without a fan", Against::Unedited},
              {"internal with a fan",
               [&](Card& c) {
                 fanEdit(c);
                 c.tables.thermal = test::ThermalFields{};
               },
               CheckOutcome::Passed, "RV770 (internal), with a fan", Against::Unedited},
              {"external, nothing to compare with", fanEdit, CheckOutcome::NotRun}});
}

}  // namespace
}  // namespace oza
