// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "files/file_write_seams.h"

namespace oza {

class Platform;

// Creates a new empty file in `folder` named with the first three characters
// of `prefix`, 64 random bits in hexadecimal and ".tmp", readable and
// writable by the user alone. The name is never opened when it exists, even
// as a link that points nowhere, so nobody sharing the folder can make the
// program create or overwrite a file of their choice. The path, or "" when no
// file could be made.
std::string createTempFile(const std::string& folder, const std::string& prefix, const FileWriteSeams& seams = {});

// Writes `bytes` into a file that createTempFile made, replacing what it
// holds. Refuses a link, and any file that is not a regular file of this
// user, in case the name was swapped since.
bool writeCreatedFile(const std::string& path, std::string_view bytes);

// A folder for temporary files that only this user can write into: the
// session's runtime folder, else ".cache/oza" in the home folder (made when
// missing). "" when neither is usable.
std::string privateTempFolder();

// The platform's temporary folder, or a folder of the user's own when it
// names none (see privateTempFolder).
std::string tempFolder(Platform& platform);
// A new empty file in the temporary folder, made by createTempFile: the first
// three characters of `prefix`, 64 random bits, ".tmp"; "" when none could be
// made.
std::string tempFilePath(Platform& platform, const std::string& prefix);
bool deleteTempFile(const std::string& path);
// A new file made by tempFilePath that holds `bytes`, written into the file
// just made, never through a link that may have taken its name since; "" when
// none could be made or written, and nothing is left behind then, also when a
// signal asks the program to stop meanwhile.
std::string writeTempFile(Platform& platform, const std::string& prefix, std::string_view bytes);

}  // namespace oza
