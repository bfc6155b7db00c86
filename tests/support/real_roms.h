// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace oza::test {

// Images dumped from real cards, kept beside the repository (OZA_REAL_ROMS
// names another folder). Empty when the folder is absent: tests over them
// then skip with a note instead of passing silently.
std::vector<std::string> realRomPaths();
std::string realRomPath(const std::string& name);  // empty when absent

// Skips the running test with a visible note when `path` (or the list of
// paths) is empty.
#define OZA_SKIP_WITHOUT_REAL_ROM(path)                                                   \
  do {                                                                                    \
    if ((path).empty()) GTEST_SKIP() << "real card images not found (set OZA_REAL_ROMS)"; \
  } while (0)

}  // namespace oza::test
