// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/temp_trap.h"

#include <filesystem>

#include "support/temp_dir.h"

namespace oza::test {

namespace fs = std::filesystem;

namespace {
constexpr int kWeakNames = 65535;
constexpr int kStride = 64;
const char* const kPlanted = "planted";
}  // namespace

TempTrap::TempTrap(const std::string& folder) : folder_(folder) {
  fs::create_directories(victims());
  for (int n = 0; n < kWeakNames; n += kStride) {
    const std::string name = folder_ + "/OZA" + std::to_string(n) + ".tmp";
    if (n / kStride % 2 == 0) {
      fs::create_symlink(victims() + "/" + std::to_string(n), name);
    } else {
      writeText(name, kPlanted);
    }
  }
}

void TempTrap::plant(const std::string& linkName, const std::string& fileName) const {
  fs::create_symlink(victims() + "/" + linkName, folder_ + "/" + linkName);
  writeText(folder_ + "/" + fileName, kPlanted);
}

std::string TempTrap::damage() const {
  if (!fs::is_empty(victims())) return "a victim was created: " + listDir(victims()).front();
  for (const auto& entry : fs::directory_iterator(folder_)) {
    const std::string name = entry.path().filename().string();
    if (name == "victims") continue;
    if (entry.is_symlink()) {
      if (fs::read_symlink(entry.path()) != fs::path(victims()) / name.substr(3, name.size() - 7) &&
          fs::read_symlink(entry.path()) != fs::path(victims()) / name)
        return "a link was changed: " + name;
    } else if (readText(entry.path().string()) != kPlanted) {
      return "left behind or overwritten: " + name;
    }
  }
  return {};
}

}  // namespace oza::test
