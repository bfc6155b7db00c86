#include "tabs/fan_tab.h"

#include <cmath>
#include <functional>

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

void setRounded(Control& box, double value) {
  if (const auto text = roundedText(value)) box.setText(*text);
}

}  // namespace

FanTab::FanTab() {
  for (Control* box : {&tmin, &tmax, &tslope, &dutyCycleMin, &hysteresis, &tminHysteresis, &spinUpCycle, &spinUpTime,
                       &pwmRamp, &type2Hysteresis})
    box->setNumbersOnly(true);
  for (ControlArray* boxes : {&type1Threshold, &type1Speed, &type2Threshold, &type2Speed}) boxes->setNumbersOnly(true);
  type1StepGraph.setChecked(true);
  type2StepGraph.setChecked(true);
  bindRules();
}

void FanTab::bindRules() {
  auto redraw = [this] { redrawFanGraph(); };
  auto type2 = [this] { drawType2Graph(); };
  auto tslopeIfRising = [this] {
    if (textValue(tmin.text()) < textValue(tmax.text())) {
      calculateTslope();
      redrawFanGraph();
    }
  };
  clampRule(pwmRamp, kLargestPercent, redraw);
  clampRule(spinUpCycle, kLargestPercent, redraw);
  clampRule(spinUpTime, kLargestSeven, redraw);
  clampRule(tmin, kLargestTemperature, tslopeIfRising);
  clampRule(tmax, kLargestTemperature, tslopeIfRising);
  clampRule(tslope, kLargestTslope, redraw);
  clampRule(tminHysteresis, kLargestSeven, redraw);
  clampRule(dutyCycleMin, kLargestPercent, [this] {
    calculateTslope();
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

void FanTab::redrawFanGraph() {
  if (lookUpTableMode.checked()) {
    drawLookUpGraph();
  } else {
    drawTransferGraph();
  }
}

void FanTab::drawLookUpGraph() {
  drawLookUpCurve(type1Graph, sortedLookUpPoints(type1Threshold.texts(), type1Speed.texts()), type1ContinuousGraph.checked());
}

void FanTab::drawTransferGraph() {
  drawTransferCurve(type1Graph, textValue(tmin.text()), textValue(tmax.text()), textValue(dutyCycleMin.text()));
}

void FanTab::drawType2Graph() {
  drawLookUpCurve(type2Graph, sortedLookUpPoints(type2Threshold.texts(), type2Speed.texts()), type2ContinuousGraph.checked());
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
}

void FanTab::editTransfer(double x, double y) {
  const double low = textValue(tmin.text());
  const double high = textValue(tmax.text());
  const double tmid = (high - low) / 2 + low;
  int zone = 0;
  if (x < low / 2) {
    zone = 0;
  } else if (x > low / 2 && x < tmid) {
    zone = 1;
  } else if (x > tmid) {
    zone = 2;
  }
  if (zone == 0) {
    for (Control* c : {&dutyCycleMin, &tslope}) c->setBackColor(kHighlight);
    setRounded(dutyCycleMin, y);
    calculateTslope();
  } else if (zone == 1) {
    for (Control* c : {&dutyCycleMin, &tmin, &tslope}) c->setBackColor(kHighlight);
    setRounded(dutyCycleMin, y);
    setRounded(tmin, x);
    calculateTslope();
  } else {
    for (Control* c : {&tmax, &tslope}) c->setBackColor(kHighlight);
    setRounded(tmax, x);
  }
}

void FanTab::editLookUp(ControlArray& thresholds, ControlArray& speeds, double x, double y) {
  const std::vector<LookUpPoint> points = sortedLookUpPoints(thresholds.texts(), speeds.texts());
  std::size_t n = 0;
  for (std::size_t k = 1; k < points.size(); ++k)
    if (std::fabs(points[k].threshold - x) < std::fabs(points[k - 1].threshold - x)) n = k;
  // The boxes that hold the nearest point, wherever it stands in the table.
  const int box = points[n].box;
  thresholds[box].setBackColor(kHighlight);
  speeds[box].setBackColor(kHighlight);
  setRounded(thresholds[box], x);
  setRounded(speeds[box], y);
}

void FanTab::type1GraphMouseDown(double x, double y) {
  if (transferFunctionMode.checked()) {
    editTransfer(x, y);
  } else {
    editLookUp(type1Threshold, type1Speed, x, y);
  }
}

void FanTab::type1GraphMouseMove(double x, double y, bool leftButton) {
  type1Picture.setToolTip(pointerToolTip(x, y));
  if (leftButton) type1GraphMouseDown(x, y);
}

void FanTab::type1GraphMouseUp() {
  if (transferFunctionMode.checked()) {
    for (Control* c : {&tmin, &tmax, &tslope, &dutyCycleMin}) c->setBackColor(std::nullopt);
    calculateTslope();
  } else {
    for (int k = 0; k < kFanTablePoints; ++k) {
      type1Threshold[k].setBackColor(std::nullopt);
      type1Speed[k].setBackColor(std::nullopt);
    }
  }
}

void FanTab::type2GraphMouseDown(double x, double y) { editLookUp(type2Threshold, type2Speed, x, y); }

void FanTab::type2GraphMouseMove(double x, double y, bool leftButton) {
  type2Picture.setToolTip(pointerToolTip(x, y));
  if (leftButton) type2GraphMouseDown(x, y);
}

void FanTab::type2GraphMouseUp() {
  for (int k = 0; k < kFanTablePoints; ++k) {
    type2Threshold[k].setBackColor(std::nullopt);
    type2Speed[k].setBackColor(std::nullopt);
  }
}

void FanTab::collect(std::vector<Control*>& out) {
  for (Control* c :
       {&type1Frame, &transferFunctionMode, &lookUpTableMode, &tmin, &tmax, &tslope, &dutyCycleMin, &hysteresis,
        &tminHysteresis, &spinUpCycle, &spinUpTime, &pwmRampOn, &pwmRamp, &thresholdCaption, &speedCaption})
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
  return "X: " + roundedText(x).value_or("0") + " \xC2\xB0" "C; Y: " + roundedText(y).value_or("0") + " %";
}

}  // namespace oza
