// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/card_tables.h"

#include <algorithm>

#include "document/shown_values.h"

namespace oza {

namespace {

std::string threeDecimals(int millivolts) {
  std::string fraction = std::to_string(millivolts % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  return std::to_string(millivolts / 1000) + "." + fraction;
}

}  // namespace

CardTables readCardTables(const ByteImage& image) {
  return {readFirmwareInfo(image), readVddcRegulator(image), readThermalController(image)};
}

std::string levelText(int millivolts) { return threeDecimals(std::max(millivolts, 0)) + " V"; }

std::string levelsText(const CardTables& card) {
  if (!card.hasLevels()) return "";
  std::string text;
  for (const std::uint16_t level : card.regulator->levels) text += (text.empty() ? "" : ", ") + threeDecimals(level);
  return text + " V";
}

std::string bootText(const CardTables& card) {
  if (!card.firmware) return "";
  const FirmwareInfo& firmware = *card.firmware;
  std::string text =
      "Boot: " + megahertzText(firmware.bootEngineClock) + " / " + megahertzText(firmware.bootMemoryClock) + " MHz";
  if (firmware.bootVoltage) text += ", " + levelText(*firmware.bootVoltage);
  return text + " from the firmware";
}

std::string cardSummaryText(const CardTables& card) {
  std::string regulator = "Voltage regulator: none named";
  if (card.regulator) {
    regulator = "Voltage regulator: " + voltageControlText(*card.regulator);
    if (card.hasLevels()) regulator += ", levels " + levelsText(card);
    // The driver walks the objects by their entries, not by this size.
    if (card.regulator->sizeDisagrees) regulator += " (its size byte disagrees with its entries)";
  }
  std::string pll = "PLL maxima: unknown (no FirmwareInfo read)";
  if (card.firmware)
    pll = "PLL maxima: GPU " + megahertzText(card.firmware->engineClockPllMax) + " MHz, memory " +
          megahertzText(card.firmware->memoryClockPllMax) + " MHz";
  std::string thermal = "Thermal controller: none named";
  if (card.thermal) {
    const ThermalController& controller = *card.thermal;
    thermal = "Thermal controller: " + thermalControllerText(controller.type) +
              (controller.fan ? ", with a fan" : ", without a fan");
    if (!controller.internal() || !controller.fan) thermal += "; the fan settings do not run it";
  }
  return regulator + "\n" + pll + "\n" + thermal;
}

std::string levelNote(const CardTables& card, int millivolts) {
  if (!card.hasLevels()) return "";
  const VoltageRegulator& regulator = *card.regulator;
  const int highest = regulator.levels.back(), lowest = regulator.levels.front();
  const std::optional<int> driver = driverLevel(regulator, millivolts);
  const int bios = biosLevel(regulator, millivolts);
  const std::string target = levelText(millivolts);
  if (!driver)
    return target + " is above the regulator's highest level " + levelText(highest) +
           ": the driver refuses the state; the BIOS sets " + levelText(bios);
  if (*driver == millivolts) return "";
  if (millivolts < lowest) return target + " is below the regulator's lowest level: the card sets " + levelText(lowest);
  return target + " is between the regulator's levels " + threeDecimals(bios) + " and " + threeDecimals(*driver) +
         " V: the card sets " + levelText(*driver) + " (driver) or " + levelText(bios) + " (BIOS)";
}

}  // namespace oza
