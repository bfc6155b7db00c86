// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

// The file named on the command line: the whole line without its double
// quotes.
std::string commandLineFile(const std::string& commandLine);

// Whether a dropped or named file goes to the profile editor: its last three
// characters are "xml" in any case.
bool isProfilePath(const std::string& path);

}  // namespace oza
