// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <vector>

#include "powerplay/powerplay_states.h"

namespace oza {

// A PowerPlay state as the driver's power management takes it: the clock
// info record of each of its three levels. Slots past the third are all
// written over "high", so the last slot's record is the one that stays.
struct DriverState {
  std::optional<int> low, medium, high;  // clock info indices
  // The records of the slots past the third that the last one overwrote.
  std::vector<int> overwritten;
  // A boot state runs at FirmwareInfo's clocks and voltage, whatever its records say.
  bool boot = false;

  // Every record the state's slots name, in slot order.
  std::vector<int> records;
};

inline constexpr std::uint16_t kBootClassification = 0x0008;

std::vector<DriverState> driverStates(const PowerPlayStates& states);

}  // namespace oza
