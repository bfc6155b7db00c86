// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "controls/control.h"
#include "tabs/clock_tab.h"
#include "tabs/fan_tab.h"
#include "tabs/info_tab.h"

namespace oza {

// The controls of the main window that belong to no tab page, and
// the tab pages themselves.
struct MainForm {
  Control window{"Form1", ControlKind::Form};

  Control loadButton{"Command1", ControlKind::CommandButton, "&Load BIOS..."};
  Control saveButton{"Command2", ControlKind::CommandButton, "&Save BIOS..."};
  Control aboutButton{"Command3", ControlKind::CommandButton, "&About..."};
  Control winFlashButton{"Command4", ControlKind::CommandButton, "Get Win&Flash!"};
  Control exitButton{"Command5", ControlKind::CommandButton, "&Exit"};
  Control faqButton{"Command6", ControlKind::CommandButton, "FA&Q..."};
  Control versionCheckButton{"Command10", ControlKind::CommandButton, "Check for new &OZA version..."};
  Control profileEditorButton{"Command11", ControlKind::CommandButton, "&Profile editor..."};

  Control clockTabButton{"Option1", ControlKind::OptionButton, "&Clock settings"};
  Control fanTabButton{"Option2", ControlKind::OptionButton, "Fan se&ttings"};
  Control infoTabButton{"Option3", ControlKind::OptionButton, "&Information"};
  OptionGroup tabs{{&clockTabButton, &fanTabButton, &infoTabButton}};

  Control loadedFileCaption{"Label48", ControlKind::Label, "Loaded BIOS file:"};
  Control loadedFile{"Label49", ControlKind::Label};
  Control cooperationCaption{"Label55", ControlKind::Label, "Developed in cooperation with"};
  Control publisherLogo{"Picture1", ControlKind::PictureBox};

  Control fileMenu{"FileMother", ControlKind::MenuItem, "&File"};
  Control loadItem{"BLoad", ControlKind::MenuItem, "&Load BIOS..."};
  Control saveItem{"BSave", ControlKind::MenuItem, "&Save BIOS..."};
  Control checkItem{"BCheck", ControlKind::MenuItem, "&Check BIOS..."};
  Control compareItem{"BCompare", ControlKind::MenuItem, "Co&mpare with..."};
  Control fileSeparator{"KeinName", ControlKind::MenuItem, "-"};
  Control profileEditorItem{"PE", ControlKind::MenuItem, "&Profile editor..."};
  Control exitSeparator{"KeinName2", ControlKind::MenuItem, "-"};
  Control exitItem{"Exit", ControlKind::MenuItem, "&Exit"};
  Control infoMenu{"Info", ControlKind::MenuItem, "&Info"};
  Control faqItem{"FAQ", ControlKind::MenuItem, "FA&Q..."};
  Control aboutItem{"About", ControlKind::MenuItem, "&About..."};

  InfoTab info;
  ClockTab clock;
  FanTab fan;

  void collect(std::vector<Control*>& out);
};

}  // namespace oza
