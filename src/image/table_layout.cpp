// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/table_layout.h"

#include <algorithm>

#include "image/atom_layout.h"
#include "image/hex_fields.h"

namespace oza {

namespace {

constexpr std::int64_t kHeaderSize = 4;
constexpr std::int64_t kEntrySize = 2;
constexpr const char* kMasterData = "Master data table";
constexpr const char* kMasterCommand = "Master command table";

std::string hex(std::int64_t value) { return "0x" + hexText(static_cast<std::uint64_t>(value), 4); }

std::string regionText(const TableRegion& region) {
  return region.name + " (" + hex(region.first) + ", " + std::to_string(region.end - region.first) + " bytes)";
}

void addRegion(std::vector<TableRegion>& regions, const std::string& name, const TableHeader& header) {
  regions.push_back({name, header.position, header.position + header.size});
}

// A master whose header or entries do not fit where the ROM header puts it.
void masterFindings(const MasterTable& master, const char* name, std::vector<LayoutFinding>& found) {
  const std::string what = name;
  if (master.position && !master.header)
    found.push_back({LayoutProblem::PastFile, what + " at " + hex(*master.position) + " lies outside the file"});
  if (!master.header) return;
  const int size = master.header->size;
  if (size < kHeaderSize)
    found.push_back({LayoutProblem::MasterTooShort,
                     what + " is " + std::to_string(size) + " bytes long, too short for its own header"});
  else if ((size - kHeaderSize) % kEntrySize != 0)
    found.push_back({LayoutProblem::MasterTooShort,
                     what + " is " + std::to_string(size) + " bytes long, which holds no whole number of entries"});
  for (const AtomTableEntry& entry : master.entries)
    if (entry.present() && !entry.header)
      found.push_back({LayoutProblem::PastFile, entry.name + " at " + hex(entry.offset) + " lies outside the file"});
}

void extentFindings(const ByteImage& image, const std::vector<TableRegion>& regions,
                    std::vector<LayoutFinding>& found) {
  const std::int64_t declared = std::int64_t{image.at(kDeclaredSizeByte).value_or(0)} * 512;
  for (const TableRegion& region : regions) {
    if (region.end > image.size())
      found.push_back({LayoutProblem::PastFile, regionText(region) + " runs past the end of the file (" +
                                                    std::to_string(image.size()) + " bytes)"});
    // Without a declared size the declared length rule has said enough.
    else if (declared > 0 && region.end > declared)
      found.push_back({LayoutProblem::PastDeclaredImage,
                       regionText(region) + " runs past the declared image (" + std::to_string(declared) + " bytes)"});
  }
}

void overlapFindings(const std::vector<TableRegion>& regions, std::vector<LayoutFinding>& found) {
  // Regions come by their first byte: each is held against the one before
  // it that reaches furthest, so that a run of overlaps is found in one pass.
  const TableRegion* furthest = nullptr;
  for (const TableRegion& region : regions) {
    if (region.end <= region.first) continue;
    if (furthest && region.first < furthest->end && !(region.first == furthest->first && region.end == furthest->end))
      found.push_back({LayoutProblem::Overlap, regionText(region) + " overlaps " + regionText(*furthest)});
    if (!furthest || region.end > furthest->end) furthest = &region;
  }
}

}  // namespace

std::vector<TableRegion> tableRegions(const AtomTables& tables) {
  std::vector<TableRegion> regions;
  if (tables.romHeader) addRegion(regions, "ROM header", *tables.romHeader);
  if (tables.data.header) addRegion(regions, kMasterData, *tables.data.header);
  if (tables.command.header) addRegion(regions, kMasterCommand, *tables.command.header);
  for (const MasterTable* master : {&tables.data, &tables.command})
    for (const AtomTableEntry& entry : master->entries)
      if (entry.header) addRegion(regions, entry.name, *entry.header);
  std::stable_sort(regions.begin(), regions.end(),
                   [](const TableRegion& a, const TableRegion& b) { return a.first < b.first; });
  return regions;
}

std::string tablesAt(const std::vector<TableRegion>& regions, std::int64_t first, std::int64_t last) {
  std::string names;
  for (const TableRegion& region : regions) {
    if (region.first > last) break;
    if (region.end > first && region.end > region.first) names += (names.empty() ? "" : ", ") + region.name;
  }
  return names;
}

std::vector<LayoutFinding> layoutFindings(const ByteImage& image, const AtomTables& tables) {
  std::vector<LayoutFinding> found;
  masterFindings(tables.data, kMasterData, found);
  masterFindings(tables.command, kMasterCommand, found);
  const std::vector<TableRegion> regions = tableRegions(tables);
  extentFindings(image, regions, found);
  overlapFindings(regions, found);
  return found;
}

}  // namespace oza
