// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/command_table.h"

namespace oza {

// "tables" lists the data and command tables of an image and what their
// layout says, whether or not the image loads.
int runTables(const ParsedCommand& command, CliContext& context);

}  // namespace oza
