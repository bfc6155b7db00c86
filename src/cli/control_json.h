#pragma once

#include <vector>

#include "cli/json_writer.h"
#include "controls/control.h"
#include "platform/platform.h"

namespace oza {

// One control as {"text", "enabled", "visible", ...} under its name.
void writeControl(JsonWriter& json, const Control& control, const std::string& key);
void writeMessages(JsonWriter& json, const std::vector<Message>& messages);

}  // namespace oza
