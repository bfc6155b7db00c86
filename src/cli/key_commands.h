// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/command_table.h"

namespace oza {

// "get", "set" and "keys": the image's values under their keys, typed.
int runGet(const ParsedCommand& command, CliContext& context);
int runSet(const ParsedCommand& command, CliContext& context);
int runKeys(const ParsedCommand& command, CliContext& context);

}  // namespace oza
