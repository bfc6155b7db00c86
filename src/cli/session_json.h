// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "cli/json_text.h"

#include "platform/scripted_platform.h"
#include "session/session.h"

namespace oza {

// {"messages": [...], "controls": {...}} of a session of the main window.
std::string sessionJson(Session& session, const ScriptedPlatform& platform);
// The same as a value, for commands that add fields of their own (read
// back from the text: those are rare and small).
Json sessionJsonValue(Session& session, const ScriptedPlatform& platform);

}  // namespace oza
