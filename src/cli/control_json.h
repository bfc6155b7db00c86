// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <vector>

#include "cli/json_text.h"
#include "controls/control.h"
#include "platform/platform.h"

namespace oza {

// One control as {"text", "enabled", "visible", ...}; `extra` adds further
// members.
Json controlJson(const Control& control, const std::function<void(Json&)>& extra = {});
// [{"title", "text", "icon", "buttons"}, ...]
Json messagesJson(const std::vector<Message>& messages);

}  // namespace oza
