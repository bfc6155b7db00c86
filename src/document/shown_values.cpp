// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/shown_values.h"

#include <algorithm>

#include "document/loaded_image.h"
#include "fan/fan_reader.h"
#include "text/number_text.h"

namespace oza {

namespace {

// What the fan tab shows after a load: the texts FanTab::show puts in the
// boxes, with what the boxes' rules make of them (each kept within its
// range), and the Tslope that Tmin, Tmax and Duty cycle min give.

// A whole number as a box with the range 0..largest keeps it.
std::string kept(int value, double largest) {
  if (value > largest) return decimalText(largest);
  return std::to_string(std::max(value, 0));
}

// What the Tslope box holds once its rule computed it, or `before` when
// the computation does not fit.
std::string tslopeShown(double tmin, double tmax, double dutyMin, const std::string& before) {
  const std::optional<int> t = computedTslope(tmin, tmax, dutyMin);
  return t ? kept(*t, kLargestTslope) : before;
}

void showTable(const FanTableBytes& table, int scale, std::array<std::string, kFanTablePoints>& thresholds,
               std::array<std::string, kFanTablePoints>& speeds) {
  const int shownThresholds = std::min(table.bytesRead, kFanTablePoints);
  for (int k = 0; k < shownThresholds; ++k) thresholds[k] = kept(table.thresholds[k], kLargestThreshold);
  for (int k = 0; k < table.bytesRead - shownThresholds; ++k) {
    const std::optional<int> speed = percentOf(table.speeds[k], scale);
    if (!speed) return;
    speeds[k] = kept(*speed, kLargestPercent);
  }
}

}  // namespace

ShownFan shownFan(const FanReading& fan) {
  ShownFan shown;
  if (!fan.supported) return shown;
  if (fan.location.tableType == FanTableType::Type2) {
    showTable(fan.type2Table, fan.location.type2SpeedScale, shown.type2Thresholds, shown.type2Speeds);
    if (fan.usable) shown.type2Hysteresis = std::to_string(fan.type2Hysteresis);
    return shown;
  }
  if (!fan.registers) return shown;
  const FanRegisterValues& r = *fan.registers;
  shown.transferFunction = r.controlMode == 2;
  shown.tmin = kept(r.tmin, kLargestTemperature);
  shown.tmax = kept(r.tmax, kLargestTemperature);
  const double tmin = textValue(shown.tmin);
  const double tmax = textValue(shown.tmax);
  const auto percent = [&r](int raw) { return percentOf(raw, r.dutyScale); };
  if (!percent(r.tslope)) {
    // The load stops at Tslope; Tmax's rule has computed it with no Duty cycle min yet.
    if (tmin < tmax) shown.tslope = tslopeShown(tmin, tmax, 0, shown.tslope);
    return shown;
  }
  shown.dutyCycleMin = kept(*percent(r.dutyMin), kLargestPercent);
  shown.tslope = kept(*percent(r.tslope), kLargestTslope);
  shown.computedTslope = tslopeShown(tmin, tmax, textValue(shown.dutyCycleMin), "");
  shown.hysteresis = kept(r.hysteresis, kLargestPercent);
  shown.tminHysteresis = kept(r.tminHysteresis, kLargestSeven);
  shown.spinUpCycle = kept(*percent(r.spinUpCycle), kLargestPercent);
  shown.spinUpTime = kept(r.spinUpTime, kLargestSeven);
  shown.pwmRampOn = r.pwmRampOn == 1;
  shown.pwmRamp = kept(*percent(r.pwmRamp), kLargestPercent);
  showTable(fan.type1Table, r.dutyScale, shown.type1Thresholds, shown.type1Speeds);
  return shown;
}

double megahertz(std::uint32_t clock) { return clock / 100.0; }

std::optional<double> volts(std::uint16_t millivolts) {
  if (millivolts > kLargestVoltage) return std::nullopt;
  return millivolts / 1000.0;
}

std::string megahertzText(std::uint32_t clock) { return decimalText(megahertz(clock)); }

std::string voltageText(std::uint16_t millivolts) {
  const std::optional<double> v = volts(millivolts);
  return v ? decimalText(*v) : "---";
}

std::string overdriveText(const std::optional<std::uint32_t>& clock) {
  return clock ? megahertzText(*clock) + " MHz" : "MHz";
}

std::optional<int> computedTslope(double low, double high, double dutyMin) {
  // Each step that fails (a division by zero) is skipped; what it would
  // have set stays 0.
  const double tmid = low + (high - low) / 2;
  double slope = 0;
  if (high - low != 0) slope = (100 - dutyMin) / (high - low);
  const double dutyMid = dutyMin + (tmid * slope - low * slope);
  double t = 0;
  if (tmid - low != 0) t = (dutyMid - dutyMin) * 16 / (tmid - low);
  return roundToInt16(t);
}

std::optional<int> storedTslopeIfOther(const FanReading& fan) {
  if (!fan.usable || !fan.registers || fan.location.tableType == FanTableType::Type2) return std::nullopt;
  const ShownFan shown = shownFan(fan);
  if (shown.computedTslope.empty()) return std::nullopt;
  const FanRegisterValues& registers = *fan.registers;
  const std::optional<int> computed = roundToInt16(textValue(shown.computedTslope) / 100 * registers.dutyScale);
  if (computed == std::optional<int>(registers.tslope)) return std::nullopt;
  return percentOf(registers.tslope, registers.dutyScale);
}

}  // namespace oza
