// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <optional>
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

// Parses "NAME=VALUE"; nothing when there is no name before a "=".
std::optional<ControlEdit> parseEdit(ControlEdit::Kind kind, const std::string& argument);

// Applies an edit to the named control among `controls`, or says what is
// wrong (an unknown or disabled control, a value it does not take).
std::expected<void, std::string> applyEdit(const std::vector<Control*>& controls, const ControlEdit& edit);

}  // namespace oza
