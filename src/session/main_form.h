#pragma once

#include <vector>

#include "controls/control.h"
#include "fan/fan_tab.h"
#include "image/info_tab.h"
#include "powerplay/clock_tab.h"

namespace oza {

// The controls of the main window `Form1` that belong to no tab page, and
// the tab pages themselves.
struct MainForm {
  explicit MainForm(const FanLocation& fanLocation) : fan(fanLocation) {}

  Control Form1{"Form1", ControlKind::Form};

  Control Command1{"Command1", ControlKind::CommandButton, "&Load BIOS..."};
  Control Command2{"Command2", ControlKind::CommandButton, "&Save BIOS..."};
  Control Command3{"Command3", ControlKind::CommandButton, "&About..."};
  Control Command4{"Command4", ControlKind::CommandButton, "Get Win&Flash!"};
  Control Command5{"Command5", ControlKind::CommandButton, "&Exit"};
  Control Command6{"Command6", ControlKind::CommandButton, "FA&Q..."};
  Control Command10{"Command10", ControlKind::CommandButton, "Check for new &OZA version..."};
  Control Command11{"Command11", ControlKind::CommandButton, "&Profile editor..."};

  Control Option1{"Option1", ControlKind::OptionButton, "&Clock settings"};
  Control Option2{"Option2", ControlKind::OptionButton, "Fan se&ttings"};
  Control Option3{"Option3", ControlKind::OptionButton, "&Information"};
  OptionGroup tabs{{&Option1, &Option2, &Option3}};

  Control Label48{"Label48", ControlKind::Label, "Loaded BIOS file:"};
  Control Label49{"Label49", ControlKind::Label};
  Control Label55{"Label55", ControlKind::Label, "Developed in cooperation with"};
  Control Picture1{"Picture1", ControlKind::PictureBox};

  Control FileMother{"FileMother", ControlKind::MenuItem, "&File"};
  Control BLoad{"BLoad", ControlKind::MenuItem, "&Load BIOS..."};
  Control BSave{"BSave", ControlKind::MenuItem, "&Save BIOS..."};
  Control BCheck{"BCheck", ControlKind::MenuItem, "Check BIOS..."};
  Control BCompare{"BCompare", ControlKind::MenuItem, "Compare with..."};
  Control KeinName{"KeinName", ControlKind::MenuItem, "-"};
  Control PE{"PE", ControlKind::MenuItem, "&Profile editor..."};
  Control KeinName2{"KeinName2", ControlKind::MenuItem, "-"};
  Control Exit{"Exit", ControlKind::MenuItem, "&Exit"};
  Control Info{"Info", ControlKind::MenuItem, "&Info"};
  Control FAQ{"FAQ", ControlKind::MenuItem, "FA&Q..."};
  Control About{"About", ControlKind::MenuItem, "&About..."};

  InfoTab info;
  ClockTab clock;
  FanTab fan;

  void collect(std::vector<Control*>& out);
};

}  // namespace oza
