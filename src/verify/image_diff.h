// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/loaded_image.h"
#include "keys/value_keys.h"

namespace oza {

// One difference between two loaded images, in the program's own terms.
struct Difference {
  std::string what;
  std::string a;  // as image A shows it
  std::string b;  // as image B shows it
  // A value key ("clock_info.3.gpu_mhz"), or a named byte range
  // ("bytes.0x3000-0x3003"), that stays the same from one version to the next.
  std::string key;
  KeyValue valueA, valueB;  // typed: a key's values, or the texts
  // Of a row of differing bytes: the AtomBIOS tables they lie in (empty
  // outside every table); none for the other rows.
  std::optional<std::string> table;
};

// Everything that differs between two images both loaded to the end: what
// the tabs show (strings, IDs, clock infos, states, Overdrive limits, fan
// settings and tables), lengths and byte sums, then the bytes that differ in
// the checksum correction areas and outside every known field, so that
// nothing that changed goes unreported. Empty for equal images.
std::vector<Difference> diffImages(const LoadedImage& a, const LoadedImage& b);

// The report as text: the two paths, one tab-separated line per difference
// under a header line, and a closing count.
std::string differencesText(const std::string& pathA, const std::string& pathB,
                            const std::vector<Difference>& differences);
// "The images are equal.", "1 difference", "12 differences".
std::string differenceSummary(const std::vector<Difference>& differences);
// The rows alone, tab-separated under the header line, as copied.
std::string differenceRowsText(const std::vector<Difference>& differences);

}  // namespace oza
