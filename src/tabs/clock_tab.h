// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_array.h"
#include "document/card_tables.h"
#include "document/shown_values.h"
#include "powerplay/clock_records.h"
#include "powerplay/powerplay_states.h"

namespace oza {

class Platform;
struct LoadedImage;

inline constexpr int kBands = 4;

// The clock tab: twenty clock info blocks in four bands, the lock,
// the PowerPlay state list and the Overdrive values.
class ClockTab {
 public:
  ClockTab();
  ClockTab(const ClockTab&) = delete;
  ClockTab& operator=(const ClockTab&) = delete;

  Control clockFrame{"Frame1", ControlKind::Frame, "Clock-/voltage settings"};
  ControlArray blockCaption{"ClockInfo", ControlKind::Label, kClockBlocks};
  ControlArray gpuClock{"GPU", ControlKind::TextBox, kClockBlocks};
  ControlArray memoryClock{"RAM", ControlKind::TextBox, kClockBlocks};
  ControlArray voltage{"Voltage", ControlKind::TextBox, kClockBlocks};
  ControlArray gpuCaption{"GPU_MHz", ControlKind::Label, kBands};
  ControlArray memoryCaption{"RAM_MHz", ControlKind::Label, kBands};
  ControlArray voltageCaption{"Voltage_V", ControlKind::Label, kBands};
  Control bandScroll{"VScroll1", ControlKind::ScrollBar};
  Control recordCount{"States", ControlKind::Label};
  Control lock{"Check2", ControlKind::CheckBox, "Locked"};
  Control lockHelpLink{"Label58", ControlKind::Label, "Why would I lock my clock infos?"};

  Control stateList{"List1", ControlKind::ListBox};
  Control lowModeIndex{"Label92", ControlKind::Label, "0"};
  Control mediumModeIndex{"Label93", ControlKind::Label, "0"};
  Control highModeIndex{"Label94", ControlKind::Label, "0"};
  Control stateHelpLink{"Label96", ControlKind::Label, "Help"};

  Control standardGpuCaption{"Label97", ControlKind::Label, "Standard clock GPU:"};
  Control standardRamCaption{"Label98", ControlKind::Label, "Standard clock RAM:"};
  Control gpuLimitCaption{"Label99", ControlKind::Label, "Upper limit GPU:"};
  Control ramLimitCaption{"Label100", ControlKind::Label, "Upper limit RAM:"};
  Control standardGpuClock{"Label101", ControlKind::Label, "MHz"};
  Control standardRamClock{"Label102", ControlKind::Label, "MHz"};
  Control ramLimit{"Label103", ControlKind::Label, "MHz"};
  Control gpuLimit{"Label104", ControlKind::Label, "MHz"};
  // What the boot state runs at: FirmwareInfo's values, not its records'.
  Control bootNote{"BootNote", ControlKind::Label};

  // Shows a loaded image: its states, its Overdrive clocks and limits, the
  // number of its records and the first of them, locked as the lock is.
  void show(const LoadedImage& image);
  // Rebuilds the state list from a table's states, or clears it.
  void showStates(const PowerPlayStates& states);

  // What a save writes into the first records the load found (at most 16):
  // the values of the boxes that no longer show what was loaded.
  // `illegal`, where given, names the box of an illegal value.
  ClockChanges changedSettings(const Control** illegal = nullptr) const;

  // Empties and enables every block, then unlocks.
  void clearClockBlocks();
  // Applies the lock to the blocks and disables the blocks beyond the count.
  void applyClockInfoLock();
  // Copies the source blocks of one kind of box into their followers.
  void mirrorLockedBlocks(ControlArray& boxes);

  // The number of records the loaded image has (0 before a load).
  int statesShown() const { return records_; }

  // State list events.
  void listClick();
  void listMouseDown();
  void listMouseUp();

  // Vertical offset of the four bands after scrolling (0 at the top).
  int bandOffset() const { return -lastScrollValue; }
  int lastScrollValue = 0;

  void showLockHelp(Platform& platform) const;
  // The save dialog's default file name, made of what the 2D and 3D clock
  // infos (blocks 1 and 3) show.
  std::string defaultFileName() const;

  void collect(std::vector<Control*>& out);

 private:
  void setBlockEnabled(int block, bool enabled);
  void colourBlock(const std::optional<int>& block, Rgb colour);
  void showClockInfos(const std::vector<ClockInfo>& records);
  void showOverdrive(const std::optional<OverdriveClocks>& clocks);
  // Marks the voltage boxes whose value the regulator cannot set as it is.
  void markVoltageLevels();
  void showCard(const CardTables& card);

  PowerPlayStates states_;
  CardTables card_;
  int records_ = 0;
};

// The help on PowerPlay states of the text window.
std::string powerPlayHelpText();

}  // namespace oza
