// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace oza::test {

// A small image of AtomBIOS tables alone: the ROM header at 0x100, the
// master data table at 0x200 and the master command table at 0x300, each
// sized for its entries, and the tables added to them.
class TableImage {
 public:
  static constexpr std::int64_t kRomHeader = 0x100;
  static constexpr std::int64_t kMasterData = 0x200;
  static constexpr std::int64_t kMasterCommand = 0x300;

  explicit TableImage(std::size_t size = 0x2000, int dataEntries = 34, int commandEntries = 80);

  // A table of `size` bytes at `at`, listed at `index`; its bytes are
  // written only where they lie in the image.
  void addData(int index, std::int64_t at, int size, int format = 1, int content = 1);
  void addCommand(int index, std::int64_t at, int size, std::uint16_t attribute = 0);
  // Writes `table` at `at` and lists it at data entry `index`.
  void putData(int index, std::int64_t at, const std::vector<std::uint8_t>& table);
  void setMasterSize(std::int64_t master, int size);
  void setDeclaredBlocks(std::uint8_t blocks) { bytes[2] = blocks; }

  std::vector<std::uint8_t> bytes;
};

// One memory module of a VRAM_Info table.
struct TestModule {
  std::uint8_t vendor = 0x06;   // Hynix
  std::uint8_t type = 0x50;     // GDDR5
  std::uint8_t sizeUnits = 32;  // of 16 MB (revision 4 only)
  int stride = 24;
  std::vector<std::uint32_t> straps;  // 10 kHz
};

// A VRAM_Info table of content revision 3 or 4 holding `modules`.
std::vector<std::uint8_t> vramInfoTable(int contentRevision, const std::vector<TestModule>& modules);

}  // namespace oza::test
