// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

class Session;

// "Save BIOS...": writes every tab into a copy of the loaded image, restores
// the loaded byte sum, shows what the save will change (and what the check
// says of it), asks for a file name and writes the copy; the saved file is
// then the window's image. Every stop shows its message (a cancelled review
// or dialog, or a No, shows none). True when the file was written.
bool saveBiosFile(Session& session);

std::string saveBiosDialog(Session& session);

// Whether a save would write to `path`: the refusals and the overwrite
// question of saveBiosFile, with their messages; nothing is written.
bool saveTargetAccepted(Session& session, const std::string& path);

}  // namespace oza
