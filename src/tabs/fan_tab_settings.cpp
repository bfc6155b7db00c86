// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cmath>

#include "document/loaded_image.h"
#include "fan/fan_fields.h"
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

// The largest whole percentage p for which a field of at most `largest`
// units takes round(p / 100 * scale).
int largestPercent(int largest, int scale) {
  int percent = 0;
  while (percent < 100000 && roundHalfEven((percent + 1) / 100.0 * scale) <= largest) ++percent;
  return percent;
}

// Reads the boxes a save writes into the values it writes, stopping at the
// first box whose text no save can write as typed.
class FanEditReader {
 public:
  explicit FanEditReader(std::vector<std::pair<const Control*, double>> forced) : forced_(std::move(forced)) {}

  const std::optional<FanRefusal>& refusal() const { return refusal_; }
  // The value a mode sets the box to, whatever it shows.
  std::optional<double> forcedValue(const Control& box) const {
    for (const auto& [forcedBox, value] : forced_)
      if (forcedBox == &box) return value;
    return std::nullopt;
  }

  // Whether a save writes the box: it was edited or a mode forces its value.
  bool changed(const Control& box) const { return forcedValue(box) || !showsLoadedNumber(box); }

  // The box's value in its own unit, when a save writes it.
  std::optional<double> value(const Control& box, FanWriteError code) {
    if (refusal_ || !changed(box)) return std::nullopt;
    if (const auto forced = forcedValue(box)) return *forced;
    const auto& number = box.number();
    if (!number) return refuse(box, code, number.error(), *box.rule());
    return number->value_or(0);
  }

  // A register field's value: the box's number, or round(number / 100 *
  // scale) for a percentage, which must fit the field's `largest`.
  std::optional<FanFieldEdit> field(const Control& box, FanWriteError code, int largest, int scale = 0) {
    const std::optional<double> shown = value(box, code);
    if (!shown) return std::nullopt;
    const double raw = scale ? roundHalfEven(*shown / 100 * scale) : *shown;
    if (raw <= largest) return FanFieldEdit(raw);
    NumberRule fits = box.rule().value_or(NumberRule{});
    fits.highest = scale ? largestPercent(largest, scale) : largest;
    return refuse(box, code, "is more than the image's field holds", fits);
  }

 private:
  std::nullopt_t refuse(const Control& box, FanWriteError code, const std::string& why, const NumberRule& rule) {
    refusal_ = FanRefusal{code, &box, why, rule};
    return std::nullopt;
  }

  std::vector<std::pair<const Control*, double>> forced_;
  std::optional<FanRefusal> refusal_;
};

int fieldLargest(const FanField& field) { return static_cast<int>(field.mask() >> field.low); }

}  // namespace

void FanTab::show(const FanReading& fan) {
  tableType_ = fan.location.tableType;
  computedTslopeHint.setText("");
  computedTslopeHint.setVisible(false);
  // The rules compute Tslope from the first box the load fills.
  slopeInputs_.fill(std::nan(""));
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
  showComputedTslope();
}

void FanTab::showComputedTslope() {
  std::optional<int> computed;
  if (graphsShown_ && tableType_ != FanTableType::Type2 && !tslope.text().empty())
    computed = computedTslope(textValue(tmin.text()), textValue(tmax.text()), textValue(dutyCycleMin.text()));
  // As the box's rule would keep it.
  if (computed) computed = std::clamp(*computed, 0, int(kLargestTslope));
  const bool other = computed && *computed != textValue(tslope.text());
  computedTslopeHint.setText(other ? "computed: " + std::to_string(*computed) : "");
  computedTslopeHint.setVisible(other);
}

bool FanTab::showRegisters(const FanRegisterValues& registers) {
  modes.select(registers.controlMode == 2 ? transferFunctionMode : lookUpTableMode);
  const int scale = registers.dutyScale;
  // The boxes are filled in this order, so that each rule sees the ones before.
  const auto percent = [scale](int raw) { return percentOf(raw, scale); };
  load(tmin, std::to_string(registers.tmin));
  load(tmax, std::to_string(registers.tmax));
  if (!percent(registers.tslope)) return false;
  load(dutyCycleMin, std::to_string(*percent(registers.dutyMin)));
  load(hysteresis, std::to_string(registers.hysteresis));
  load(tminHysteresis, std::to_string(registers.tminHysteresis));
  load(spinUpCycle, std::to_string(*percent(registers.spinUpCycle)));
  load(spinUpTime, std::to_string(registers.spinUpTime));
  pwmRampOn.setChecked(registers.pwmRampOn == 1);
  load(pwmRamp, std::to_string(*percent(registers.pwmRamp)));
  // Last, so that it shows what the image stores, not what the rules of
  // Tmin, Tmax and Duty cycle min computed from them.
  load(tslope, std::to_string(*percent(registers.tslope)));
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

std::vector<std::pair<const Control*, double>> FanTab::lookUpModeValues() const {
  if (!lookUpTableMode.checked()) return {};
  std::vector<std::pair<const Control*, double>> values = {
      {&hysteresis, 0}, {&pwmRamp, 1}, {&pwmRampOn, 1}, {&tmin, 0}, {&tminHysteresis, 0}};
  // A Tmin set to 0 recomputes Tslope as typing it would.
  if (tmin.text() != "0" && 0 < textValue(tmax.text()))
    if (const std::optional<int> t = computedTslope(0, textValue(tmax.text()), textValue(dutyCycleMin.text())))
      values.emplace_back(&tslope, std::clamp(*t, 0, int(kLargestTslope)));
  return values;
}

std::expected<FanChanges, FanRefusal> FanTab::changedSettings(const FanLocation& location) const {
  FanChanges changes;
  const bool type1 = location.tableType == FanTableType::Type1;
  FanEditReader read(type1 ? lookUpModeValues() : std::vector<std::pair<const Control*, double>>{});
  // Each table's speeds are scaled as its bytes have always been computed,
  // to the same rounding: a type-1 speed / 100 * scale, a type-2 one
  // * scale / 100.
  const auto tableValues = [&read](const ControlArray& thresholds, const ControlArray& speeds, FanTableChanges& table,
                                   FanWriteError code, int scale, double (*raw)(double, int)) {
    for (int k = 0; k < kFanTablePoints; ++k) {
      table.thresholds[k] = read.value(thresholds[k], code);
      if (const std::optional<double> speed = read.value(speeds[k], code)) {
        table.speeds[k] = roundHalfEven(raw(*speed, scale));
        if (*table.speeds[k] > 255) read.field(speeds[k], code, 255, scale);
      }
    }
  };
  if (location.tableType == FanTableType::Type2) {
    changes.type2Hysteresis = read.value(type2Hysteresis, FanWriteError::Type2Value);
    tableValues(type2Threshold, type2Speed, changes.type2Table, FanWriteError::Type2Value, location.type2SpeedScale,
                [](double speed, int scale) { return speed * scale / 100; });
    if (read.refusal()) return std::unexpected(*read.refusal());
    return changes;
  }

  if (type1 && !transferFunctionMode.showsLoaded())
    changes.registers.controlMode = FanFieldEdit(transferFunctionMode.checked() ? 2 : 3);
  const int scale = location.dutyScale;
  FanRegisterChanges& registers = changes.registers;
  registers.tmin = read.field(tmin, FanWriteError::Tmin, fieldLargest(kTmin));
  registers.tmax = read.field(tmax, FanWriteError::Tmax, fieldLargest(kTmax));
  registers.tslope = read.field(tslope, FanWriteError::Tslope, fieldLargest(kTslope), scale);
  registers.dutyMin = read.field(dutyCycleMin, FanWriteError::DutyMin, fieldLargest(kDutyMin), scale);
  registers.hysteresis = read.field(hysteresis, FanWriteError::Hysteresis, fieldLargest(kHysteresis));
  registers.spinUpCycle = read.field(spinUpCycle, FanWriteError::SpinUpCycle, fieldLargest(kSpinUpCycle), scale);
  registers.tminHysteresis = read.field(tminHysteresis, FanWriteError::TminHysteresis, fieldLargest(kTminHysteresis));
  registers.spinUpTime = read.field(spinUpTime, FanWriteError::SpinUpTime, fieldLargest(kSpinUpTime));
  if (read.changed(pwmRampOn))
    registers.pwmRampOn = FanFieldEdit(read.forcedValue(pwmRampOn).value_or(pwmRampOn.checked() ? 1 : 0));
  registers.pwmRamp = read.field(pwmRamp, FanWriteError::PwmRamp, fieldLargest(kPwmRamp), scale);
  if (type1)
    tableValues(type1Threshold, type1Speed, changes.type1Table, FanWriteError::LookUpTable, scale,
                [](double speed, int scale) { return speed / 100 * scale; });
  if (read.refusal()) return std::unexpected(*read.refusal());
  return changes;
}

}  // namespace oza
