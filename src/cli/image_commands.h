// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/command_table.h"

namespace oza {

class ScriptedPlatform;
class Session;

// "dump" and "save": the main window's load and save, with the controls by
// their name strings.
int runDump(const ParsedCommand& command, CliContext& context);
int runSave(const ParsedCommand& command, CliContext& context);

// --dry-run of a save of `session`: prints what the save would change and the
// check of it; fails where the save would, the target included. Writes nothing.
int printDryRun(const ParsedCommand& command, Session& session, const ScriptedPlatform& platform, CliContext& context);

}  // namespace oza
