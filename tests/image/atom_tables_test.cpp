// SPDX-License-Identifier: GPL-3.0-or-later

// The master tables of real images, and what the layout of the tables says
// of images that are built to be inconsistent.
#include <gtest/gtest.h>

#include <functional>

#include "image/atom_tables.h"
#include "image/table_layout.h"
#include "support/atom_table_fixture.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using test::TableImage;

const AtomTableEntry* entryNamed(const MasterTable& master, const std::string& name) {
  for (const AtomTableEntry& entry : master.entries)
    if (entry.name == name) return &entry;
  return nullptr;
}

TEST(AtomTables, TheRealImagesListTheirTablesWithoutFindings) {
  const struct {
    const char* rom;
    std::int64_t vramInfo;
    int vramSize;
  } cases[] = {{"hd4670-rv730-imac.rom", 0xB3B2, 697}, {"hd4850-rv770-imac.rom", 0xB34A, 1093}};
  for (const auto& c : cases) {
    const std::string path = test::realRomPath(c.rom);
    OZA_SKIP_WITHOUT_REAL_ROM(path);
    SCOPED_TRACE(c.rom);
    const ByteImage image(test::readBytes(path));
    const AtomTables tables = readAtomTables(image);
    EXPECT_EQ(tables.data.entries.size(), 34u);
    EXPECT_EQ(tables.command.entries.size(), 80u);
    const AtomTableEntry* vram = entryNamed(tables.data, "VRAM_Info");
    ASSERT_NE(vram, nullptr);
    EXPECT_EQ(vram->index, 28);
    EXPECT_EQ(vram->offset, c.vramInfo);
    EXPECT_EQ(vram->header->size, c.vramSize);
    EXPECT_EQ(vram->header->contentRevision, 4);
    EXPECT_FALSE(tables.data.entries[0].present());  // UtilityPipeLine
    EXPECT_EQ(entryNamed(tables.command, "SpeedFanControl")->index, 57);
    EXPECT_EQ(layoutFindings(image, tables).size(), 0u);
  }
  const std::string path = test::realRomPath("hd4850-rv770-imac.rom");
  OZA_SKIP_WITHOUT_REAL_ROM(path);
  const AtomTables tables = readAtomTables(ByteImage(test::readBytes(path)));
  // ASIC_Init: attribute 0x0800; MemoryParamAdjust 0x0C00 with content revision 3.
  const AtomTableEntry& init = tables.command.entries[0];
  EXPECT_EQ(init.workspaceBytes, 0);
  EXPECT_EQ(init.parameterBytes, 8);
  EXPECT_EQ(init.updatedByUtility, false);
  EXPECT_EQ(tables.command.entries[39].workspaceBytes, 0);
  EXPECT_EQ(tables.command.entries[39].parameterBytes, 0x18);
}

TEST(AtomTables, CommandAttributesAndNamesPastTheKnownLists) {
  TableImage image(0x2000, 36, 82);
  image.addCommand(0, 0x400, 0x20, 0x8C08);  // updated by utility, 12 parameter bytes, 8 work space bytes
  image.addCommand(81, 0x420, 4);            // no attribute word within its size
  image.addData(35, 0x440, 8);
  const AtomTables tables = readAtomTables(ByteImage(image.bytes));
  ASSERT_EQ(tables.command.entries.size(), 82u);
  EXPECT_EQ(tables.command.entries[0].workspaceBytes, 8);
  EXPECT_EQ(tables.command.entries[0].parameterBytes, 12);
  EXPECT_EQ(tables.command.entries[0].updatedByUtility, true);
  EXPECT_EQ(tables.command.entries[81].name, "Command table 81");
  EXPECT_FALSE(tables.command.entries[81].workspaceBytes.has_value());
  EXPECT_EQ(tables.data.entries[35].name, "Data table 35");
  EXPECT_EQ(tables.data.entries[35].offset, 0x440);
  EXPECT_FALSE(tables.data.entries[1].present());
}

TEST(TableLayout, EachFindingFromItsOwnFault) {
  using Problems = std::vector<LayoutProblem>;
  const struct {
    const char* what;
    std::function<void(TableImage&)> build;
    Problems expected;
  } cases[] = {
      {"tables apart", [](TableImage& i) { i.addData(4, 0x400, 0x40), i.addCommand(0, 0x440, 0x40); }, {}},
      {"two entries share one table", [](TableImage& i) { i.addData(4, 0x400, 0x40), i.addData(5, 0x400, 0x40); }, {}},
      {"overlap",
       [](TableImage& i) { i.addData(4, 0x400, 0x40), i.addCommand(3, 0x43F, 0x10); },
       {LayoutProblem::Overlap}},
      {"inside the ROM header", [](TableImage& i) { i.addData(4, 0x110, 0x08); }, {LayoutProblem::Overlap}},
      {"past the file", [](TableImage& i) { i.addData(28, 0x1FF0, 0x40); }, {LayoutProblem::PastFile}},
      {"header outside the file", [](TableImage& i) { i.addCommand(5, 0xFFF0, 0x40); }, {LayoutProblem::PastFile}},
      {"past the declared image",
       [](TableImage& i) { i.setDeclaredBlocks(8), i.addData(4, 0x0FF0, 0x20); },
       {LayoutProblem::PastDeclaredImage}},
      {"odd master size",
       [](TableImage& i) { i.setMasterSize(TableImage::kMasterData, 71); },
       {LayoutProblem::MasterTooShort}},
      {"master shorter than its header",
       [](TableImage& i) { i.setMasterSize(TableImage::kMasterCommand, 2); },
       {LayoutProblem::MasterTooShort}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TableImage image;
    c.build(image);
    const ByteImage bytes(image.bytes);
    Problems found;
    for (const LayoutFinding& finding : layoutFindings(bytes, readAtomTables(bytes))) found.push_back(finding.problem);
    EXPECT_EQ(found, c.expected);
  }
}

TEST(TableLayout, NamesTheTablesARangeTouches) {
  TableImage image;
  image.addData(28, 0x400, 0x40);
  image.addCommand(0, 0x440, 0x40);
  const auto regions = tableRegions(readAtomTables(ByteImage(image.bytes)));
  EXPECT_EQ(tablesAt(regions, 0x410, 0x410), "VRAM_Info");
  EXPECT_EQ(tablesAt(regions, 0x43F, 0x440), "VRAM_Info, ASIC_Init");
  EXPECT_EQ(tablesAt(regions, 0x202, 0x203), "Master data table");
  EXPECT_EQ(tablesAt(regions, 0x480, 0x500), "");
}

TEST(TableLayout, HostileMastersListNoMoreThanTheImageHolds) {
  // A master claiming 32,765 entries at the very end of a small image.
  TableImage image(0x400);
  image.setMasterSize(TableImage::kMasterCommand, 0xFFFF);
  const ByteImage bytes(image.bytes);
  const AtomTables tables = readAtomTables(bytes);
  EXPECT_EQ(tables.command.entries.size(), (0x400u - 0x304u) / 2);
  EXPECT_FALSE(layoutFindings(bytes, tables).empty());
  EXPECT_TRUE(readAtomTables(ByteImage(std::vector<std::uint8_t>(0x30, 0xFF))).data.entries.empty());
  // Pointers of 0 point nowhere: an empty file lists no tables and says nothing.
  const ByteImage zeros(std::vector<std::uint8_t>(0x400, 0));
  EXPECT_FALSE(readAtomTables(zeros).data.header.has_value());
  EXPECT_TRUE(layoutFindings(zeros, readAtomTables(zeros)).empty());
}

}  // namespace
}  // namespace oza
