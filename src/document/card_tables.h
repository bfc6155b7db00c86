// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "image/byte_image.h"
#include "image/firmware_info.h"
#include "image/voltage_objects.h"
#include "powerplay/thermal_controller.h"

namespace oza {

// What the driver reads of the card besides the clock info records: each
// part none where the image has no such table, or one the program cannot read.
struct CardTables {
  std::optional<FirmwareInfo> firmware;
  std::optional<VoltageRegulator> regulator;
  std::optional<ThermalController> thermal;

  // The regulator chooses between levels: a voltage is set to one of them.
  // Only a GPIO regulator does on these cards; the driver leaves any other
  // to the chip.
  bool hasLevels() const {
    return regulator && regulator->control == VoltageControl::Gpio && !regulator->levels.empty();
  }
};

CardTables readCardTables(const ByteImage& image);

// "1.200 V": volts with the three decimals a level is set in.
std::string levelText(int millivolts);
// "0.900, 1.000, 1.100, 1.200 V"; empty without levels.
std::string levelsText(const CardTables& card);
// "Boot: 680 / 790 MHz, 1.200 V from the firmware"; empty without
// FirmwareInfo. A revision-1.3 table names no voltage.
std::string bootText(const CardTables& card);
// The information tab's lines on the card: its regulator and levels, the
// PLL maxima and the thermal controller.
std::string cardSummaryText(const CardTables& card);
// What the card sets for a voltage box's `millivolts` between or beyond the
// levels, in the user's words ("0.925 V is between the regulator's levels
// 0.900 and 0.950 V: the card sets 0.950 V (driver) or 0.900 V (BIOS)");
// empty for a level itself or without levels.
std::string levelNote(const CardTables& card, int millivolts);

}  // namespace oza
