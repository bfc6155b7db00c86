// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_array.h"
#include "profiles/profile_codec.h"
#include "profiles/profile_fields.h"
#include "profiles/profile_folder.h"

namespace oza {

class Platform;

// The profile editor window: four card frames with the eight fields of
// each card, and the profile it shows. The window that owns it (or the
// headless front end) lives as long as it does; nothing of it is global.
class ProfileEditor {
 public:
  explicit ProfileEditor(Platform& platform, std::string localAppData = localAppDataFolder());
  ProfileEditor(const ProfileEditor&) = delete;
  ProfileEditor& operator=(const ProfileEditor&) = delete;

  Platform& platform;

  Control window{"Form4", ControlKind::Form, "Profile editor"};
  ControlArray cardFrame{"Frame", ControlKind::Frame, kProfileCards};
  ControlArray fanSpeedAlgorithm{"FanSpeedAlgo", ControlKind::ComboBox, kProfileCards};
  ControlArray protocol{"Protocol", ControlKind::ComboBox, kProfileCards};
  ControlArray fanSpeed{"FanSpeed", ControlKind::TextBox, kProfileCards};
  ControlArray fanSpeedRpm{"FanSpeedRPM", ControlKind::TextBox, kProfileCards};
  ControlArray coreClock{"CoreClock", ControlKind::TextBox, kProfileCards};
  ControlArray memoryClock{"MemClock", ControlKind::TextBox, kProfileCards};
  ControlArray coreVoltage{"CoreVolt", ControlKind::TextBox, kProfileCards};
  ControlArray memoryVoltage{"MemVolt", ControlKind::TextBox, kProfileCards};
  Control loadButton{"Command1", ControlKind::CommandButton, "&Load profile..."};
  Control saveButton{"Command3", ControlKind::CommandButton, "&Save profile..."};
  Control exitButton{"Command2", ControlKind::CommandButton, "&Exit"};
  Control helpLink{"Label9", ControlKind::Label, "What's this?"};

  // The loaded file; a save puts the window's values into its lines.
  ProfileDocument document;
  // Where it was loaded from or last saved to; empty before.
  std::string path;

  // Whether the boxes hold values other than the file's, as loaded or last
  // saved (numbers compared as numbers).
  bool hasUnsavedEdits();

  // The control array of field `f` in table order.
  ControlArray& field(int f) { return *fields_.at(static_cast<std::size_t>(f)); }
  const ControlArray& field(int f) const { return *fields_.at(static_cast<std::size_t>(f)); }

  // Shows decoded values: a list entry chosen or none, a number or empty text.
  void showValues(const ProfileValues& values);
  // What the window shows for cards 0 to `lastCard`, none for the others: a
  // list without a choice, and a box that still shows what the load showed,
  // give none, so that its line stays as it is.
  ProfileValues shownValues(int lastCard) const;
  // Enables the frame of each card whose fan algorithm or protocol the
  // document holds, and in it disables the boxes a save cannot write.
  void enableCardsWithFanSettings();
  // The frame that holds `control`, or null for a control outside the frames.
  const Control* frameOf(const Control& control) const;

  // Where the open dialog starts: the control centre's folder, if it exists.
  std::string startFolder() const { return profileStartFolder(localAppData_); }

  // helpLink: what the window is for.
  void showHelp();

  // exitButton closes the window; the window follows this flag.
  bool unloaded() const { return unloaded_; }
  void unload() { unloaded_ = true; }

  void collect(std::vector<Control*>& out);

 private:
  std::array<ControlArray*, kProfileFields> fields_{&fanSpeedAlgorithm, &protocol,    &fanSpeed,    &fanSpeedRpm,
                                                    &coreClock,         &memoryClock, &coreVoltage, &memoryVoltage};
  std::string localAppData_;
  bool unloaded_ = false;
};

// Empties the window: every frame disabled, the boxes in them enabled, both
// lists of each card refilled without a selection, every number empty.
void resetProfileView(ProfileEditor& editor);

// Before a load or closing would take the editor's edits away: when there
// are edits not yet saved, asks whether to save them. True when the caller
// may go on.
bool settleProfileEdits(ProfileEditor& editor);

}  // namespace oza
