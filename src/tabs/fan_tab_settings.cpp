// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cmath>

#include "document/loaded_image.h"
#include "fan/fan_reader.h"
#include "tabs/fan_tab.h"
#include "text/number_text.h"

// The fan tab's side of loading and saving: settings into texts and texts
// back into the values the user changed.
namespace oza {

namespace {

// A box that still shows the number the load put there: its field keeps the
// stored bytes, which a percentage or a clamp may not give back.
bool showsLoadedNumber(const Control& box) {
  if (box.kind() != ControlKind::TextBox) return box.showsLoaded();
  return box.showsLoaded() || textValue(box.text()) == textValue(box.loadedText());
}

// A text of decimal digits only as its number; anything else is no number.
FanFieldEdit wholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  double value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// round(value); a value beyond 16 bits, which the change rules never let
// through, leaves its field as it is.
FanFieldEdit rounded(double value) {
  const std::optional<int> whole = roundToInt16(value);
  if (!whole) return std::nullopt;
  return *whole;
}

// round(percentage of the box / 100 * scale).
FanFieldEdit rawOfPercent(const Control& box, int scale) { return rounded(textValue(box.text()) / 100 * scale); }

}  // namespace

void FanTab::show(const FanReading& fan) {
  tableType_ = fan.location.tableType;
  storedTslope.setText("");
  storedTslope.setVisible(false);
  // Whatever this image does not fill must not show the last image's values.
  clearFanTables();
  if (!fan.supported) return;
  if (tableType_ == FanTableType::Type2) {
    showTable(type2Threshold, type2Speed, fan.type2Table, fan.location.type2SpeedScale);
    if (!fan.usable) return;
    type2Hysteresis.setText(std::to_string(fan.type2Hysteresis));
    drawType2Graph();
    graphsShown_ = true;
    return;
  }
  if (!fan.registers || !showRegisters(*fan.registers)) return;
  showTable(type1Threshold, type1Speed, fan.type1Table, fan.registers->dutyScale);
  if (!fan.usable) return;
  showFanControls(tableType_);
  redrawFanGraph();
  graphsShown_ = true;
  showStoredTslope(fan);
}

void FanTab::showStoredTslope(const FanReading& fan) {
  const std::optional<int> stored = storedTslopeIfOther(fan);
  storedTslope.setText(stored ? "Stored: " + std::to_string(*stored) : "");
  storedTslope.setVisible(stored.has_value());
}

std::optional<int> storedTslopeIfOther(const FanReading& fan) {
  if (!fan.usable || !fan.registers || fan.location.tableType == FanTableType::Type2) return std::nullopt;
  const ShownFan shown = shownFan(fan);
  if (shown.tslope.empty()) return std::nullopt;
  const FanRegisterValues& registers = *fan.registers;
  const FanFieldEdit computed = rounded(textValue(shown.tslope) / 100 * registers.dutyScale);
  if (computed == FanFieldEdit(registers.tslope)) return std::nullopt;
  return percentOf(registers.tslope, registers.dutyScale);
}

bool FanTab::showRegisters(const FanRegisterValues& registers) {
  modes.select(registers.controlMode == 2 ? transferFunctionMode : lookUpTableMode);
  const int scale = registers.dutyScale;
  // The boxes are filled in this order, so that each rule sees the ones before.
  const auto percent = [scale](int raw) { return percentOf(raw, scale); };
  load(tmin, std::to_string(registers.tmin));
  load(tmax, std::to_string(registers.tmax));
  if (!percent(registers.tslope)) return false;
  load(tslope, std::to_string(*percent(registers.tslope)));
  load(dutyCycleMin, std::to_string(*percent(registers.dutyMin)));
  load(hysteresis, std::to_string(registers.hysteresis));
  load(tminHysteresis, std::to_string(registers.tminHysteresis));
  load(spinUpCycle, std::to_string(*percent(registers.spinUpCycle)));
  load(spinUpTime, std::to_string(registers.spinUpTime));
  pwmRampOn.setChecked(registers.pwmRampOn == 1);
  load(pwmRamp, std::to_string(*percent(registers.pwmRamp)));
  return true;
}

bool FanTab::showTable(ControlArray& thresholds, ControlArray& speeds, const FanTableBytes& table, int scale) {
  const int shownThresholds = std::min(table.bytesRead, kFanTablePoints);
  const int shownSpeeds = table.bytesRead - shownThresholds;
  for (int k = 0; k < shownThresholds; ++k) load(thresholds[k], std::to_string(table.thresholds[k]));
  for (int k = 0; k < shownSpeeds; ++k) {
    const std::optional<int> speed = percentOf(table.speeds[k], scale);
    if (!speed) return false;
    load(speeds[k], std::to_string(*speed));
  }
  return true;
}

std::vector<const Control*> FanTab::applyLookUpModeValues() {
  if (!lookUpTableMode.checked()) return {};
  hysteresis.setText("0");
  pwmRamp.setText("1");
  turnPwmRampOn();
  tmin.setText("0");
  tminHysteresis.setText("0");
  return {&hysteresis, &pwmRamp, &pwmRampOn, &tmin, &tminHysteresis};
}

FanChanges FanTab::changedSettings(const FanLocation& location) {
  FanChanges changes;
  std::vector<const Control*> forced;
  const auto changed = [&forced](const Control& box) {
    return std::find(forced.begin(), forced.end(), &box) != forced.end() || !showsLoadedNumber(box);
  };
  const auto change = [&changed](const Control& box, double value) {
    return changed(box) ? std::optional<double>(value) : std::nullopt;
  };
  const auto edit = [&changed](const Control& box, FanFieldEdit value) {
    return changed(box) ? std::optional<FanFieldEdit>(value) : std::nullopt;
  };
  if (location.tableType == FanTableType::Type2) {
    changes.type2Hysteresis = change(type2Hysteresis, textValue(type2Hysteresis.text()));
    for (int k = 0; k < kFanTablePoints; ++k) {
      changes.type2Table.thresholds[k] = change(type2Threshold[k], textValue(type2Threshold[k].text()));
      changes.type2Table.speeds[k] =
          change(type2Speed[k], roundHalfEven(textValue(type2Speed[k].text()) * location.type2SpeedScale / 100));
    }
    return changes;
  }

  if (location.tableType == FanTableType::Type1) {
    // The look-up mode needs these values; they count as changes even when
    // they happen to be what was loaded.
    forced = applyLookUpModeValues();
    if (!transferFunctionMode.showsLoaded())
      changes.registers.controlMode = FanFieldEdit(transferFunctionMode.checked() ? 2 : 3);
  }
  const int scale = location.dutyScale;
  FanRegisterChanges& registers = changes.registers;
  registers.tmin = edit(tmin, wholeNumber(tmin.text()));
  registers.tmax = edit(tmax, wholeNumber(tmax.text()));
  // Tslope is shown as computed from Tmin, Tmax and Duty cycle min; the
  // image's own stays until one of them (or the box itself) changes.
  const bool slopeChanged = changed(tmin) || changed(tmax) || changed(dutyCycleMin) || changed(tslope);
  registers.tslope = slopeChanged ? std::optional<FanFieldEdit>(rawOfPercent(tslope, scale)) : std::nullopt;
  registers.dutyMin = edit(dutyCycleMin, rawOfPercent(dutyCycleMin, scale));
  registers.hysteresis = edit(hysteresis, rounded(textValue(hysteresis.text())));
  registers.spinUpCycle = edit(spinUpCycle, rawOfPercent(spinUpCycle, scale));
  registers.tminHysteresis = edit(tminHysteresis, wholeNumber(tminHysteresis.text()));
  registers.spinUpTime = edit(spinUpTime, wholeNumber(spinUpTime.text()));
  registers.pwmRampOn = edit(pwmRampOn, pwmRampOn.checked() ? 1 : 0);
  registers.pwmRamp = edit(pwmRamp, rawOfPercent(pwmRamp, scale));
  if (location.tableType == FanTableType::Type1) {
    for (int k = 0; k < kFanTablePoints; ++k) {
      changes.type1Table.thresholds[k] = change(type1Threshold[k], textValue(type1Threshold[k].text()));
      changes.type1Table.speeds[k] =
          change(type1Speed[k], roundHalfEven(textValue(type1Speed[k].text()) / 100 * scale));
    }
  }
  return changes;
}

}  // namespace oza
