// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/byte_image.h"
#include "image/data_tables.h"

namespace oza {

// One entry of a master table: the table it lists, as far as the image
// holds it.
struct AtomTableEntry {
  int index = 0;
  std::string name;
  std::int64_t offset = 0;            // 0: the image does not have the table
  std::optional<TableHeader> header;  // none when absent or when its header lies outside the image
  // Of command tables, from their attribute word; none where it lies outside.
  std::optional<int> workspaceBytes;
  std::optional<int> parameterBytes;
  std::optional<bool> updatedByUtility;

  bool present() const { return offset != 0; }
};

// A master table and what it lists. The number of entries follows from the
// master's own size, so that an image of a later generation lists all its
// tables; entries whose word lies outside the image are not listed.
struct MasterTable {
  std::optional<std::int64_t> position;  // none when the ROM header cannot say
  std::optional<TableHeader> header;     // none when it lies outside the image
  std::vector<AtomTableEntry> entries;
};

struct AtomTables {
  std::optional<TableHeader> romHeader;
  MasterTable data;
  MasterTable command;
};

// The two master tables of an image and every table they list; never more
// than the image holds.
AtomTables readAtomTables(const ByteImage& image);

}  // namespace oza
