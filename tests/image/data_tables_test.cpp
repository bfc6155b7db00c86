// SPDX-License-Identifier: GPL-3.0-or-later

// Finding a data table through the ROM header and the master data table, on
// the images of real cards and on masters that cannot list what is asked.
#include <gtest/gtest.h>

#include "image/data_tables.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

TEST(DataTables, PowerPlayWhereTheRealCardsHoldIt) {
  const struct {
    const char* rom;
    std::int64_t powerPlay;
  } cases[] = {{"hd4670-rv730-imac.rom", 0xB006}, {"hd4850-rv770-imac.rom", 0xAF24}};
  for (const auto& c : cases) {
    const std::string path = test::realRomPath(c.rom);
    OZA_SKIP_WITHOUT_REAL_ROM(path);
    SCOPED_TRACE(c.rom);
    const ByteImage image(test::readBytes(path));
    const auto table = dataTable(image, DataTable::PowerPlayInfo);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->position, c.powerPlay);
    // The real images list all 34 data tables of their generation.
    EXPECT_EQ(masterDataTable(image)->size, 4 + 34 * 2);
    EXPECT_FALSE(dataTable(image, 34).has_value());
  }
}

TEST(DataTables, NothingWhereTheMasterCannotSay) {
  // ROM header at 0x100, master data table at 0x200 holding two entries.
  std::vector<std::uint8_t> bytes(0x400, 0);
  bytes[0x48] = 0x00, bytes[0x49] = 0x01;
  bytes[0x120] = 0x00, bytes[0x121] = 0x02;
  bytes[0x200] = 8;                          // size: header + 2 entries
  bytes[0x206] = 0x00, bytes[0x207] = 0x03;  // entry 1 at 0x300
  bytes[0x208] = 0x00, bytes[0x209] = 0x03;  // past the master's size
  bytes[0x300] = 0x10, bytes[0x302] = 1, bytes[0x303] = 3;
  const ByteImage image(bytes);
  EXPECT_FALSE(dataTable(image, 0).has_value());  // offset 0: absent
  ASSERT_TRUE(dataTable(image, 1).has_value());
  EXPECT_EQ(dataTable(image, 1)->contentRevision, 3);
  EXPECT_FALSE(dataTable(image, 2).has_value());  // beyond the master
  EXPECT_FALSE(dataTable(image, -1).has_value());
  bytes[0x206] = 0xFE, bytes[0x207] = 0x03;  // header runs past the end
  EXPECT_FALSE(dataTable(ByteImage(bytes), 1).has_value());
  bytes[0x121] = 0x04;  // master past the end
  EXPECT_FALSE(masterDataTable(ByteImage(bytes)).has_value());
}

}  // namespace
}  // namespace oza
