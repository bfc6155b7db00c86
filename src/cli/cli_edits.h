#pragma once

#include <expected>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "controls/control_edits.h"

namespace oza {

// The control edits of --set, --check and --select, in the order given.
std::expected<std::vector<ControlEdit>, std::string> controlEditsOf(const ParsedCommand& command);

// Applies the edits in order; the first one refused is a usage error: its
// message on standard error, and false.
bool applyEdits(const std::vector<Control*>& controls, const std::vector<ControlEdit>& edits, std::ostream& err);

}  // namespace oza
