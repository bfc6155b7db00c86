// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/fixture_image.h"
#include "verify/image_file.h"

namespace oza::test {

// Images taken as the window's load takes them, straight from their bytes.
struct ImagePairs {
  static ImageFile load(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    return decodeImageFile(name, ByteImage(bytes));
  }
};

// `changed` built, then brought back to the byte sum of `original` in the
// two checksum correction areas, with the fixture's own checksum byte as in
// the original: what a save of an edit leaves.
inline std::vector<std::uint8_t> withSumOf(std::vector<std::uint8_t> changed,
                                           const std::vector<std::uint8_t>& original) {
  changed[0x21] = original[0x21];
  std::int64_t difference = sumOf(changed) - sumOf(original);
  for (std::size_t p = 0x07; p <= 0x16 && difference < 0; ++p)
    while (changed[p] < 0xFF && difference < 0) ++changed[p], ++difference;
  // The fixture's filler area starts five bytes after the 0xFF that follows "[".
  for (std::size_t p = changed.size() - 0x2000 + 6; p < changed.size() && difference > 0; ++p)
    while (changed[p] > 0 && difference > 0) --changed[p], --difference;
  return changed;
}

}  // namespace oza::test
