// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/command_table.h"

namespace oza {

// "profile-dump" loads a Profiles.xml as the profile editor does and prints
// its controls; "profile-save" applies edits and saves it.
int runProfileDump(const ParsedCommand& command, CliContext& context);
int runProfileSave(const ParsedCommand& command, CliContext& context);

}  // namespace oza
