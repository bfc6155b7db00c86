// SPDX-License-Identifier: GPL-3.0-or-later

#include "card/rom_access.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace oza {
namespace {

// The kernel's attribute cannot be had in a test; a plain file shows at least
// that the real steps read whole, respect the limit and report failures.
TEST(SysfsRomAccess, ReadsAFileWholeUpToTheLimitAndReportsMissingOnes) {
  test::TempDir dir;
  const std::string rom = dir.file("rom");
  test::writeBytes(rom, {0x55, 0xAA, 1, 2, 3});
  SysfsRomAccess access;
  EXPECT_TRUE(access.mayRead(rom));
  EXPECT_EQ(access.read(rom, 100), (std::vector<std::uint8_t>{0x55, 0xAA, 1, 2, 3}));
  EXPECT_EQ(access.read(rom, 3), (std::vector<std::uint8_t>{0x55, 0xAA, 1}));

  const std::string missing = dir.file("missing");
  EXPECT_FALSE(access.mayRead(missing));
  EXPECT_EQ(access.enable(missing), RomStep::Failed);
  EXPECT_EQ(access.read(missing, 100), std::nullopt);
}

}  // namespace
}  // namespace oza
