// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cli/json_text.h"
#include "controls/control.h"
#include "platform/platform.h"

namespace oza {

// {"messages": [...], "controls": {NAME: {"text", "enabled", "visible", ...},
// ...}}, written as text as the members are added: a dump holds hundreds of
// controls, and a tree of them cost more than the rest of the dump.
class ControlsJson {
 public:
  explicit ControlsJson(const std::vector<Message>& messages);
  // `extra` appends further members to the control's, each after a comma of
  // its own.
  void add(const std::string& name, const Control& control, const std::function<void(std::string&)>& extra = {});
  void add(const std::string& name, const Json& value);
  // The whole text; nothing is added after it.
  std::string text();

 private:
  void name(const std::string& name);
  std::string out_;
  bool first_ = true;
};

// [{"title", "text", "icon", "buttons"}, ...]
Json messagesJson(const std::vector<Message>& messages);

}  // namespace oza
