#pragma once

#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_array.h"
#include "powerplay/clock_records.h"
#include "powerplay/powerplay_states.h"

namespace oza {

class Platform;

inline constexpr int kClockBlocks = 20;
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

  // The states of the last revision-4 table read.
  const PowerPlayStates& powerPlayStates() const { return states_; }
  // Rebuilds the state list from a table's states, or clears it.
  void showStates(const PowerPlayStates& states);

  // Shows the records in the first blocks.
  void showClockInfos(const std::vector<ClockInfo>& records);
  // What a save writes into the first `records` records the load found (at
  // most 16): the values of the boxes that no longer show what was loaded.
  ClockChanges changedSettings(int records) const;
  // Shows the Overdrive clocks and limits, those that were read.
  void showOverdrive(const OverdriveClocks& clocks);

  // Empties and enables every block, then unlocks.
  void clearClockBlocks();
  // Applies the lock to the blocks and disables the blocks beyond the count.
  void applyClockInfoLock();
  // Copies the source blocks of one kind of box into their followers.
  void mirrorLockedBlocks(ControlArray& boxes);

  // The number the label `recordCount` shows (0 when it is empty).
  int statesShown() const;

  // State list events.
  void listClick();
  void listMouseDown();
  void listMouseUp();

  // Vertical offset of the four bands after scrolling (0 at the top).
  int bandOffset() const { return -lastScrollValue; }
  int lastScrollValue = 0;

  void showLockHelp(Platform& platform) const;

  void collect(std::vector<Control*>& out);

 private:
  void setBlockEnabled(int block, bool enabled);
  void colourBlock(int block, Rgb colour);

  PowerPlayStates states_;
};


// The help on PowerPlay states of the text window.
std::string powerPlayHelpText();

}  // namespace oza
