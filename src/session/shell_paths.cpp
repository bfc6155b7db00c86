// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/shell_paths.h"

#include <algorithm>

#include "text/number_text.h"

namespace oza {

std::string commandLineFile(const std::string& commandLine) {
  std::string path = commandLine;
  path.erase(std::remove(path.begin(), path.end(), '"'), path.end());
  return path;
}

bool isProfilePath(const std::string& path) {
  return path.size() >= 3 && toLower(path.substr(path.size() - 3)) == "xml";
}

}  // namespace oza
