// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "fan/fan_layout.h"

namespace oza {

// The register fields as stored.
struct FanRegisterValues {
  int controlMode = 0;  // 2 transfer function, 3 look-up table
  int dutyScale = 0;
  int tmin = 0;
  int tmax = 0;
  int tslope = 0;
  int dutyMin = 0;
  int hysteresis = 0;
  int tminHysteresis = 0;
  int spinUpCycle = 0;
  int spinUpTime = 0;
  int pwmRampOn = 0;
  int pwmRamp = 0;
};

// A look-up table as stored: thresholds in °C and raw speeds.
struct FanTableBytes {
  std::array<std::uint8_t, kFanTablePoints> thresholds{};
  std::array<std::uint8_t, kFanTablePoints> speeds{};
  // How many of them the image held, thresholds first (all 16 for a whole
  // table): a table cut off by the image's end is shown as far as it goes.
  int bytesRead = 0;
  bool whole() const { return bytesRead == 2 * kFanTablePoints; }
};

// What a save writes into a register field whose box the user changed: the
// number the box holds, or none for a text that is no number, which keeps
// the field's bytes (the register must still be there).
using FanFieldEdit = std::optional<double>;

// The values the user changed, in the units of the image; a field without a
// change keeps its bytes. A register value that is not a whole number from 0
// to the field's largest keeps them too; a table value is rounded to a byte
// and must fit one.
struct FanRegisterChanges {
  std::optional<FanFieldEdit> controlMode, tmin, tmax, tslope, dutyMin, hysteresis, tminHysteresis, spinUpCycle,
      spinUpTime, pwmRampOn, pwmRamp;
};

struct FanTableChanges {
  std::array<std::optional<double>, kFanTablePoints> thresholds;
  std::array<std::optional<double>, kFanTablePoints> speeds;
};

struct FanChanges {
  FanRegisterChanges registers;
  FanTableChanges type1Table;
  FanTableChanges type2Table;
  std::optional<double> type2Hysteresis;
};

}  // namespace oza
