// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/command_table.h"

namespace oza {

// "dump" and "save": the main window's load and save, with the controls by
// their name strings.
int runDump(const ParsedCommand& command, CliContext& context);
int runSave(const ParsedCommand& command, CliContext& context);

}  // namespace oza
