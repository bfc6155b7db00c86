#include "fan/fan_tab.h"

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
bool roundedText(double value, std::string& text) {
  try {
    text = std::to_string(roundToInt16(value));
    return true;
  } catch (const OverflowError&) {
    return false;
  }
}

void setRounded(Control& box, double value) {
  std::string text;
  if (roundedText(value, text)) box.setText(text);
}

}  // namespace

FanTab::FanTab(const FanLocation& location) : location_(location) {
  Option9.setChecked(true);
  Option6.setChecked(true);
  bindRules();
}

void FanTab::bindRules() {
  auto redraw = [this] { redrawFanGraph(); };
  auto type2 = [this] { drawType2Graph(); };
  auto tslopeIfRising = [this] {
    if (textValue(Text5.text()) < textValue(Text6.text())) {
      calculateTslope();
      redrawFanGraph();
    }
  };
  clampRule(Text2, 100, redraw);
  clampRule(Text3, 100, redraw);
  clampRule(Text4, 7, redraw);
  clampRule(Text5, 255, tslopeIfRising);
  clampRule(Text6, 255, tslopeIfRising);
  clampRule(Text7, 255, redraw);
  clampRule(Text8, 7, redraw);
  clampRule(Text9, 100, [this] {
    calculateTslope();
    redrawFanGraph();
  });
  clampRule(Type1Hysteresis, 100, redraw);
  for (int k = 0; k < kFanTablePoints; ++k) {
    clampRule(Type1Threshold[k], 120, redraw);
    clampRule(Type1FanSpeed[k], 100, redraw);
    clampRule(Threshold[k], 120, type2);
    clampRule(FanSpeed[k], 100, type2);
  }
  auto modeChanged = [this] {
    showFanControls(location_.tableType);
    redrawFanGraph();
  };
  Option4.onClick = modeChanged;
  Option5.onClick = modeChanged;
  Check3.onClick = modeChanged;
  Option8.onClick = [this] { drawLookUpGraph(); };
  Option9.onClick = [this] { drawLookUpGraph(); };
  // A new hysteresis redraws the graph beside it, as a user can type one
  // only while Frame3 shows.
  Text1.onChange = [this] {
    if (Frame3.visible()) drawType2Graph();
  };
  Option6.onClick = type2;
  Option7.onClick = type2;
  Command7.onClick = [this] { setRecommendedValues(); };
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
  for (Control* c : {&Option5, &Frame6, &Label53, &Label54}) c->setVisible(table);
  for (int k = 0; k < kFanTablePoints; ++k) {
    Type1Threshold[k].setVisible(table);
    Type1FanSpeed[k].setVisible(table);
  }
  const bool lookUp = Option5.checked();
  for (Control* c : {&Text5, &Text6, &Text9}) c->setEnabled(!lookUp);
  for (Control* c : {&Option8, &Option9}) c->setEnabled(lookUp);
  for (int k = 0; k < kFanTablePoints; ++k) {
    Type1Threshold[k].setEnabled(lookUp);
    Type1FanSpeed[k].setEnabled(lookUp);
  }
  Text2.setEnabled(Check3.checked());
}

void FanTab::calculateTslope() {
  // Each step that fails (a division by zero) is skipped; what it would
  // have set stays 0.
  const double tmin = textValue(Text5.text());
  const double tmax = textValue(Text6.text());
  const double dutyMin = textValue(Text9.text());
  const double tmid = tmin + (tmax - tmin) / 2;
  double slope = 0;
  if (tmax - tmin != 0) slope = (100 - dutyMin) / (tmax - tmin);
  const double dutyMid = dutyMin + (tmid * slope - tmin * slope);
  double t = 0;
  if (tmid - tmin != 0) t = (dutyMid - dutyMin) * 16 / (tmid - tmin);
  setRounded(Text7, t);
}

void FanTab::redrawFanGraph() {
  if (Option5.checked()) {
    drawLookUpGraph();
  } else {
    drawTransferGraph();
  }
}

void FanTab::drawLookUpGraph() {
  drawLookUpCurve(graph2, sortedLookUpPoints(Type1Threshold, Type1FanSpeed), Option8.checked());
}

void FanTab::drawTransferGraph() {
  drawTransferCurve(graph2, textValue(Text5.text()), textValue(Text6.text()), textValue(Text9.text()));
}

void FanTab::drawType2Graph() {
  drawLookUpCurve(graph5, sortedLookUpPoints(Threshold, FanSpeed), Option7.checked());
}

void FanTab::setRecommendedValues() {
  modes.select(Option4);
  Text5.setText("40");
  Text6.setText("106");
  Text9.setText("15");
  Type1Hysteresis.setText("24");
  Text3.setText("0");
  if (!Check3.checked()) {
    Check3.setChecked(true);
    Check3.onClick();
  }
  Text8.setText("4");
  Text4.setText("0");
  Text2.setText("1");
  static const char* const thresholds[] = {"60", "65", "70", "75", "80", "85", "90", "98"};
  static const char* const speeds[] = {"30", "41", "50", "61", "70", "81", "90", "100"};
  for (int k = 0; k < kFanTablePoints; ++k) Type1Threshold[k].setText(thresholds[k]);
  for (int k = 0; k < kFanTablePoints; ++k) Type1FanSpeed[k].setText(speeds[k]);
  showFanControls(location_.tableType);
  calculateTslope();
}

void FanTab::clearFanTables() {
  for (int k = 0; k < kFanTablePoints; ++k) Threshold[k].setText("");
  for (int k = 0; k < kFanTablePoints; ++k) FanSpeed[k].setText("");
  // An image without a look-up table of its own must not show the last
  // image's one, neither in the boxes nor in a graph it does not draw.
  for (int k = 0; k < kFanTablePoints; ++k) Type1Threshold[k].setText("");
  for (int k = 0; k < kFanTablePoints; ++k) Type1FanSpeed[k].setText("");
  graph2.clear();
  graph5.clear();
}

void FanTab::editTransfer(double x, double y) {
  const double tmin = textValue(Text5.text());
  const double tmax = textValue(Text6.text());
  const double tmid = (tmax - tmin) / 2 + tmin;
  int zone = 0;
  if (x < tmin / 2) {
    zone = 0;
  } else if (x > tmin / 2 && x < tmid) {
    zone = 1;
  } else if (x > tmid) {
    zone = 2;
  }
  if (zone == 0) {
    for (Control* c : {&Text9, &Text7}) c->setBackColor(kHighlight);
    setRounded(Text9, y);
    calculateTslope();
  } else if (zone == 1) {
    for (Control* c : {&Text9, &Text5, &Text7}) c->setBackColor(kHighlight);
    setRounded(Text9, y);
    setRounded(Text5, x);
    calculateTslope();
  } else {
    for (Control* c : {&Text6, &Text7}) c->setBackColor(kHighlight);
    setRounded(Text6, x);
  }
}

void FanTab::editLookUp(ControlArray& thresholds, ControlArray& speeds, double x, double y) {
  const std::vector<LookUpPoint> points = sortedLookUpPoints(thresholds, speeds);
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

void FanTab::picture2MouseDown(double x, double y) {
  if (Option4.checked()) {
    editTransfer(x, y);
  } else {
    editLookUp(Type1Threshold, Type1FanSpeed, x, y);
  }
}

void FanTab::picture2MouseMove(double x, double y, bool leftButton) {
  Picture2.setToolTip(pointerToolTip(x, y));
  if (leftButton) picture2MouseDown(x, y);
}

void FanTab::picture2MouseUp() {
  if (Option4.checked()) {
    for (Control* c : {&Text5, &Text6, &Text7, &Text9}) c->setBackColor(std::nullopt);
    calculateTslope();
  } else {
    for (int k = 0; k < kFanTablePoints; ++k) {
      Type1Threshold[k].setBackColor(std::nullopt);
      Type1FanSpeed[k].setBackColor(std::nullopt);
    }
  }
}

void FanTab::picture5MouseDown(double x, double y) { editLookUp(Threshold, FanSpeed, x, y); }

void FanTab::picture5MouseMove(double x, double y, bool leftButton) {
  Picture5.setToolTip(pointerToolTip(x, y));
  if (leftButton) picture5MouseDown(x, y);
}

void FanTab::picture5MouseUp() {
  for (int k = 0; k < kFanTablePoints; ++k) {
    Threshold[k].setBackColor(std::nullopt);
    FanSpeed[k].setBackColor(std::nullopt);
  }
}

void FanTab::collect(std::vector<Control*>& out) {
  for (Control* c : {&Frame4, &Option4, &Option5, &Text5, &Text6, &Text7, &Text9, &Type1Hysteresis, &Text8,
                     &Text3, &Text4, &Check3, &Text2, &Label53, &Label54})
    out.push_back(c);
  Type1Threshold.collect(out);
  Type1FanSpeed.collect(out);
  for (Control* c : {&Frame6, &Option9, &Option8, &Command7, &Label67, &Picture2, &Command8, &Frame3, &Text1})
    out.push_back(c);
  Threshold.collect(out);
  FanSpeed.collect(out);
  for (Control* c : {&Frame5, &Option6, &Option7, &Picture5, &Command9}) out.push_back(c);
}

std::string pointerToolTip(double x, double y) {
  std::string xs = "0";
  std::string ys = "0";
  roundedText(x, xs);
  roundedText(y, ys);
  return "X: " + xs + " \xC2\xB0" "C; Y: " + ys + " %";
}

}  // namespace oza
