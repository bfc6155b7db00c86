// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/range_tables.h"

namespace oza {

RangeTables::RangeTables(const LoadedImage& a, const LoadedImage& b)
    : a_(tableRegions(a.tables)), b_(tableRegions(b.tables)) {}

std::string RangeTables::of(const ByteRange& range) const {
  const std::string inA = tablesAt(a_, range.first, range.last);
  return inA.empty() ? tablesAt(b_, range.first, range.last) : inA;
}

std::string inTables(const std::string& tables) { return tables.empty() ? "" : " in " + tables; }

}  // namespace oza
