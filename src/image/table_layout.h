// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/atom_tables.h"
#include "image/byte_image.h"

namespace oza {

// The bytes a table covers by its own size: [first, end).
struct TableRegion {
  std::string name;  // "VRAM_Info", "Master data table", "ROM header"
  std::int64_t first = 0;
  std::int64_t end = 0;
};

// The ROM header, the two master tables and every table they list whose
// header lies in the image, by their first byte.
std::vector<TableRegion> tableRegions(const AtomTables& tables);

// The names of the regions that hold any byte of [first, last], ", "
// between them; empty for bytes outside every table.
std::string tablesAt(const std::vector<TableRegion>& regions, std::int64_t first, std::int64_t last);

enum class LayoutProblem {
  PastDeclaredImage,  // a table runs past the image size byte 2 declares
  PastFile,           // a table, or its header, runs past the end of the file
  MasterTooShort,     // a master table's size holds no whole number of entries
  Overlap,            // two tables share bytes
};

struct LayoutFinding {
  LayoutProblem problem;
  std::string text;
};

// What the layout of the tables says of the image. Two entries that list the
// same table are no overlap.
std::vector<LayoutFinding> layoutFindings(const ByteImage& image, const AtomTables& tables);

}  // namespace oza
