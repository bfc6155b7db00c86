#include <algorithm>
#include <cmath>
#include <limits>

#include "fan/fan_reader.h"
#include "fan/fan_tab.h"
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
double wholeNumber(const std::string& text) {
  if (text.empty()) return std::numeric_limits<double>::quiet_NaN();
  double value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::numeric_limits<double>::quiet_NaN();
    value = value * 10 + (c - '0');
  }
  return value;
}

// round(value); a value beyond 16 bits, which the change rules never let
// through, leaves its field as it is.
double rounded(double value) {
  try {
    return roundToInt16(value);
  } catch (const OverflowError&) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

// round(percentage of the box / 100 * scale).
double rawOfPercent(const Control& box, int scale) { return rounded(textValue(box.text()) / 100 * scale); }

}  // namespace

bool FanTab::showRegisters(const FanRegisterValues& registers) {
  modes.select(registers.controlMode == 2 ? Option4 : Option5);
  const int scale = registers.dutyScale;
  try {
    load(Text5, std::to_string(registers.tmin));
    load(Text6, std::to_string(registers.tmax));
    load(Text7, std::to_string(percentOf(registers.tslope, scale)));
    load(Text9, std::to_string(percentOf(registers.dutyMin, scale)));
    load(Type1Hysteresis, std::to_string(registers.hysteresis));
    load(Text8, std::to_string(registers.tminHysteresis));
    load(Text3, std::to_string(percentOf(registers.spinUpCycle, scale)));
    load(Text4, std::to_string(registers.spinUpTime));
    Check3.setChecked(registers.pwmRampOn == 1);
    load(Text2, std::to_string(percentOf(registers.pwmRamp, scale)));
    return true;
  } catch (const OverflowError&) {
    return false;
  }
}

bool FanTab::showType1Table(const FanTableBytes& table, int dutyScale) {
  return showTable(Type1Threshold, Type1FanSpeed, table, dutyScale);
}

bool FanTab::showType2Table(const FanTableBytes& table, int speedScale) {
  return showTable(Threshold, FanSpeed, table, speedScale);
}

void FanTab::showType2Hysteresis(int hysteresis) { Text1.setText(std::to_string(hysteresis)); }

bool FanTab::showTable(ControlArray& thresholds, ControlArray& speeds, const FanTableBytes& table, int scale) {
  const int shownThresholds = std::min(table.bytesRead, kFanTablePoints);
  const int shownSpeeds = table.bytesRead - shownThresholds;
  try {
    for (int k = 0; k < shownThresholds; ++k) load(thresholds[k], std::to_string(table.thresholds[k]));
    for (int k = 0; k < shownSpeeds; ++k) load(speeds[k], std::to_string(percentOf(table.speeds[k], scale)));
    return true;
  } catch (const OverflowError&) {
    return false;
  }
}

std::vector<const Control*> FanTab::applyLookUpModeValues() {
  if (!Option5.checked()) return {};
  Type1Hysteresis.setText("0");
  Text2.setText("1");
  if (!Check3.checked()) {
    Check3.setChecked(true);
    Check3.onClick();
  }
  Text5.setText("0");
  Text8.setText("0");
  return {&Type1Hysteresis, &Text2, &Check3, &Text5, &Text8};
}

FanChanges FanTab::changedSettings() {
  FanChanges changes;
  const FanLocation& location = location_;
  if (location.tableType == FanTableType::Type2) {
    auto byteChange = [](const Control& box, double raw) {
      return showsLoadedNumber(box) ? std::nullopt : std::optional<double>(raw);
    };
    changes.type2Hysteresis = byteChange(Text1, textValue(Text1.text()));
    for (int k = 0; k < kFanTablePoints; ++k) {
      changes.type2Table.thresholds[k] = byteChange(Threshold[k], textValue(Threshold[k].text()));
      changes.type2Table.speeds[k] =
          byteChange(FanSpeed[k], roundHalfEven(textValue(FanSpeed[k].text()) * location.type2SpeedScale / 100));
    }
    return changes;
  }

  std::vector<const Control*> forced;
  if (location.tableType == FanTableType::Type1) {
    // The look-up mode needs these values; they count as changes even when
    // they happen to be what was loaded.
    forced = applyLookUpModeValues();
    if (!Option4.showsLoaded()) changes.registers.controlMode = Option4.checked() ? 2 : 3;
  }
  auto changed = [&forced](const Control& box) {
    return std::find(forced.begin(), forced.end(), &box) != forced.end() || !showsLoadedNumber(box);
  };
  auto change = [&changed](const Control& box, double value) {
    return changed(box) ? std::optional<double>(value) : std::nullopt;
  };
  const int scale = location.dutyScale;
  FanRegisterChanges& registers = changes.registers;
  registers.tmin = change(Text5, wholeNumber(Text5.text()));
  registers.tmax = change(Text6, wholeNumber(Text6.text()));
  // Tslope is shown as computed from Tmin, Tmax and Duty cycle min, and
  // saved as shown.
  registers.tslope = rawOfPercent(Text7, scale);
  registers.dutyMin = change(Text9, rawOfPercent(Text9, scale));
  registers.hysteresis = change(Type1Hysteresis, rounded(textValue(Type1Hysteresis.text())));
  registers.spinUpCycle = change(Text3, rawOfPercent(Text3, scale));
  registers.tminHysteresis = change(Text8, wholeNumber(Text8.text()));
  registers.spinUpTime = change(Text4, wholeNumber(Text4.text()));
  registers.pwmRampOn = change(Check3, Check3.checked() ? 1 : 0);
  registers.pwmRamp = change(Text2, rawOfPercent(Text2, scale));
  if (location.tableType == FanTableType::Type1) {
    for (int k = 0; k < kFanTablePoints; ++k) {
      changes.type1Table.thresholds[k] = change(Type1Threshold[k], textValue(Type1Threshold[k].text()));
      changes.type1Table.speeds[k] =
          change(Type1FanSpeed[k], roundHalfEven(textValue(Type1FanSpeed[k].text()) / 100 * scale));
    }
  }
  return changes;
}

}  // namespace oza
