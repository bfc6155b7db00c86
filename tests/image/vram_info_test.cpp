// SPDX-License-Identifier: GPL-3.0-or-later

// The memory modules of VRAM_Info: the real images, each content revision
// with several modules and strides, and modules that do not fit.
#include <gtest/gtest.h>

#include "image/vram_info.h"
#include "support/atom_table_fixture.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

std::vector<std::uint32_t> clocksOf(const MemoryModule& module) {
  std::vector<std::uint32_t> clocks;
  for (const MemoryStrap& strap : module.straps) clocks.push_back(strap.upTo);
  return clocks;
}

TEST(VramInfo, TheRealImagesHoldAHynixAndASamsungModule) {
  const struct {
    const char* rom;
    int sizeMb;
  } cases[] = {{"hd4670-rv730-imac.rom", 256}, {"hd4850-rv770-imac.rom", 512}};
  for (const auto& c : cases) {
    const std::string path = test::realRomPath(c.rom);
    OZA_SKIP_WITHOUT_REAL_ROM(path);
    SCOPED_TRACE(c.rom);
    const auto info = readVramInfo(ByteImage(test::readBytes(path)));
    ASSERT_TRUE(info.has_value());
    ASSERT_EQ(info->modules.size(), 2u);
    const MemoryModule& hynix = info->modules[0];
    EXPECT_EQ(hynix.vendor(), "Hynix");
    EXPECT_EQ(hynix.type(), "GDDR3");
    EXPECT_EQ(hynix.sizeMb, c.sizeMb);
    EXPECT_EQ(clocksOf(hynix),
              (std::vector<std::uint32_t>{15000, 20000, 50000, 55000, 62400, 71400, 83300, 90900, 100000, 120000}));
    EXPECT_EQ(info->modules[1].vendor(), "Samsung");
    EXPECT_EQ(info->modules[1].straps.size(), 5u);
    EXPECT_TRUE(info->problems.empty());
  }
}

TEST(VramInfo, EachRevisionWithSeveralModulesAndStrides) {
  const std::vector<test::TestModule> modules = {
      {0x03, 0x30, 16, 24, {40000, 80000, 100000}},  // Elpida GDDR3
      {0x1F, 0x50, 32, 36, {60000, 90000}},          // Micron GDDR5, longer entries
      {0x0C, 0xB0, 8, 24, {50000}},                  // an unnamed vendor, DDR3
  };
  for (int revision : {3, 4}) {
    SCOPED_TRACE(revision);
    test::TableImage image;
    image.putData(28, 0x400, test::vramInfoTable(revision, modules));
    const auto info = readVramInfo(ByteImage(image.bytes));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->header.contentRevision, revision);
    ASSERT_EQ(info->modules.size(), 3u);
    EXPECT_EQ(info->modules[0].vendor(), "Elpida");
    EXPECT_EQ(info->modules[0].type(), "GDDR3");
    EXPECT_EQ(clocksOf(info->modules[0]), modules[0].straps);
    EXPECT_EQ(info->modules[1].vendor(), "Micron");
    EXPECT_EQ(info->modules[1].strapStride, 36);
    EXPECT_EQ(clocksOf(info->modules[1]), modules[1].straps);
    EXPECT_EQ(info->modules[2].vendor(), "vendor 0xC");
    EXPECT_EQ(info->modules[2].type(), "DDR3");
    // Revision 3 modules do not say their size.
    EXPECT_EQ(info->modules[0].sizeMb, revision == 4 ? std::optional<int>(256) : std::nullopt);
  }
}

TEST(VramInfo, ModulesThatDoNotFitStopTheList) {
  const std::vector<test::TestModule> modules = {{0x06, 0x50, 32, 24, {50000, 90000}}, {0x01, 0x50, 32, 24, {60000}}};
  const struct {
    const char* what;
    std::int64_t at;
    std::uint8_t value;
    std::size_t modules;
  } cases[] = {
      {"module size 0", 20 + 4, 0, 0},
      {"second module past the table", 20 + 80 + 5, 0x40, 1},
      {"more modules declared than held", 19, 9, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::uint8_t> table = test::vramInfoTable(4, modules);
    table[static_cast<std::size_t>(c.at)] = c.value;
    test::TableImage image;
    image.putData(28, 0x400, table);
    const auto info = readVramInfo(ByteImage(image.bytes));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->modules.size(), c.modules);
    EXPECT_EQ(info->problems.size(), 1u);
  }
  test::TableImage other;
  other.putData(28, 0x400, test::vramInfoTable(2, modules));
  EXPECT_FALSE(readVramInfo(ByteImage(other.bytes)).has_value());
}

}  // namespace
}  // namespace oza
