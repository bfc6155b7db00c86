// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/real_roms.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace oza::test {

namespace {

std::filesystem::path folder() {
  if (const char* named = std::getenv("OZA_REAL_ROMS")) return named;
  return OZA_REAL_ROMS_DIR;
}

}  // namespace

std::vector<std::string> realRomPaths() {
  std::vector<std::string> paths;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder(), error))
    if (entry.path().extension() == ".rom") paths.push_back(entry.path().string());
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::string realRomPath(const std::string& name) {
  const std::filesystem::path path = folder() / name;
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) ? path.string() : std::string();
}

}  // namespace oza::test
