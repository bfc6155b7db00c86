// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <string>

#include "files/file_reading.h"

namespace oza {

class ProfileEditor;

// Loads a profile file into the editor. An empty `path` asks for the file
// first and receives the chosen path. Failures show "Error loading profile
// file."; a file that cannot be read or is too long changes nothing. True
// when the file was loaded.
bool loadProfile(ProfileEditor& editor, std::string& path);

// The open dialog of the profile editor: the chosen path, or empty text.
std::string askProfileOpenPath(ProfileEditor& editor);

// Reads a whole profile file: a regular file of at most 200,000 bytes.
std::expected<std::string, ReadFailure> readProfileFile(const std::string& path);

}  // namespace oza
