// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/byte_image.h"
#include "image/data_tables.h"

namespace oza {

// One memory timing entry of a module: the timings the card sets for memory
// clocks up to `upTo`.
struct MemoryStrap {
  std::int64_t position = 0;
  std::uint32_t upTo = 0;  // 10 kHz
};

// One memory module the VRAM_Info table describes.
struct MemoryModule {
  std::int64_t position = 0;
  int size = 0;               // bytes, as the module says
  int vendorByte = 0;         // the low nibble names the vendor
  int typeByte = 0;           // the high nibble names the type
  std::optional<int> sizeMb;  // none where the revision does not say
  int strapStride = 0;
  std::vector<MemoryStrap> straps;

  int vendorId() const { return vendorByte & 0x0F; }
  std::string vendor() const;
  std::string type() const;
};

struct VramInfo {
  TableHeader header;
  int declaredModules = 0;  // as the table says; `modules` holds those that lie in it
  std::vector<MemoryModule> modules;
  // Why modules or straps are missing: a module size of 0, one past the table.
  std::vector<std::string> problems;
};

// The memory modules of the VRAM_Info table of content revision 3 (R6xx)
// or 4 (R7xx); none for an image without one or of another revision.
std::optional<VramInfo> readVramInfo(const ByteImage& image);

// "Hynix", "Samsung", ...; "vendor 0xC" for an ID without a name.
std::string memoryVendorName(int id);
// "GDDR3", "GDDR5", ...; "type 0x7" for a type without a name.
std::string memoryTypeName(int typeByte);

}  // namespace oza
