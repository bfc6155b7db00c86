// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/data_tables.h"

#include "image/atom_layout.h"

namespace oza {

namespace {

constexpr std::int64_t kTableHeaderSize = 4;
constexpr std::int64_t kMasterEntrySize = 2;

}  // namespace

std::optional<TableHeader> tableHeaderAt(const ByteImage& image, std::int64_t position) {
  ImageReader read(image);
  TableHeader header;
  header.position = position;
  header.size = static_cast<int>(read.word(position));
  header.formatRevision = read.byte(position + 2);
  header.contentRevision = read.byte(position + 3);
  if (!read.ok()) return std::nullopt;
  return header;
}

std::optional<TableHeader> masterDataTable(const ByteImage& image) {
  ImageReader read(image);
  const std::int64_t romHeader = read.word(kRomHeaderPointer);
  const std::int64_t master = read.word(romHeader + kMasterDataTable);
  if (!read.ok()) return std::nullopt;
  return tableHeaderAt(image, master);
}

std::optional<TableHeader> dataTable(const ByteImage& image, int index) {
  const auto master = masterDataTable(image);
  if (!master || index < 0) return std::nullopt;
  const std::int64_t entry = master->position + kTableHeaderSize + kMasterEntrySize * index;
  // A master table too short to hold the index does not list it, whatever
  // bytes follow it.
  if (entry + kMasterEntrySize > master->position + master->size) return std::nullopt;
  const auto offset = image.word(entry);
  if (!offset || *offset == 0) return std::nullopt;
  return tableHeaderAt(image, *offset);
}

}  // namespace oza
