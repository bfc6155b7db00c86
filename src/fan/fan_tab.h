#pragma once

#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_array.h"
#include "fan/fan_graph.h"
#include "fan/fan_location.h"
#include "fan/fan_settings.h"

namespace oza {

class Platform;

// The fan tab: `Frame4` (type-1 tables and RV770 cards) and `Frame3` (type-2
// tables), their change rules, the graphs and the mouse editing.
class FanTab {
 public:
  explicit FanTab(const FanLocation& location);
  FanTab(const FanTab&) = delete;
  FanTab& operator=(const FanTab&) = delete;

  // Frame4.
  Control Frame4{"Frame4", ControlKind::Frame, "Fan throttle control settings"};
  Control Option4{"Option4", ControlKind::OptionButton, "Use transfer function (recommended)"};
  Control Option5{"Option5", ControlKind::OptionButton, "Use look up table"};
  OptionGroup modes{{&Option4, &Option5}};
  Control Text5{"Text5", ControlKind::TextBox};   // Tmin
  Control Text6{"Text6", ControlKind::TextBox};   // Tmax
  Control Text7{"Text7", ControlKind::TextBox};   // Tslope
  Control Text9{"Text9", ControlKind::TextBox};   // Duty cycle min
  Control Type1Hysteresis{"Type1Hysteresis", ControlKind::TextBox};
  Control Text8{"Text8", ControlKind::TextBox};   // Tmin hysteresis
  Control Text3{"Text3", ControlKind::TextBox};   // Spin up cycle
  Control Text4{"Text4", ControlKind::TextBox};   // Spin up time
  Control Check3{"Check3", ControlKind::CheckBox, "PWM ramp on"};
  Control Text2{"Text2", ControlKind::TextBox};   // PWM ramp
  Control Label53{"Label53", ControlKind::Label, "Threshold (\xC2\xB0" "C):"};
  Control Label54{"Label54", ControlKind::Label, "Fan speed (%):"};
  ControlArray Type1Threshold{"Type1Threshold", ControlKind::TextBox, kFanTablePoints};
  ControlArray Type1FanSpeed{"Type1FanSpeed", ControlKind::TextBox, kFanTablePoints};
  Control Frame6{"Frame6", ControlKind::Frame, "Graph type"};
  Control Option9{"Option9", ControlKind::OptionButton, "Step function"};
  Control Option8{"Option8", ControlKind::OptionButton, "Continuous"};
  OptionGroup graphType1{{&Option9, &Option8}};
  Control Command7{"Command7", ControlKind::CommandButton, "Set all fan settings to recommended values"};
  Control Label67{"Label67", ControlKind::Label, "What do all the settings mean?"};
  Control Picture2{"Picture2", ControlKind::PictureBox};
  Control Command8{"Command8", ControlKind::CommandButton, "Save..."};

  // Frame3.
  Control Frame3{"Frame3", ControlKind::Frame, "Fan throttle control settings"};
  Control Text1{"Text1", ControlKind::TextBox};  // hysteresis
  ControlArray Threshold{"Threshold", ControlKind::TextBox, kFanTablePoints};
  ControlArray FanSpeed{"FanSpeed", ControlKind::TextBox, kFanTablePoints};
  Control Frame5{"Frame5", ControlKind::Frame, "Graph type"};
  Control Option6{"Option6", ControlKind::OptionButton, "Step function"};
  Control Option7{"Option7", ControlKind::OptionButton, "Continuous"};
  OptionGroup graphType2{{&Option6, &Option7}};
  Control Picture5{"Picture5", ControlKind::PictureBox};
  Control Command9{"Command9", ControlKind::CommandButton, "Save..."};

  FanGraph graph2;  // what Picture2 shows
  FanGraph graph5;  // what Picture5 shows

  void showFanControls(FanTableType type);
  void calculateTslope();
  void redrawFanGraph();
  void drawLookUpGraph();
  void drawTransferGraph();
  void drawType2Graph();
  void setRecommendedValues();
  // Empties both look-up tables and both graphs.
  void clearFanTables();

  // Shows decoded registers as texts; false when the duty scale is 0 (the
  // boxes shown until then keep their texts).
  bool showRegisters(const FanRegisterValues& registers);
  // The bytes of a look-up table that were read; false when a speed is to be
  // shown and the scale is 0 (the thresholds are shown by then).
  bool showType1Table(const FanTableBytes& table, int dutyScale);
  bool showType2Table(const FanTableBytes& table, int speedScale);
  void showType2Hysteresis(int hysteresis);

  // The values the user changed, for the table type the load found: a value
  // whose box still shows what the load showed keeps its bytes; Tslope always
  // counts as changed. In look-up mode the values that mode needs are set
  // first and count as changed.
  FanChanges changedSettings();

  // Sets a box as loading does: its rule runs even when the text is the one
  // it already had.
  static void load(Control& box, const std::string& text);

  // Mouse events on the graphs, in graph units.
  void picture2MouseDown(double x, double y);
  void picture2MouseMove(double x, double y, bool leftButton);
  void picture2MouseUp();
  void picture5MouseDown(double x, double y);
  void picture5MouseMove(double x, double y, bool leftButton);
  void picture5MouseUp();

  void collect(std::vector<Control*>& out);

 private:
  void bindRules();
  void editTransfer(double x, double y);
  void editLookUp(ControlArray& thresholds, ControlArray& speeds, double x, double y);
  bool showTable(ControlArray& thresholds, ControlArray& speeds, const FanTableBytes& table, int scale);
  // The boxes it set.
  std::vector<const Control*> applyLookUpModeValues();
  const FanLocation& location_;
};

// "X: 40 °C; Y: 15 %".
std::string pointerToolTip(double x, double y);

}  // namespace oza
