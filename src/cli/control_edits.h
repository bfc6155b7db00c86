#pragma once

#include <string>
#include <vector>

#include "controls/control.h"

namespace oza {

// An edit of a control as the user would make it: typing a text, clicking a
// check or option box, choosing a list entry.
struct ControlEdit {
  enum class Kind { Set, Check, Select };
  Kind kind;
  std::string name;
  std::string value;
};

// Parses "NAME=VALUE"; false when there is no "=".
bool parseEdit(ControlEdit::Kind kind, const std::string& argument, ControlEdit& edit);

// Applies an edit to the named control among `controls`. Returns an empty
// text, or what is wrong (unknown or disabled control, a value it cannot
// take).
std::string applyEdit(const std::vector<Control*>& controls, const ControlEdit& edit);

}  // namespace oza
