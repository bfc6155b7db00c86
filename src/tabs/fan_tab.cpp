// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabs/fan_tab.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "tabs/field_controls.h"
#include "text/number_text.h"

namespace oza {

namespace {

const Rgb kHighlight{0, 255, 0};

// Empty text becomes "0"; the value is kept within 0..upper; then `action`.
void clampRule(Control& box, double upper, std::function<void()> action) {
  box.onChange = [&box, upper, action = std::move(action)] {
    if (box.text().empty()) box.setText("0");
    if (textValue(box.text()) > upper) box.setText(decimalText(upper));
    if (textValue(box.text()) < 0) box.setText("0");
    action();
  };
}

// Rounded pointer coordinate as box text; nothing when it does not fit.
std::optional<std::string> roundedText(double value) {
  const std::optional<int> rounded = roundToInt16(value);
  if (!rounded) return std::nullopt;
  return std::to_string(*rounded);
}

}  // namespace

FanTab::FanTab() {
  std::vector<Control*> mine;
  collect(mine);
  describeFields(mine);
  for (Control* box : {&tmin, &tmax, &tslope, &dutyCycleMin, &hysteresis, &tminHysteresis, &spinUpCycle, &spinUpTime,
                       &pwmRamp, &type2Hysteresis})
    box->setNumbersOnly(true);
  for (ControlArray* boxes : {&type1Threshold, &type1Speed, &type2Threshold, &type2Speed}) boxes->setNumbersOnly(true);
  type1StepGraph.setChecked(true);
  type2StepGraph.setChecked(true);
  computedTslopeHint.setVisible(false);
  computedTslopeHint.setToolTip(
      "The Tslope that Tmin, Tmax and Duty cycle min give. The box holds what a save writes; a change of Tmin, Tmax "
      "or Duty cycle min puts the computed one there.");
  bindRules();
}

void FanTab::bindRules() {
  auto redraw = [this] { redrawFanGraph(); };
  auto type2 = [this] { drawType2Graph(); };
  // The graph follows at once; Tslope only while Tmin lies below Tmax, and
  // only when a number changed: "35.0" typed over "35" leaves the Tslope the
  // box holds, and so its bytes.
  auto tslopeIfRising = [this] {
    if (slopeInputsChanged() && textValue(tmin.text()) < textValue(tmax.text())) calculateTslope();
    redrawFanGraph();
  };
  clampRule(pwmRamp, kLargestPercent, redraw);
  clampRule(spinUpCycle, kLargestPercent, redraw);
  clampRule(spinUpTime, kLargestSeven, redraw);
  clampRule(tmin, kLargestTemperature, tslopeIfRising);
  clampRule(tmax, kLargestTemperature, tslopeIfRising);
  clampRule(tslope, kLargestTslope, redraw);
  clampRule(tminHysteresis, kLargestSeven, redraw);
  clampRule(dutyCycleMin, kLargestPercent, [this] {
    if (slopeInputsChanged()) calculateTslope();
    redrawFanGraph();
  });
  clampRule(hysteresis, kLargestPercent, redraw);
  for (int k = 0; k < kFanTablePoints; ++k) {
    clampRule(type1Threshold[k], kLargestThreshold, redraw);
    clampRule(type1Speed[k], kLargestPercent, redraw);
    clampRule(type2Threshold[k], kLargestThreshold, type2);
    clampRule(type2Speed[k], kLargestPercent, type2);
  }
  auto onModeClick = [this] { modeChanged(); };
  transferFunctionMode.onClick = onModeClick;
  lookUpTableMode.onClick = onModeClick;
  pwmRampOn.onClick = onModeClick;
  type1ContinuousGraph.onClick = [this] { drawLookUpGraph(); };
  type1StepGraph.onClick = [this] { drawLookUpGraph(); };
  // A new hysteresis redraws the graph beside it, as a user can type one
  // only while type2Frame shows.
  type2Hysteresis.onChange = [this] {
    if (type2Frame.visible()) drawType2Graph();
  };
  type2StepGraph.onClick = type2;
  type2ContinuousGraph.onClick = type2;
  recommendedValuesButton.onClick = [this] { setRecommendedValues(); };
}

bool FanTab::slopeInputsChanged() {
  const std::array<double, 3> now{textValue(tmin.text()), textValue(tmax.text()), textValue(dutyCycleMin.text())};
  if (now == slopeInputs_) return false;
  slopeInputs_ = now;
  return true;
}

void FanTab::modeChanged() {
  showFanControls(tableType_);
  redrawFanGraph();
}

void FanTab::turnPwmRampOn() {
  if (pwmRampOn.checked()) return;
  pwmRampOn.setChecked(true);
  modeChanged();
}

void FanTab::load(Control& box, const std::string& text) {
  if (box.text() == text) {
    if (box.onChange) box.onChange();
  } else {
    box.setText(text);
  }
}

void FanTab::showFanControls(FanTableType type) {
  const bool table = type != FanTableType::None;
  for (Control* c : {&lookUpTableMode, &type1GraphType, &thresholdCaption, &speedCaption}) c->setVisible(table);
  for (int k = 0; k < kFanTablePoints; ++k) {
    type1Threshold[k].setVisible(table);
    type1Speed[k].setVisible(table);
  }
  const bool lookUp = lookUpTableMode.checked();
  for (Control* c : {&tmin, &tmax, &dutyCycleMin}) c->setEnabled(!lookUp);
  for (Control* c : {&type1ContinuousGraph, &type1StepGraph}) c->setEnabled(lookUp);
  for (int k = 0; k < kFanTablePoints; ++k) {
    type1Threshold[k].setEnabled(lookUp);
    type1Speed[k].setEnabled(lookUp);
  }
  pwmRamp.setEnabled(pwmRampOn.checked());
}

void FanTab::calculateTslope() {
  const std::optional<int> t =
      computedTslope(textValue(tmin.text()), textValue(tmax.text()), textValue(dutyCycleMin.text()));
  if (t) tslope.setText(std::to_string(*t));
}

void FanTab::redrawFanGraph() {
  if (lookUpTableMode.checked()) {
    drawLookUpGraph();
  } else {
    drawTransferGraph();
  }
  showComputedTslope();
}

void FanTab::drawLookUpGraph() {
  drawLookUpCurve(type1Graph, sortedLookUpPoints(type1Threshold.texts(), type1Speed.texts()),
                  type1ContinuousGraph.checked());
  markFallingSpeeds(type1Threshold, type1Speed);
}

void FanTab::drawTransferGraph() {
  // A Tmin at or above Tmax is drawn at Tmax, and its box marked.
  const double high = textValue(tmax.text());
  drawTransferCurve(type1Graph, std::min(textValue(tmin.text()), high), high, textValue(dutyCycleMin.text()));
  markTransferOrder();
}

void FanTab::drawType2Graph() {
  drawLookUpCurve(type2Graph, sortedLookUpPoints(type2Threshold.texts(), type2Speed.texts()),
                  type2ContinuousGraph.checked());
  markFallingSpeeds(type2Threshold, type2Speed);
}

void FanTab::markTransferOrder() {
  const bool rising = tmin.text().empty() || tmax.text().empty() || textValue(tmin.text()) < textValue(tmax.text());
  tmin.setProblem(rising ? "" : "Tmin must lie below Tmax; the graph draws it at Tmax.");
  tmax.setProblem(rising ? "" : "Tmax must lie above Tmin.");
}

void FanTab::markFallingSpeeds(ControlArray& thresholds, ControlArray& speeds) {
  for (int k = 0; k < kFanTablePoints; ++k) speeds[k].setProblem("");
  const std::vector<LookUpPoint> points = sortedLookUpPoints(thresholds.texts(), speeds.texts());
  for (std::size_t k = 1; k < points.size(); ++k)
    if (points[k].speed < points[k - 1].speed && !speeds[points[k].box].text().empty())
      speeds[points[k].box].setProblem("The fan speed falls below the one of the point before.");
}

void FanTab::redrawShownGraphs() {
  if (!graphsShown_) return;
  if (tableType_ == FanTableType::Type2) {
    drawType2Graph();
  } else {
    showFanControls(tableType_);
    redrawFanGraph();
  }
}

void FanTab::setRecommendedValues() {
  modes.select(transferFunctionMode);
  tmin.setText("40");
  tmax.setText("106");
  dutyCycleMin.setText("15");
  hysteresis.setText("24");
  spinUpCycle.setText("0");
  turnPwmRampOn();
  tminHysteresis.setText("4");
  spinUpTime.setText("0");
  pwmRamp.setText("1");
  static const char* const thresholds[] = {"60", "65", "70", "75", "80", "85", "90", "98"};
  static const char* const speeds[] = {"30", "41", "50", "61", "70", "81", "90", "100"};
  for (int k = 0; k < kFanTablePoints; ++k) type1Threshold[k].setText(thresholds[k]);
  for (int k = 0; k < kFanTablePoints; ++k) type1Speed[k].setText(speeds[k]);
  showFanControls(tableType_);
  calculateTslope();
}

void FanTab::clearFanTables() {
  for (int k = 0; k < kFanTablePoints; ++k) type2Threshold[k].setText("");
  for (int k = 0; k < kFanTablePoints; ++k) type2Speed[k].setText("");
  // An image without a look-up table of its own must not show the last
  // image's one, neither in the boxes nor in a graph it does not draw.
  for (int k = 0; k < kFanTablePoints; ++k) type1Threshold[k].setText("");
  for (int k = 0; k < kFanTablePoints; ++k) type1Speed[k].setText("");
  type1Graph.clear();
  type2Graph.clear();
  graphsShown_ = false;
  for (Control* box : {&tmin, &tmax}) box->setProblem("");
  for (ControlArray* speeds : {&type1Speed, &type2Speed})
    for (int k = 0; k < kFanTablePoints; ++k) (*speeds)[k].setProblem("");
}

namespace {

int clampedInt(double value, int lowest, int highest) {
  return static_cast<int>(std::clamp(std::round(value), double(lowest), double(highest)));
}

// How many whole units the pointer moved since the press.
int movedBy(double now, double pressed) { return static_cast<int>(std::round(now - pressed)); }

}  // namespace

void FanTab::pressTransfer(double x, double y) {
  const double low = textValue(tmin.text());
  const double high = textValue(tmax.text());
  const double tmid = (high - low) / 2 + low;
  drag_ = Drag{};
  drag_.kind = Drag::Kind::Transfer;
  drag_.pressX = x;
  drag_.pressY = y;
  // The zone is that of the press for the whole drag, so that the knee
  // dragged towards Tmax stays the knee.
  drag_.zone = x <= low / 2 ? 0 : x < tmid ? 1 : 2;
  if (drag_.zone == 0) {
    for (Control* c : {&dutyCycleMin, &tslope}) c->setBackColor(kHighlight);
  } else if (drag_.zone == 1) {
    for (Control* c : {&dutyCycleMin, &tmin, &tslope}) c->setBackColor(kHighlight);
  } else {
    for (Control* c : {&tmax, &tslope}) c->setBackColor(kHighlight);
  }
  drag_.startX = static_cast<int>(drag_.zone == 2 ? high : low);
  drag_.startY = static_cast<int>(textValue(dutyCycleMin.text()));
}

void FanTab::dragTransfer(double x, double y) {
  const int low = static_cast<int>(textValue(tmin.text()));
  const int high = static_cast<int>(textValue(tmax.text()));
  if (drag_.zone != 2) {
    dutyCycleMin.setText(std::to_string(clampedInt(drag_.startY + movedBy(y, drag_.pressY), 0, kLargestPercent)));
    calculateTslope();
  }
  // The knee and the end of the rise never pass each other.
  if (drag_.zone == 1 && high >= 1)
    tmin.setText(std::to_string(clampedInt(drag_.startX + movedBy(x, drag_.pressX), 0, std::max(high - 1, 0))));
  if (drag_.zone == 2)
    tmax.setText(std::to_string(
        clampedInt(drag_.startX + movedBy(x, drag_.pressX), std::min(low + 1, 255), kLargestTemperature)));
}

void FanTab::pressLookUp(ControlArray& thresholds, ControlArray& speeds, double x, double y) {
  const std::vector<LookUpPoint> points = sortedLookUpPoints(thresholds.texts(), speeds.texts());
  std::size_t n = 0;
  for (std::size_t k = 1; k < points.size(); ++k)
    if (std::fabs(points[k].threshold - x) < std::fabs(points[k - 1].threshold - x)) n = k;
  drag_ = Drag{};
  drag_.kind = Drag::Kind::LookUp;
  drag_.pressX = x;
  drag_.pressY = y;
  // The boxes that hold the nearest point, wherever it stands in the table.
  const LookUpPoint& point = points[n];
  drag_.box = point.box;
  drag_.startX = point.threshold;
  drag_.startY = point.speed;
  // Held between its neighbours; where they leave no room, where it is.
  drag_.lowest = n > 0 ? points[n - 1].threshold + 1 : 0;
  drag_.highest = n + 1 < points.size() ? points[n + 1].threshold - 1 : static_cast<int>(kLargestThreshold);
  drag_.lowest = std::min(drag_.lowest, point.threshold);
  drag_.highest = std::max(drag_.highest, point.threshold);
  thresholds[drag_.box].setBackColor(kHighlight);
  speeds[drag_.box].setBackColor(kHighlight);
}

void FanTab::dragLookUp(ControlArray& thresholds, ControlArray& speeds, double x, double y) {
  const int box = drag_.box;
  thresholds[box].setText(
      std::to_string(clampedInt(drag_.startX + movedBy(x, drag_.pressX), drag_.lowest, drag_.highest)));
  speeds[box].setText(std::to_string(clampedInt(drag_.startY + movedBy(y, drag_.pressY), 0, kLargestPercent)));
}

void FanTab::endDrag(ControlArray& thresholds, ControlArray& speeds) {
  drag_ = Drag{};
  for (int k = 0; k < kFanTablePoints; ++k) {
    thresholds[k].setBackColor(std::nullopt);
    speeds[k].setBackColor(std::nullopt);
  }
}

void FanTab::type1GraphMouseDown(double x, double y) {
  if (transferFunctionMode.checked()) {
    pressTransfer(x, y);
  } else {
    pressLookUp(type1Threshold, type1Speed, x, y);
  }
}

void FanTab::type1GraphMouseMove(double x, double y, bool leftButton) {
  type1Picture.setToolTip(pointerToolTip(x, y));
  if (!leftButton) return;
  if (drag_.kind == Drag::Kind::Transfer && transferFunctionMode.checked()) dragTransfer(x, y);
  if (drag_.kind == Drag::Kind::LookUp && lookUpTableMode.checked()) dragLookUp(type1Threshold, type1Speed, x, y);
}

void FanTab::type1GraphMouseUp() {
  const bool transfer = drag_.kind == Drag::Kind::Transfer;
  endDrag(type1Threshold, type1Speed);
  if (transfer) {
    for (Control* c : {&tmin, &tmax, &tslope, &dutyCycleMin}) c->setBackColor(std::nullopt);
    calculateTslope();
  }
}

void FanTab::type2GraphMouseDown(double x, double y) { pressLookUp(type2Threshold, type2Speed, x, y); }

void FanTab::type2GraphMouseMove(double x, double y, bool leftButton) {
  type2Picture.setToolTip(pointerToolTip(x, y));
  if (leftButton && drag_.kind == Drag::Kind::LookUp) dragLookUp(type2Threshold, type2Speed, x, y);
}

void FanTab::type2GraphMouseUp() { endDrag(type2Threshold, type2Speed); }

FanTab::LookUpTable FanTab::type1Table() {
  return {type1Threshold,
          type1Speed,
          type1GraphType,
          type1StepGraph,
          type1ContinuousGraph,
          type1Picture,
          saveType1GraphButton,
          type1Graph,
          &FanTab::type1GraphMouseDown,
          &FanTab::type1GraphMouseMove,
          &FanTab::type1GraphMouseUp};
}

FanTab::LookUpTable FanTab::type2Table() {
  return {type2Threshold,
          type2Speed,
          type2GraphType,
          type2StepGraph,
          type2ContinuousGraph,
          type2Picture,
          saveType2GraphButton,
          type2Graph,
          &FanTab::type2GraphMouseDown,
          &FanTab::type2GraphMouseMove,
          &FanTab::type2GraphMouseUp};
}

void FanTab::collect(std::vector<Control*>& out) {
  for (Control* c : {&type1Frame, &transferFunctionMode, &lookUpTableMode, &tmin, &tmax, &tslope, &computedTslopeHint,
                     &dutyCycleMin, &hysteresis, &tminHysteresis, &spinUpCycle, &spinUpTime, &pwmRampOn, &pwmRamp,
                     &thresholdCaption, &speedCaption})
    out.push_back(c);
  type1Threshold.collect(out);
  type1Speed.collect(out);
  for (Control* c : {&type1GraphType, &type1StepGraph, &type1ContinuousGraph, &recommendedValuesButton,
                     &settingsHelpLink, &type1Picture, &saveType1GraphButton, &type2Frame, &type2Hysteresis})
    out.push_back(c);
  type2Threshold.collect(out);
  type2Speed.collect(out);
  for (Control* c : {&type2GraphType, &type2StepGraph, &type2ContinuousGraph, &type2Picture, &saveType2GraphButton})
    out.push_back(c);
}

std::string pointerToolTip(double x, double y) {
  return "X: " + roundedText(x).value_or("0") +
         " \xC2\xB0"
         "C; Y: " +
         roundedText(y).value_or("0") + " %";
}

}  // namespace oza
