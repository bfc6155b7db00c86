// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "controls/control_edits.h"

namespace oza {

// The control edits of --set, --check and --select, in the order given.
std::expected<std::vector<ControlEdit>, std::string> controlEditsOf(const ParsedCommand& command);

// Applies the edits in order, up to the first one refused: why it was.
std::expected<void, std::string> applyEdits(const std::vector<Control*>& controls,
                                            const std::vector<ControlEdit>& edits);

}  // namespace oza
