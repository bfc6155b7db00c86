// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/loaded_image.h"
#include "image/byte_image.h"
#include "verify/byte_ranges.h"

namespace oza {

// A byte range of the image that a reader shows or a writer patches.
struct KnownField {
  std::string name;
  std::int64_t first = 0;
  std::int64_t last = 0;  // inclusive
  bool written = false;   // saving may change it
};

// The fields of a loaded image, where the load found them.
std::vector<KnownField> knownFields(const LoadedImage& image);

inline constexpr const char* kHeaderArea = "Checksum correction (header)";
inline constexpr const char* kFillerArea = "Checksum correction (filler)";

// The two areas the checksum correction may change: the reserved header
// bytes and the filler at the end of the image (empty when it has none).
std::vector<KnownField> correctionAreas(const ByteImage& image);

// The fields, and the correction areas, of either of two loaded images:
// what a comparison of the two leaves to the readers and writers.
std::vector<KnownField> knownFieldsOfEither(const LoadedImage& a, const LoadedImage& b);
std::vector<KnownField> correctionAreasOfEither(const ByteImage& a, const ByteImage& b);

// The ranges where `a` and `b` differ outside every one of `fields`.
std::vector<ByteRange> rangesOutside(const ByteImage& a, const ByteImage& b, const std::vector<KnownField>& fields);

}  // namespace oza
