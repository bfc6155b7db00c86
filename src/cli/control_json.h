#pragma once

#include <functional>
#include <vector>

#include "cli/json_writer.h"
#include "controls/control.h"
#include "platform/platform.h"

namespace oza {

// One control as {"text", "enabled", "visible", ...} under its name;
// `extra` adds further members.
void writeControl(JsonWriter& json, const Control& control, const std::string& key,
                  const std::function<void(JsonWriter&)>& extra = {});
void writeMessages(JsonWriter& json, const std::vector<Message>& messages);

}  // namespace oza
