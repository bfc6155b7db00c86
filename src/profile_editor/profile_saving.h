// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "files/file_replacing.h"

namespace oza {

class ProfileEditor;

// "Save profile...": puts what the window shows into the recorded value lines
// of cards 0 up to the highest enabled one, asks for a file name and writes
// every line. Does nothing while card 0's frame is disabled, and refuses an
// edit the saved file would not read back as the window shows it. True when
// the file was written; every other stop but a cancel or a No shows its
// message.
bool saveProfile(ProfileEditor& editor);

// The save dialog of the profile editor: the chosen path, or empty text.
std::string askProfileSavePath(ProfileEditor& editor);

// Writes the editor's lines to `path`. An existing file is replaced only once
// the new one is complete.
WriteResult writeProfileToFile(const ProfileEditor& editor, const std::string& path);

}  // namespace oza
