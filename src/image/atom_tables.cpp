// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/atom_tables.h"

#include "image/atom_layout.h"
#include "image/atom_table_names.h"

namespace oza {

namespace {

constexpr std::int64_t kHeaderSize = 4;
constexpr std::int64_t kEntrySize = 2;
// The attribute word that follows the header of every command table.
constexpr std::int64_t kAttribute = 4;

void readAttribute(const ByteImage& image, AtomTableEntry& entry) {
  const auto attribute = image.word(entry.offset + kAttribute);
  if (!attribute) return;
  // Both sizes count bytes, the parameter space in 7 bits.
  entry.workspaceBytes = static_cast<int>(*attribute & 0xFF);
  entry.parameterBytes = static_cast<int>((*attribute >> 8) & 0x7F);
  entry.updatedByUtility = (*attribute & 0x8000) != 0;
}

MasterTable readMaster(const ByteImage& image, std::int64_t pointer, bool commands) {
  MasterTable master;
  ImageReader read(image);
  const std::int64_t romHeader = read.word(kRomHeaderPointer);
  const std::int64_t position = read.word(romHeader + pointer);
  // A pointer of 0 points nowhere, as an absent entry does.
  if (!read.ok() || romHeader == 0 || position == 0) return master;
  master.position = position;
  master.header = tableHeaderAt(image, position);
  if (!master.header) return master;
  const std::int64_t count = (master.header->size - kHeaderSize) / kEntrySize;
  for (int index = 0; index < count; ++index) {
    const auto offset = image.word(position + kHeaderSize + kEntrySize * index);
    if (!offset) break;
    AtomTableEntry entry;
    entry.index = index;
    entry.name = commands ? commandTableName(index) : dataTableName(index);
    entry.offset = *offset;
    if (entry.present()) entry.header = tableHeaderAt(image, entry.offset);
    if (commands && entry.header && entry.header->size >= kAttribute + 2) readAttribute(image, entry);
    master.entries.push_back(std::move(entry));
  }
  return master;
}

}  // namespace

AtomTables readAtomTables(const ByteImage& image) {
  AtomTables tables;
  if (const auto romHeader = image.word(kRomHeaderPointer); romHeader && *romHeader != 0)
    tables.romHeader = tableHeaderAt(image, *romHeader);
  tables.data = readMaster(image, kMasterDataTable, false);
  tables.command = readMaster(image, kMasterCommandTable, true);
  return tables;
}

}  // namespace oza
