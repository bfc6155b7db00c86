// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/command_table.h"

namespace oza {

// "check" reports whether an image is sound to flash, "diff" what differs
// between two images.
int runCheck(const ParsedCommand& command, CliContext& context);
int runDiff(const ParsedCommand& command, CliContext& context);

}  // namespace oza
