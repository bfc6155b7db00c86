// SPDX-License-Identifier: GPL-3.0-or-later

#include "profiles/profile_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace oza {

std::string localAppDataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  // A relative value is invalid and is ignored, as other programs do.
  if (data && data[0] == '/') return data;
  const char* home = std::getenv("HOME");
  if (home && home[0] != '\0') return std::string(home) + "/.local/share";
  return {};
}

std::string profileStartFolder(const std::string& localAppData) {
  if (localAppData.empty()) return {};
  std::string folder = localAppData;
  if (folder.back() != '/') folder += '/';
  folder += "ATI/ACE/";
  std::error_code error;
  return std::filesystem::is_directory(folder, error) ? folder : std::string();
}

}  // namespace oza
