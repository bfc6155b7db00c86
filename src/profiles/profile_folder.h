// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

// The user's local application data: $XDG_DATA_HOME, else ~/.local/share;
// empty when neither can be found.
std::string localAppDataFolder();

// The folder in which the control centre keeps its profiles, "ATI/ACE/"
// under `localAppData`, or empty text when that folder does not exist.
std::string profileStartFolder(const std::string& localAppData);

}  // namespace oza
