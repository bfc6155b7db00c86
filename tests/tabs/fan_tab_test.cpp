// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabs/fan_tab.h"

#include <gtest/gtest.h>

#include "controls/number_keys.h"
#include "document/loaded_image.h"

namespace oza {
namespace {

struct Tab {
  // A tab that shows a type-1 table, which the load could not read.
  Tab() {
    FanReading type1;
    type1.location.tableType = FanTableType::Type1;
    tab.show(type1);
  }
  FanTab tab;

  void transfer(const char* tmin, const char* tmax, const char* dmin) {
    tab.modes.select(tab.transferFunctionMode);
    tab.tmin.setText(tmin);
    tab.tmax.setText(tmax);
    tab.dutyCycleMin.setText(dmin);
  }
  void table(ControlArray& thresholds, ControlArray& speeds, std::vector<int> t, std::vector<int> s) {
    for (int k = 0; k < kFanTablePoints; ++k) {
      thresholds[k].setText(std::to_string(t[static_cast<std::size_t>(k)]));
      speeds[k].setText(std::to_string(s[static_cast<std::size_t>(k)]));
    }
  }
};

TEST(Tslope, FollowsTminTmaxAndTheMinimumDuty) {
  const struct {
    const char *tmin, *tmax, *dmin, *tslope;
  } cases[] = {
      {"40", "106", "15", "21"}, {"40", "80", "0", "40"}, {"50", "90", "20", "32"},
      {"0", "32", "99", "0"},    {"0", "32", "97", "2"},  {"50", "50", "10", "0"},
  };
  for (const auto& c : cases) {
    Tab t;
    t.transfer(c.tmin, c.tmax, c.dmin);
    t.tab.calculateTslope();
    EXPECT_EQ(t.tab.tslope.text(), c.tslope) << c.tmin << " " << c.tmax << " " << c.dmin;
  }
  Tab falling;
  falling.transfer("0", "0", "0");
  falling.tab.tmax.setText("20");
  falling.tab.tmin.setText("60");  // Tmin above Tmax: no recomputation
  EXPECT_EQ(falling.tab.tslope.text(), "80");
  falling.tab.calculateTslope();  // negative, clamped by the Tslope rule
  EXPECT_EQ(falling.tab.tslope.text(), "0");
}

TEST(ChangeRules, EmptyBecomesZeroAndValuesAreClamped) {
  Tab t;
  t.tab.spinUpTime.setText("5");
  t.tab.spinUpTime.setText("");
  EXPECT_EQ(t.tab.spinUpTime.text(), "0");
  t.tab.spinUpTime.setText("9");
  EXPECT_EQ(t.tab.spinUpTime.text(), "7");
  t.tab.dutyCycleMin.setText("120");
  EXPECT_EQ(t.tab.dutyCycleMin.text(), "100");
  t.tab.tmin.setText("300");
  EXPECT_EQ(t.tab.tmin.text(), "255");
  t.tab.tmax.setText("-3");
  EXPECT_EQ(t.tab.tmax.text(), "0");
  t.tab.type1Threshold[2].setText("121");
  EXPECT_EQ(t.tab.type1Threshold[2].text(), "120");
  t.tab.type2Speed[0].setText("40.5");  // a fraction in range stays as typed
  EXPECT_EQ(t.tab.type2Speed[0].text(), "40.5");
  t.tab.spinUpCycle.setText("12abc");  // pasted: counts as 12, stays as pasted
  EXPECT_EQ(t.tab.spinUpCycle.text(), "12abc");
  t.tab.type2Hysteresis.setText("500");  // no rule for the type-2 hysteresis
  EXPECT_EQ(t.tab.type2Hysteresis.text(), "500");
  EXPECT_TRUE(numberKeyAccepted('5'));
  EXPECT_FALSE(numberKeyAccepted('x'));
}

TEST(ChangeRules, TminAboveTmaxKeepsTslopeButTheGraphFollowsAndMarksTheBoxes) {
  Tab t;
  t.transfer("60", "40", "20");
  t.tab.tslope.setText("99");
  const int drawings = t.tab.type1Graph.drawings;
  t.tab.tmin.setText("61");
  EXPECT_EQ(t.tab.tslope.text(), "99");
  EXPECT_GT(t.tab.type1Graph.drawings, drawings);
  EXPECT_FALSE(t.tab.tmin.problem().empty());
  // The knee (Tmin, Duty cycle min) is drawn at Tmax.
  bool kneeAtTmax = false;
  for (const GraphLine& line : t.tab.type1Graph.segments())
    kneeAtTmax |= (line.x1 == 40 && line.y1 == 20) || (line.x2 == 40 && line.y2 == 20);
  EXPECT_TRUE(kneeAtTmax);
  t.tab.tmin.setText("30");
  EXPECT_TRUE(t.tab.tmin.problem().empty());
  EXPECT_TRUE(t.tab.tmax.problem().empty());
}

TEST(ChangeRules, AFallingLookUpSpeedIsMarked) {
  Tab t;
  t.table(t.tab.type2Threshold, t.tab.type2Speed, {10, 20, 30, 40, 50, 60, 70, 80}, {10, 20, 30, 25, 50, 60, 70, 80});
  for (int k = 0; k < kFanTablePoints; ++k) EXPECT_EQ(t.tab.type2Speed[k].problem().empty(), k != 3) << k;
  t.tab.type2Speed[3].setText("35");
  EXPECT_TRUE(t.tab.type2Speed[3].problem().empty());
}

TEST(Modes, OptionsSwitchControlsAndGraph) {
  Tab t;
  t.transfer("40", "106", "15");
  t.tab.pwmRampOn.setChecked(true);
  t.tab.lookUpTableMode.click();
  EXPECT_TRUE(t.tab.lookUpTableMode.checked());
  EXPECT_FALSE(t.tab.tmin.enabled());
  EXPECT_FALSE(t.tab.dutyCycleMin.enabled());
  EXPECT_TRUE(t.tab.type1ContinuousGraph.enabled());
  EXPECT_TRUE(t.tab.type1Speed[7].enabled());
  t.tab.transferFunctionMode.click();
  EXPECT_TRUE(t.tab.tmax.enabled());
  EXPECT_FALSE(t.tab.type1StepGraph.enabled());
  EXPECT_FALSE(t.tab.type1Threshold[0].enabled());
  t.tab.pwmRamp.setText("7");
  t.tab.pwmRampOn.click();
  EXPECT_FALSE(t.tab.pwmRamp.enabled());
  EXPECT_EQ(t.tab.pwmRamp.text(), "7");
  t.tab.showFanControls(FanTableType::None);
  EXPECT_FALSE(t.tab.lookUpTableMode.visible());
  EXPECT_FALSE(t.tab.type1GraphType.visible());
  EXPECT_FALSE(t.tab.speedCaption.visible());
}

TEST(Modes, RecommendedValues) {
  Tab t;
  t.tab.modes.select(t.tab.lookUpTableMode);
  t.tab.recommendedValuesButton.click();
  EXPECT_TRUE(t.tab.transferFunctionMode.checked());
  EXPECT_EQ(t.tab.tmin.text(), "40");
  EXPECT_EQ(t.tab.tmax.text(), "106");
  EXPECT_EQ(t.tab.dutyCycleMin.text(), "15");
  EXPECT_EQ(t.tab.tslope.text(), "21");
  EXPECT_EQ(t.tab.hysteresis.text(), "24");
  EXPECT_EQ(t.tab.tminHysteresis.text(), "4");
  EXPECT_EQ(t.tab.pwmRamp.text(), "1");
  EXPECT_TRUE(t.tab.pwmRampOn.checked());
  EXPECT_TRUE(t.tab.pwmRamp.enabled());
  EXPECT_EQ(t.tab.type1Threshold[7].text(), "98");
  EXPECT_EQ(t.tab.type1Speed[1].text(), "41");
}

using Segment = std::array<double, 4>;

std::vector<Segment> curve(const FanGraph& graph) {
  std::vector<Segment> out;
  for (const auto& l : graph.segments())
    if (l.kind == GraphLine::Kind::Curve) out.push_back({l.x1, l.y1, l.x2, l.y2});
  return out;
}

TEST(Graphs, StepCurveOfTheRecommendedTableInAnyOrder) {
  const std::vector<Segment> expected = {{0, 0, 60, 0},    {60, 30, 65, 30}, {65, 41, 70, 41},
                                         {70, 50, 75, 50}, {75, 61, 80, 61}, {80, 70, 85, 70},
                                         {85, 81, 90, 81}, {90, 90, 98, 90}, {98, 100, 120, 100}};
  Tab t;
  t.tab.modes.select(t.tab.lookUpTableMode);
  t.table(t.tab.type1Threshold, t.tab.type1Speed, {60, 65, 70, 75, 80, 85, 90, 98}, {30, 41, 50, 61, 70, 81, 90, 100});
  EXPECT_EQ(curve(t.tab.type1Graph), expected);
  EXPECT_EQ(t.tab.type1Graph.segments().size(), expected.size() + 8 * 4);  // 8 markers of 4 lines

  Tab reversed;
  reversed.tab.modes.select(reversed.tab.lookUpTableMode);
  reversed.table(reversed.tab.type1Threshold, reversed.tab.type1Speed, {98, 90, 85, 80, 75, 70, 65, 60},
                 {100, 90, 81, 70, 61, 50, 41, 30});
  EXPECT_EQ(curve(reversed.tab.type1Graph), expected);
}

TEST(Graphs, ContinuousCurveAndTheEdges) {
  Tab t;
  t.tab.type2GraphTypes.select(t.tab.type2ContinuousGraph);
  t.table(t.tab.type2Threshold, t.tab.type2Speed, {0, 20, 30, 30, 40, 50, 60, 120}, {5, 10, 10, 9, 20, 30, 40, 100});
  const std::vector<Segment> expected = {{0, 5, 20, 10},   {20, 10, 30, 10}, {30, 10, 30, 9},   {30, 9, 40, 20},
                                         {40, 20, 50, 30}, {50, 30, 60, 40}, {60, 40, 120, 100}};
  // First threshold 0: no line along the axis, no rise; last 120: no tail.
  // Equal thresholds: "10" sorts before "9".
  EXPECT_EQ(curve(t.tab.type2Graph), expected);

  Tab step;
  step.table(step.tab.type2Threshold, step.tab.type2Speed, {10, 20, 30, 40, 50, 60, 70, 1000},
             {1, 2, 3, 4, 5, 6, 7, 8});
  // "1000" is clamped to 120 by its rule; a threshold of four characters
  // (say 60.5) pads to nothing and counts as 0.
  step.tab.type2Threshold[0].setText("60.5");
  const auto points = sortedLookUpPoints(step.tab.type2Threshold.texts(), step.tab.type2Speed.texts());
  EXPECT_EQ(points.back().threshold, 0);
  EXPECT_EQ(points.back().box, 0);
}

TEST(Graphs, TransferCurveAndGrid) {
  Tab t;
  t.transfer("40", "106", "15");
  EXPECT_EQ(curve(t.tab.type1Graph), (std::vector<Segment>{{0, 15, 40, 15}, {40, 15, 106, 100}, {106, 100, 120, 100}}));
  int grid = 0, axes = 0;
  for (const auto& l : t.tab.type1Graph.lines) {
    grid += l.kind == GraphLine::Kind::Grid;
    axes += l.kind == GraphLine::Kind::Axis;
  }
  EXPECT_EQ(grid, 22);
  EXPECT_EQ(axes, 2);
  const auto markers = t.tab.type1Graph.segments();
  EXPECT_EQ(markers.back().colour, (Rgb{0, 0, 255}));
}

TEST(sortTexts, ComparesUpperCasedCharacterCodes) {
  std::vector<std::string> texts = {"b", "A", "ab", "a", "010", "009", "\xE4x", "\xC4", "10"};
  sortTexts(texts);
  EXPECT_EQ(texts, (std::vector<std::string>{"009", "010", "10", "A", "a", "ab", "b", "\xC4", "\xE4x"}));
}

TEST(MouseEditing, ATransferDragMovesWhatItsPressTookByAsMuchAsThePointerMoved) {
  const struct {
    double pressX, pressY, toX, toY;
    const char *tmin, *tmax, *duty;
  } drags[] = {
      {10, 20, 30, 33, "40", "106", "28"},    // left of Tmin / 2: Duty cycle min only
      {45, 20, 50, 30, "45", "106", "25"},    // the knee: Tmin and Duty cycle min
      {45, 15, 45.4, 60, "40", "106", "60"},  // vertical: Tmin stays
      {45, 15, 200, 15, "105", "106", "15"},  // the knee stops before Tmax
      {100, 90, 90, 10, "40", "96", "15"},    // the end of the rise: Tmax only
      {100, 90, -50, 90, "40", "41", "15"},   // ... and it stops after Tmin
  };
  for (const auto& d : drags) {
    SCOPED_TRACE(testing::Message() << d.pressX << "," << d.pressY << " -> " << d.toX << "," << d.toY);
    Tab t;
    t.transfer("40", "106", "15");  // Tmid 73
    t.tab.type1GraphMouseDown(d.pressX, d.pressY);
    EXPECT_EQ(t.tab.tmin.text(), "40");  // a press alone changes nothing
    EXPECT_EQ(t.tab.dutyCycleMin.text(), "15");
    t.tab.type1GraphMouseMove((d.pressX + d.toX) / 2, (d.pressY + d.toY) / 2, true);
    t.tab.type1GraphMouseMove(d.toX, d.toY, true);
    EXPECT_EQ(t.tab.tmin.text(), d.tmin);
    EXPECT_EQ(t.tab.tmax.text(), d.tmax);
    EXPECT_EQ(t.tab.dutyCycleMin.text(), d.duty);
    t.tab.type1GraphMouseUp();
    EXPECT_FALSE(t.tab.tmin.backColor().has_value());
    t.tab.type1GraphMouseMove(0, 0, true);  // no press: no drag
    EXPECT_EQ(t.tab.dutyCycleMin.text(), d.duty);
  }
}

TEST(MouseEditing, ALookUpDragMovesThePointItTookOnlyAndNeverPastItsNeighbours) {
  const struct {
    double pressX, pressY, toX, toY;
    int box;
    int threshold, speed;
  } drags[] = {
      {61, 35, 95, 35, 2, 69, 30},       // towards its neighbour: held before it
      {60, 30, 60.4, 80, 2, 60, 80},     // vertical: the threshold stays
      {60, 30, 65, 30, 2, 65, 30},       // horizontal: the speed stays
      {38, 15, -10, -40, 0, 0, 0},       // the first point: down to 0
      {108, 50, 200, 200, 7, 120, 100},  // the last point: up to the largest threshold
      {41, 15, 70, 20, 0, 49, 20},       // the first point stops before the second
  };
  for (const bool type2 : {false, true}) {
    for (const auto& d : drags) {
      SCOPED_TRACE(testing::Message() << (type2 ? "type 2 " : "type 1 ") << d.pressX << " -> " << d.toX);
      Tab t;
      ControlArray& thresholds = type2 ? t.tab.type2Threshold : t.tab.type1Threshold;
      ControlArray& speeds = type2 ? t.tab.type2Speed : t.tab.type1Speed;
      if (!type2) t.tab.modes.select(t.tab.lookUpTableMode);
      t.table(thresholds, speeds, {40, 50, 60, 70, 80, 90, 100, 110}, {15, 20, 30, 35, 40, 45, 50, 50});
      const auto down = [&](double x, double y) {
        type2 ? t.tab.type2GraphMouseDown(x, y) : t.tab.type1GraphMouseDown(x, y);
      };
      const auto move = [&](double x, double y) {
        type2 ? t.tab.type2GraphMouseMove(x, y, true) : t.tab.type1GraphMouseMove(x, y, true);
      };
      down(d.pressX, d.pressY);
      EXPECT_EQ(thresholds[d.box].backColor(), (Rgb{0, 255, 0}));
      for (int step = 1; step <= 10; ++step)
        move(d.pressX + (d.toX - d.pressX) * step / 10, d.pressY + (d.toY - d.pressY) * step / 10);
      const std::vector<int> startThresholds = {40, 50, 60, 70, 80, 90, 100, 110};
      const std::vector<int> startSpeeds = {15, 20, 30, 35, 40, 45, 50, 50};
      for (int k = 0; k < kFanTablePoints; ++k) {
        const auto at = static_cast<std::size_t>(k);
        EXPECT_EQ(thresholds[k].text(), std::to_string(k == d.box ? d.threshold : startThresholds[at])) << k;
        EXPECT_EQ(speeds[k].text(), std::to_string(k == d.box ? d.speed : startSpeeds[at])) << k;
      }
      type2 ? t.tab.type2GraphMouseUp() : t.tab.type1GraphMouseUp();
      EXPECT_FALSE(thresholds[d.box].backColor().has_value());
    }
  }
}

TEST(MouseEditing, UnsortedBoxesEditTheBoxesOfTheNearestPointAndTheToolTipFollows) {
  Tab t;
  t.table(t.tab.type2Threshold, t.tab.type2Speed, {90, 10, 20, 30, 40, 50, 60, 70}, {90, 10, 20, 30, 40, 50, 60, 70});
  t.tab.type2GraphMouseDown(88, 95);
  t.tab.type2GraphMouseMove(86, 93, true);
  EXPECT_EQ(t.tab.type2Threshold[0].text(), "88");
  EXPECT_EQ(t.tab.type2Speed[0].text(), "88");
  EXPECT_EQ(t.tab.type2Threshold[7].text(), "70");
  EXPECT_EQ(t.tab.type2Picture.toolTip(),
            "X: 86 \xC2\xB0"
            "C; Y: 93 %");
  t.tab.type2GraphMouseUp();
  EXPECT_FALSE(t.tab.type2Threshold[0].backColor().has_value());
}

}  // namespace
}  // namespace oza
