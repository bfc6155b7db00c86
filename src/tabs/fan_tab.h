// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <expected>
#include <optional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_array.h"
#include "document/shown_values.h"
#include "fan/fan_graph.h"
#include "fan/fan_location.h"
#include "fan/fan_settings.h"
#include "fan/fan_writer.h"

namespace oza {

class Platform;
struct FanReading;

// A box whose text a save cannot write as typed: the code of the fan
// writer's message, the box, why, and the rule that says what it takes.
struct FanRefusal {
  FanWriteError code;
  const Control* box;
  std::string why;
  NumberRule takes;
};

// The fan tab: the settings of type-1 tables and RV770 cards and those of
// type-2 tables, their change rules, the graphs and the mouse editing. Each
// control's name string is the name the window, oza-cli and JSON know it by.
class FanTab {
 public:
  FanTab();
  FanTab(const FanTab&) = delete;
  FanTab& operator=(const FanTab&) = delete;

  // Type-1 tables and RV770 cards: registers and look-up table.
  Control type1Frame{"Frame4", ControlKind::Frame, "Fan throttle control settings"};
  Control transferFunctionMode{"Option4", ControlKind::OptionButton, "Use transfer function (recommended)"};
  Control lookUpTableMode{"Option5", ControlKind::OptionButton, "Use look up table"};
  OptionGroup modes{{&transferFunctionMode, &lookUpTableMode}};
  Control tmin{"Text5", ControlKind::TextBox};
  Control tmax{"Text6", ControlKind::TextBox};
  Control tslope{"Text7", ControlKind::TextBox};
  Control dutyCycleMin{"Text9", ControlKind::TextBox};
  Control hysteresis{"Type1Hysteresis", ControlKind::TextBox};
  Control tminHysteresis{"Text8", ControlKind::TextBox};
  Control spinUpCycle{"Text3", ControlKind::TextBox};
  Control spinUpTime{"Text4", ControlKind::TextBox};
  Control pwmRampOn{"Check3", ControlKind::CheckBox, "PWM ramp on"};
  Control pwmRamp{"Text2", ControlKind::TextBox};
  // Beside Tslope: the Tslope the image stores, where it is not the one the
  // box computes (a save keeps it until Tmin, Tmax or Duty cycle min change).
  // Beside Tslope: the Tslope that Tmin, Tmax and Duty cycle min give, when
  // the box holds another.
  Control computedTslopeHint{"ComputedTslope", ControlKind::Label};
  Control thresholdCaption{"Label53", ControlKind::Label,
                           "Threshold (\xC2\xB0"
                           "C):"};
  Control speedCaption{"Label54", ControlKind::Label, "Fan speed (%):"};
  ControlArray type1Threshold{"Type1Threshold", ControlKind::TextBox, kFanTablePoints};
  ControlArray type1Speed{"Type1FanSpeed", ControlKind::TextBox, kFanTablePoints};
  Control type1GraphType{"Frame6", ControlKind::Frame, "Graph type"};
  Control type1StepGraph{"Option9", ControlKind::OptionButton, "Step function"};
  Control type1ContinuousGraph{"Option8", ControlKind::OptionButton, "Continuous"};
  OptionGroup type1GraphTypes{{&type1StepGraph, &type1ContinuousGraph}};
  Control recommendedValuesButton{"Command7", ControlKind::CommandButton, "Set all fan settings to recommended values"};
  Control settingsHelpLink{"Label67", ControlKind::Label, "What do all the settings mean?"};
  Control type1Picture{"Picture2", ControlKind::PictureBox};
  Control saveType1GraphButton{"Command8", ControlKind::CommandButton, "Save..."};

  // Type-2 tables.
  Control type2Frame{"Frame3", ControlKind::Frame, "Fan throttle control settings"};
  Control type2Hysteresis{"Text1", ControlKind::TextBox};
  ControlArray type2Threshold{"Threshold", ControlKind::TextBox, kFanTablePoints};
  ControlArray type2Speed{"FanSpeed", ControlKind::TextBox, kFanTablePoints};
  Control type2GraphType{"Frame5", ControlKind::Frame, "Graph type"};
  Control type2StepGraph{"Option6", ControlKind::OptionButton, "Step function"};
  Control type2ContinuousGraph{"Option7", ControlKind::OptionButton, "Continuous"};
  OptionGroup type2GraphTypes{{&type2StepGraph, &type2ContinuousGraph}};
  Control type2Picture{"Picture5", ControlKind::PictureBox};
  Control saveType2GraphButton{"Command9", ControlKind::CommandButton, "Save..."};

  FanGraph type1Graph;  // what type1Picture shows
  FanGraph type2Graph;  // what type2Picture shows

  // The parts of one look-up table editor: its rows of boxes, its graph and
  // the graph's controls and mouse events. The type-1 and type-2 pages each
  // have one.
  struct LookUpTable {
    ControlArray& thresholds;
    ControlArray& speeds;
    Control& graphType;
    Control& stepGraph;
    Control& continuousGraph;
    Control& picture;
    Control& saveButton;
    FanGraph& graph;
    void (FanTab::*mouseDown)(double x, double y);
    void (FanTab::*mouseMove)(double x, double y, bool leftButton);
    void (FanTab::*mouseUp)();
  };
  LookUpTable type1Table();
  LookUpTable type2Table();

  // Shows what the load read of the fan, as far as it read it: the boxes of
  // what it could not read keep their texts.
  void show(const FanReading& fan);

  void showFanControls(FanTableType type);
  void calculateTslope();
  // Shows computedTslopeHint where the computed Tslope is not what the box holds.
  void showComputedTslope();
  void redrawFanGraph();
  void drawLookUpGraph();
  void drawTransferGraph();
  void drawType2Graph();
  void setRecommendedValues();
  // Empties both look-up tables and both graphs.
  void clearFanTables();
  // Redraws what the tab showed, after its boxes were set without their rules.
  void redrawShownGraphs();

  // What a save writes, for the table type the load found at `location`: a
  // value whose box still shows what the load showed keeps its bytes; in
  // look-up mode the values that mode needs count as changed. No box
  // changes. The first box whose text cannot be written as typed (no whole
  // number, beyond what its field holds) refuses the save.
  std::expected<FanChanges, FanRefusal> changedSettings(const FanLocation& location) const;

  // Sets a box as loading does: its rule runs even when the text is the one
  // it already had.
  static void load(Control& box, const std::string& text);

  // Mouse events on the graphs, in graph units. A press takes the nearest
  // point (on the transfer graph: the knee or the end of the rise it is
  // nearest); a drag moves that point only, by as much as the pointer moved,
  // and never past its neighbours.
  void type1GraphMouseDown(double x, double y);
  void type1GraphMouseMove(double x, double y, bool leftButton);
  void type1GraphMouseUp();
  void type2GraphMouseDown(double x, double y);
  void type2GraphMouseMove(double x, double y, bool leftButton);
  void type2GraphMouseUp();

  void collect(std::vector<Control*>& out);

 private:
  void bindRules();
  // The rule of the mode options and the PWM ramp box: which boxes are
  // enabled, and the graph.
  void modeChanged();
  // Whether Tmin, Tmax or Duty cycle min hold other numbers than at the last
  // call.
  bool slopeInputsChanged();
  std::array<double, 3> slopeInputs_{};
  // Ticks the PWM ramp box with its rule, as a click on it would.
  void turnPwmRampOn();
  void pressTransfer(double x, double y);
  void dragTransfer(double x, double y);
  void pressLookUp(ControlArray& thresholds, ControlArray& speeds, double x, double y);
  void dragLookUp(ControlArray& thresholds, ControlArray& speeds, double x, double y);
  void endDrag(ControlArray& thresholds, ControlArray& speeds);
  // Marks what the graph cannot show as typed: Tmin not below Tmax, a
  // look-up speed below the one of the point before.
  void markTransferOrder();
  void markFallingSpeeds(ControlArray& thresholds, ControlArray& speeds);
  // The values the look-up mode writes whatever the boxes show, with the
  // Tslope that a Tmin of 0 gives.
  std::vector<std::pair<const Control*, double>> lookUpModeValues() const;
  // Shows decoded registers as texts; false when the duty scale is 0 (the
  // boxes shown until then keep their texts).
  bool showRegisters(const FanRegisterValues& registers);
  // The bytes of a look-up table that were read; false when a speed is to be
  // shown and the scale is 0 (the thresholds are shown by then).
  bool showTable(ControlArray& thresholds, ControlArray& speeds, const FanTableBytes& table, int scale);
  FanTableType tableType_ = FanTableType::None;
  bool graphsShown_ = false;

  // The point a press took, while the button is held.
  struct Drag {
    enum class Kind { None, Transfer, LookUp } kind = Kind::None;
    int zone = 0;  // transfer: 0 Duty cycle min, 1 the knee (Tmin and Duty cycle min), 2 Tmax
    int box = 0;   // look-up: the boxes of the point
    double pressX = 0, pressY = 0;
    int startX = 0, startY = 0;   // the point's values at the press
    int lowest = 0, highest = 0;  // how far its threshold may go
  } drag_;
};

// "X: 40 °C; Y: 15 %".
std::string pointerToolTip(double x, double y);

}  // namespace oza
