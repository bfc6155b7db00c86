// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/command_table.h"

namespace oza {

// "cards" lists the installed display devices of vendor 0x1002 as JSON;
// "read-card" reads one card's BIOS into a file and prints the JSON of
// loading that file. The device tree is the one of sysfsRoot().
int runCards(const ParsedCommand& command, CliContext& context);
int runReadCard(const ParsedCommand& command, CliContext& context);

}  // namespace oza
