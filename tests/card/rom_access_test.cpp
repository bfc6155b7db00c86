// SPDX-License-Identifier: GPL-3.0-or-later

#include "card/rom_access.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace oza {
namespace {

// The kernel's attribute cannot be had in a test; a plain file shows at least
// that the real steps read whole, respect the limit and report failures.
TEST(SysfsRomAccess, ReadsAFileWholeUpToTheLimitAndReportsMissingOnes) {
  test::TempDir dir;
  const std::string rom = dir.file("rom");
  test::writeBytes(rom, {0x55, 0xAA, 1, 2, 3});
  test::writeText(dir.file(kFakeDeviceMark), "");
  SysfsRomAccess access;
  EXPECT_TRUE(access.mayRead(rom));
  EXPECT_EQ(access.read(rom, 100), (std::vector<std::uint8_t>{0x55, 0xAA, 1, 2, 3}));
  EXPECT_EQ(access.read(rom, 3), (std::vector<std::uint8_t>{0x55, 0xAA, 1}));

  const std::string missing = dir.file("missing");
  EXPECT_FALSE(access.mayRead(missing));
  EXPECT_EQ(access.enable(missing), RomStep::Failed);
  EXPECT_EQ(access.read(missing, 100), std::nullopt);
}

// Writing "1" into a file that is not the kernel's attribute would damage
// it: an image that `rom` is a second name of, or any file of an unmarked
// tree that is not sysfs.
TEST(SysfsRomAccess, OnlyTheKernelsAttributeIsTouched) {
  const struct {
    bool marked;
    bool secondName;
  } cases[] = {{false, false}, {true, true}, {false, true}};
  for (const auto& c : cases) {
    test::TempDir dir;
    const std::string image = dir.file("card.rom");
    test::writeText(image, "0123");
    if (c.marked) test::writeText(dir.file(kFakeDeviceMark), "");
    const std::string rom = dir.file("rom");
    if (c.secondName)
      ASSERT_EQ(::link(image.c_str(), rom.c_str()), 0);
    else
      test::writeText(rom, "0123");
    SysfsRomAccess access;
    EXPECT_FALSE(access.mayRead(rom)) << c.marked << c.secondName;
    EXPECT_EQ(access.enable(rom), RomStep::Foreign);
    EXPECT_EQ(access.read(rom, 100), std::nullopt);
    access.disable(rom);
    EXPECT_EQ(test::readText(image), "0123");
    EXPECT_EQ(test::readText(rom), "0123");
  }
}

}  // namespace
}  // namespace oza
