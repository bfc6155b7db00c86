// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "image/byte_image.h"

namespace oza {

// The data tables an image lists in its master data table, by their index
// there (the order of ATOM_MASTER_LIST_OF_DATA_TABLES).
enum class DataTable : int {
  FirmwareInfo = 4,
  PowerPlayInfo = 15,
  VramInfo = 28,
  VoltageObjectInfo = 32,
};

// What every AtomBIOS table starts with.
struct TableHeader {
  std::int64_t position = 0;  // of the table's first byte in the image
  int size = 0;               // bytes, the header included, as the table says
  int formatRevision = 0;
  int contentRevision = 0;
};

// The header of a table at `position`; nothing when its four bytes do not
// lie inside the image.
std::optional<TableHeader> tableHeaderAt(const ByteImage& image, std::int64_t position);

// Where the master data table lies; nothing when the ROM header or the
// master table's header lies outside the image.
std::optional<TableHeader> masterDataTable(const ByteImage& image);

// The data table of that index: nothing when the image does not list it
// (offset 0), the master table cannot hold the index, or its header lies
// outside the image. The table's body is not checked: its reader does that.
std::optional<TableHeader> dataTable(const ByteImage& image, int index);
inline std::optional<TableHeader> dataTable(const ByteImage& image, DataTable table) {
  return dataTable(image, static_cast<int>(table));
}

}  // namespace oza
