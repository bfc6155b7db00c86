// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/atom_table_fixture.h"

#include "support/fixture_image.h"

namespace oza::test {

namespace {

void putHeader(std::vector<std::uint8_t>& b, std::int64_t at, int size, int format, int content) {
  if (at < 0 || at + 4 > static_cast<std::int64_t>(b.size())) return;
  putWord(b, at, static_cast<std::uint32_t>(size));
  b[static_cast<std::size_t>(at + 2)] = static_cast<std::uint8_t>(format);
  b[static_cast<std::size_t>(at + 3)] = static_cast<std::uint8_t>(content);
}

}  // namespace

TableImage::TableImage(std::size_t size, int dataEntries, int commandEntries) : bytes(size, 0) {
  bytes[0] = 0x55, bytes[1] = 0xAA;
  bytes[2] = static_cast<std::uint8_t>(size / 512);
  putWord(bytes, 0x48, kRomHeader);
  putHeader(bytes, kRomHeader, 0x24, 1, 1);
  putWord(bytes, kRomHeader + 0x1E, kMasterCommand);
  putWord(bytes, kRomHeader + 0x20, kMasterData);
  putHeader(bytes, kMasterData, 4 + 2 * dataEntries, 1, 1);
  putHeader(bytes, kMasterCommand, 4 + 2 * commandEntries, 1, 1);
}

void TableImage::addData(int index, std::int64_t at, int size, int format, int content) {
  putWord(bytes, kMasterData + 4 + 2 * index, static_cast<std::uint32_t>(at));
  putHeader(bytes, at, size, format, content);
}

void TableImage::addCommand(int index, std::int64_t at, int size, std::uint16_t attribute) {
  putWord(bytes, kMasterCommand + 4 + 2 * index, static_cast<std::uint32_t>(at));
  putHeader(bytes, at, size, 1, 1);
  if (at + 6 <= static_cast<std::int64_t>(bytes.size())) putWord(bytes, at + 4, attribute);
}

void TableImage::putData(int index, std::int64_t at, const std::vector<std::uint8_t>& table) {
  putWord(bytes, kMasterData + 4 + 2 * index, static_cast<std::uint32_t>(at));
  for (std::size_t i = 0; i < table.size(); ++i) bytes.at(static_cast<std::size_t>(at) + i) = table[i];
}

void TableImage::setMasterSize(std::int64_t master, int size) {
  putWord(bytes, master, static_cast<std::uint32_t>(size));
}

std::vector<std::uint8_t> vramInfoTable(int contentRevision, const std::vector<TestModule>& modules) {
  const bool revision3 = contentRevision == 3;
  const std::int64_t timings = revision3 ? 36 : 32;
  std::vector<std::uint8_t> b(20, 0);
  b[19] = static_cast<std::uint8_t>(modules.size());
  for (const TestModule& m : modules) {
    const auto at = static_cast<std::int64_t>(b.size());
    const std::int64_t size = timings + m.stride * static_cast<std::int64_t>(m.straps.size());
    b.resize(b.size() + static_cast<std::size_t>(size), 0);
    putWord(b, at + 4, static_cast<std::uint32_t>(size));
    b[static_cast<std::size_t>(at + (revision3 ? 24 : 11))] = m.type;
    b[static_cast<std::size_t>(at + (revision3 ? 25 : 28))] = m.vendor;
    if (!revision3) b[static_cast<std::size_t>(at + 20)] = m.sizeUnits;
    for (std::size_t s = 0; s < m.straps.size(); ++s)
      putDword(b, at + timings + m.stride * static_cast<std::int64_t>(s), m.straps[s]);
  }
  // Room after the modules, as real tables keep their register blocks there.
  b.resize(b.size() + 16, 0);
  putHeader(b, 0, static_cast<int>(b.size()), 1, contentRevision);
  return b;
}

}  // namespace oza::test
