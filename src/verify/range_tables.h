// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "document/loaded_image.h"
#include "image/table_layout.h"
#include "verify/byte_ranges.h"

namespace oza {

// Which AtomBIOS tables a range of differing bytes lies in, by the layout of
// the first image, or of the second where the first has no table there (a
// table the second image added).
class RangeTables {
 public:
  RangeTables(const LoadedImage& a, const LoadedImage& b);
  // "VRAM_Info", "ASIC_Init, SetEngineClock"; empty outside every table.
  std::string of(const ByteRange& range) const;

 private:
  std::vector<TableRegion> a_, b_;
};

// " in VRAM_Info" after a range, or nothing.
std::string inTables(const std::string& tables);

}  // namespace oza
