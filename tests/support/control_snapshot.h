// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <vector>

#include "controls/control.h"

namespace oza::test {

// Everything a user can see of a set of controls, by name: comparing two
// snapshots tells whether anything in a window changed.
struct ControlState {
  std::string text;
  bool enabled, visible, checked;
  int listIndex, value;
  std::vector<std::string> items;
  friend bool operator==(const ControlState&, const ControlState&) = default;
};

inline std::map<std::string, ControlState> snapshot(const std::vector<Control*>& controls) {
  std::map<std::string, ControlState> states;
  for (const Control* c : controls)
    states[c->name() + "#" + std::to_string(states.size())] = {c->text(),      c->enabled(), c->visible(), c->checked(),
                                                               c->listIndex(), c->value(),   c->items()};
  return states;
}

// The names of the controls whose states differ between two snapshots.
inline std::vector<std::string> changedControls(const std::map<std::string, ControlState>& before,
                                                const std::map<std::string, ControlState>& after) {
  std::vector<std::string> changed;
  for (const auto& [name, state] : before) {
    const auto found = after.find(name);
    if (found == after.end() || !(found->second == state)) changed.push_back(name);
  }
  return changed;
}

}  // namespace oza::test
