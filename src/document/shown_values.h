// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "fan/fan_settings.h"

// The values of a loaded image as the window shows them: the texts of its
// boxes, worked out from the values alone, for the reports, keys and checks
// that speak as the window does.
namespace oza {

struct FanReading;

// The clock info blocks of the clock tab.
inline constexpr int kClockBlocks = 20;

// A clock of 10 kHz units as a clock box shows it in MHz: "750", "742.5".
std::string megahertzText(std::uint32_t clock);
// A clock of 10 kHz units in MHz; a voltage field in V, none where it holds
// no voltage ("---").
double megahertz(std::uint32_t clock);
std::optional<double> volts(std::uint16_t millivolts);
// A voltage field as a voltage box shows it: volts, or "---" for none.
std::string voltageText(std::uint16_t millivolts);
// An Overdrive clock as its label shows it: "860 MHz", or "MHz" when unread.
std::string overdriveText(const std::optional<std::uint32_t>& clock);

// The largest value each kind of fan box takes; its rule brings a larger one down.
inline constexpr double kLargestTemperature = 255;  // Tmin, Tmax
inline constexpr double kLargestTslope = 255;
inline constexpr double kLargestPercent = 100;
inline constexpr double kLargestSeven = 7;  // Tmin hysteresis, spin up time
inline constexpr double kLargestThreshold = 120;

// The Tslope box's value for Tmin, Tmax and Duty cycle min, before its clamp:
// the slope of the transfer function in sixteenths of a percent per °C
// (0 where a step would divide by zero); nothing when it does not round to
// a 16-bit integer.
std::optional<int> computedTslope(double tmin, double tmax, double dutyMin);

// What the fan tab shows after a load of `fan`, box by box: the texts the
// load and the boxes' rules leave there (empty: not shown); for reports that
// speak as the window does.
struct ShownFan {
  std::optional<bool> transferFunction;  // which mode option is selected
  // tslope is what the image stores; computedTslope what Tmin, Tmax and
  // Duty cycle min give.
  std::string tmin, tmax, tslope, computedTslope, dutyCycleMin, hysteresis, tminHysteresis, spinUpCycle, spinUpTime,
      pwmRamp;
  bool pwmRampOn = false;
  std::array<std::string, kFanTablePoints> type1Thresholds, type1Speeds, type2Thresholds, type2Speeds;
  std::string type2Hysteresis;
};
ShownFan shownFan(const FanReading& fan);

// The Tslope (in percent) that the registers of `fan` store, where it is not
// the one the tab computes from Tmin, Tmax and Duty cycle min; nothing where
// they agree or the tab shows no Tslope.
std::optional<int> storedTslopeIfOther(const FanReading& fan);

}  // namespace oza
