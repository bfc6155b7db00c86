#pragma once

#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_array.h"
#include "powerplay/clock_records.h"
#include "powerplay/powerplay_states.h"

namespace oza {

class Platform;

// What the boxes of the first records ask a save to write, up to the first
// box whose text is no value its field can take (`illegal`); that record
// holds the fields before it.
struct ClockChanges {
  std::vector<ClockInfoChange> records;
  bool illegal = false;
};

inline constexpr int kClockBlocks = 20;
inline constexpr int kBands = 4;

// The clock tab `Frame1`: twenty clock info blocks in four bands, the lock,
// the PowerPlay state list and the Overdrive values.
class ClockTab {
 public:
  ClockTab();
  ClockTab(const ClockTab&) = delete;
  ClockTab& operator=(const ClockTab&) = delete;

  Control Frame1{"Frame1", ControlKind::Frame, "Clock-/voltage settings"};
  ControlArray ClockInfo{"ClockInfo", ControlKind::Label, kClockBlocks};
  ControlArray GPU{"GPU", ControlKind::TextBox, kClockBlocks};
  ControlArray RAM{"RAM", ControlKind::TextBox, kClockBlocks};
  ControlArray Voltage{"Voltage", ControlKind::TextBox, kClockBlocks};
  ControlArray GPU_MHz{"GPU_MHz", ControlKind::Label, kBands};
  ControlArray RAM_MHz{"RAM_MHz", ControlKind::Label, kBands};
  ControlArray Voltage_V{"Voltage_V", ControlKind::Label, kBands};
  Control VScroll1{"VScroll1", ControlKind::ScrollBar};
  Control States{"States", ControlKind::Label};
  Control Check2{"Check2", ControlKind::CheckBox, "Locked"};
  Control Label58{"Label58", ControlKind::Label, "Why would I lock my clock infos?"};

  Control List1{"List1", ControlKind::ListBox};
  Control Label92{"Label92", ControlKind::Label, "0"};
  Control Label93{"Label93", ControlKind::Label, "0"};
  Control Label94{"Label94", ControlKind::Label, "0"};
  Control Label96{"Label96", ControlKind::Label, "Help"};

  Control Label97{"Label97", ControlKind::Label, "Standard clock GPU:"};
  Control Label98{"Label98", ControlKind::Label, "Standard clock RAM:"};
  Control Label99{"Label99", ControlKind::Label, "Upper limit GPU:"};
  Control Label100{"Label100", ControlKind::Label, "Upper limit RAM:"};
  Control Label101{"Label101", ControlKind::Label, "MHz"};
  Control Label102{"Label102", ControlKind::Label, "MHz"};
  Control Label103{"Label103", ControlKind::Label, "MHz"};
  Control Label104{"Label104", ControlKind::Label, "MHz"};

  // The states of the last revision-4 table read.
  const PowerPlayStates& powerPlayStates() const { return states_; }
  // Rebuilds the state list from a table's states, or clears it.
  void showStates(const PowerPlayStates& states);

  // Shows the records in the first blocks.
  void showClockInfos(const std::vector<oza::ClockInfo>& records);
  // The values the boxes of the first `recordCount` blocks hold where they
  // no longer show what was loaded.
  ClockChanges clockChanges(int recordCount) const;
  // Shows the Overdrive clocks and limits, those that were read.
  void showOverdrive(const OverdriveClocks& clocks);

  // Empties and enables every block, then unlocks.
  void clearClockBlocks();
  // Applies the lock to the blocks and disables the blocks beyond the count.
  void applyClockInfoLock();
  // Copies the source blocks of one kind of box into their followers.
  void mirrorLockedBlocks(ControlArray& boxes);

  // The number the label `States` shows (0 when it is empty).
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
