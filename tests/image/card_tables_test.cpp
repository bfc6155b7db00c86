// SPDX-License-Identifier: GPL-3.0-or-later

// FirmwareInfo and the VDDC regulator as the driver reads them: the real
// cards, then fixture tables of every revision and the malformed ones.
#include <gtest/gtest.h>

#include "image/firmware_info.h"
#include "image/voltage_objects.h"
#include "support/card_tables.h"
#include "support/fixture_image.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using Levels = std::vector<std::uint16_t>;

ByteImage withTables(const test::CardTables& tables) {
  auto bytes = test::FixtureImage().build();
  test::addCardTables(bytes, tables);
  return ByteImage(bytes);
}

TEST(CardTables, RealCards) {
  const struct {
    const char* rom;
    std::uint32_t engine, memory;
    std::uint16_t boot;
    Levels levels;
  } cases[] = {
      {"hd4670-rv730-imac.rom", 68000, 79000, 1200, {900, 1000, 1100, 1200}},
      {"hd4850-rv770-imac.rom", 50312, 85000, 1050, {900, 950, 1000, 1050, 1100, 1150}},
  };
  for (const auto& c : cases) {
    const std::string path = test::realRomPath(c.rom);
    OZA_SKIP_WITHOUT_REAL_ROM(path);
    SCOPED_TRACE(c.rom);
    const ByteImage image(test::readBytes(path));
    const auto firmware = readFirmwareInfo(image);
    ASSERT_TRUE(firmware.has_value());
    EXPECT_EQ(firmware->contentRevision, 4);
    EXPECT_EQ(firmware->bootEngineClock, c.engine);
    EXPECT_EQ(firmware->bootMemoryClock, c.memory);
    EXPECT_EQ(firmware->bootVoltage, c.boot);
    EXPECT_EQ(firmware->engineClockPllMax, 250000u);
    EXPECT_EQ(firmware->memoryClockPllMax, 250000u);
    EXPECT_EQ(firmware->engineClockPllMin, 50000u);
    const auto regulator = readVddcRegulator(image);
    ASSERT_TRUE(regulator.has_value());
    EXPECT_EQ(regulator->control, VoltageControl::Gpio);
    EXPECT_FALSE(regulator->sizeDisagrees);
    EXPECT_EQ(regulator->levels, c.levels);
  }
}

TEST(CardTables, FirmwareRevisions) {
  const struct {
    std::uint8_t revision;
    std::uint16_t size;
    bool read;
    std::optional<std::uint16_t> bootVoltage;
  } cases[] = {
      {4, 89, true, 1200},
      {3, 89, true, std::nullopt},   // padding where 1.4 holds the voltage
      {4, 71, false, std::nullopt},  // shorter than its last field
      {2, 89, false, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int{c.revision});
    test::FirmwareFields fields;
    fields.contentRevision = c.revision;
    fields.size = c.size;
    const auto info = readFirmwareInfo(withTables({fields, {}, {}}));
    ASSERT_EQ(info.has_value(), c.read);
    if (!info) continue;
    EXPECT_EQ(info->bootVoltage, c.bootVoltage);
    EXPECT_EQ(info->bootEngineClock, 68000u);
    EXPECT_EQ(info->memoryClockPllMin, 50000u);
  }
  EXPECT_FALSE(readFirmwareInfo(withTables({})).has_value());
}

TEST(CardTables, Regulators) {
  using test::formulaObject, test::lookUpObject;
  auto oversized = formulaObject(1, 0x80, 900, 100, 4);
  oversized[1] = 40;
  const struct {
    const char* name;
    test::VoltageTable table;
    std::optional<VoltageControl> control;  // none: no VDDC object read
    Levels levels;
    bool sizeDisagrees = false;
  } cases[] = {
      {"GPIO", {1, {formulaObject(1, 0x80, 900, 100, 4)}}, VoltageControl::Gpio, {900, 1000, 1100, 1200}},
      // Steps of 0.5 mV: the driver rounds the step up and stops at base + entries / 2 steps.
      {"half mV",
       {1, {formulaObject(1, 0x80, 800, 25, 8, 1)}},
       VoltageControl::Gpio,
       {800, 813, 826, 839, 852, 865, 878, 891}},
      {"behind another object",
       {1, {formulaObject(2, 0x80, 1500, 100, 3), formulaObject(1, 0x80, 950, 50, 2)}},
       VoltageControl::Gpio,
       {950, 1000}},
      {"size disagrees", {1, {oversized}}, VoltageControl::Gpio, {900, 1000, 1100, 1200}, true},
      {"I2C", {1, {formulaObject(1, 0x03, 1000, 25, 3)}}, VoltageControl::I2c, {1000, 1025, 1050}},
      {"chip", {1, {formulaObject(1, 0x00, 1000, 0, 1)}}, VoltageControl::Hardware, {}},
      {"no entries", {1, {formulaObject(1, 0x80, 900, 100, 0)}}, VoltageControl::Gpio, {}},
      {"more steps than the driver holds", {1, {formulaObject(1, 0x80, 700, 1, 40)}}, VoltageControl::Gpio, {}},
      {"no VDDC", {1, {formulaObject(2, 0x80, 1500, 100, 3)}}, std::nullopt, {}},
      {"look-up table", {2, {lookUpObject(1, 0x80, {950, 1050, 1200})}}, VoltageControl::Gpio, {950, 1050, 1200}},
      {"revision 3", {3, {formulaObject(1, 0x80, 900, 100, 4)}}, std::nullopt, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto regulator = readVddcRegulator(withTables({{}, c.table, {}}));
    ASSERT_EQ(regulator.has_value(), c.control.has_value());
    if (!regulator) continue;
    EXPECT_EQ(regulator->control, *c.control);
    EXPECT_EQ(regulator->levels, c.levels);
    EXPECT_EQ(regulator->sizeDisagrees, c.sizeDisagrees);
  }
}

TEST(CardTables, RegulatorTableCutShort) {
  auto bytes = test::FixtureImage().build();
  test::addCardTables(bytes, {{}, test::VoltageTable{1, {test::formulaObject(1, 0x80, 900, 100, 4)}}, {}});
  bytes.resize(0x3100 + 20);  // the object's formula lies past the end
  EXPECT_FALSE(readVddcRegulator(ByteImage(bytes)).has_value());
}

TEST(CardTables, LevelEachPathSets) {
  VoltageRegulator regulator;
  regulator.levels = {900, 1000, 1100, 1200};
  const struct {
    int target;
    std::optional<int> driver;
    int bios;
  } cases[] = {{950, 1000, 900}, {1000, 1000, 1000}, {850, 900, 900}, {1250, std::nullopt, 1200}};
  for (const auto& c : cases) {
    EXPECT_EQ(driverLevel(regulator, c.target), c.driver) << c.target;
    EXPECT_EQ(biosLevel(regulator, c.target), c.bios) << c.target;
  }
}

}  // namespace
}  // namespace oza
