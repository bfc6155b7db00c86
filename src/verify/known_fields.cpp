// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/known_fields.h"

#include <algorithm>

#include "image/atom_layout.h"
#include "save/checksum.h"

namespace oza {

namespace {

const char* const kStringNames[] = {"BIOS version",   "Chip type",           "Card interface", "RAM type",
                                    "Hardware specs", "Power cable message", "Copyright",      "AtomBIOS version"};

void addStrings(const LoadedImage& image, std::vector<KnownField>& out) {
  const std::optional<StringPositions>& positions = image.strings.positions;
  if (!positions) return;
  const std::optional<StringRange> ranges[] = {
      positions->biosVersion,   positions->chipType,          positions->cardInterface, positions->ramType,
      positions->hardwareSpecs, positions->powerCableMessage, positions->copyright,     positions->atomBiosVersion};
  for (std::size_t s = 0; s < 8; ++s)
    if (ranges[s] && ranges[s]->first <= ranges[s]->last)
      out.push_back({kStringNames[s], ranges[s]->first, ranges[s]->last, true});
}

void addClocks(const LoadedImage& image, std::vector<KnownField>& out) {
  const ClockLocation& location = image.clockLocation;
  if (!location.clockPosition) return;
  const std::int64_t clocks = *location.clockPosition;
  if (location.states) {
    const PowerPlayStates& states = *location.states;
    for (std::size_t s = 0; s < states.entryPositions.size(); ++s) {
      const std::string name = "PowerPlay state " + std::to_string(s);
      out.push_back({name, states.entryPositions[s], states.entryPositions[s] + states.stateEntrySize - 1, false});
      out.push_back(
          {name + " classification", states.classificationPositions[s], states.classificationPositions[s] + 1, false});
    }
  }
  const int records = static_cast<int>(image.clockInfos.size());
  for (int r = 0; r < records; ++r)
    out.push_back({"Clock info " + std::to_string(r), clocks + kRecordSize * r, clocks + kRecordSize * r + 7, true});
}

// Read only: the Overdrive standard clocks and limits.
void addOverdrive(const ByteImage& image, std::vector<KnownField>& out) {
  const std::optional<std::int64_t> i = image.find({0x59, 0x00, 0x01, 0x04}, 1, image.last() - 5);
  if (!i) return;
  const std::int64_t q = *i + 8;
  const struct {
    int offset;
    const char* name;
  } limits[] = {{0, "Standard clock GPU"}, {4, "Standard clock RAM"}, {24, "Upper limit RAM"}, {28, "Upper limit GPU"}};
  for (const auto& limit : limits)
    if (image.contains(q + limit.offset + 2))
      out.push_back({limit.name, q + limit.offset, q + limit.offset + 2, false});
}

void addFan(const ByteImage& image, const FanLocation& fan, const FanCard& card, std::vector<KnownField>& out) {
  for (int n = 0; n < 3; ++n)
    if (const auto& at = fan.registerPositions[static_cast<std::size_t>(n)])
      out.push_back({"Fan register " + std::to_string(n), *at, *at + 3, true});
  if (const auto z = findFanSection(image, fan.fanControlPosition, card.r680))
    out.push_back({"Fan look-up table", type1ThresholdAt(*z, 0), type1SpeedAt(*z, kFanTablePoints - 1), true});
  const auto z2 = findType2Section(image, fan.fanControlPosition);
  // The markers may lie anywhere in the section; their entries run up to 32
  // bytes past the last place a marker can be.
  if (!z2) return;
  if (const auto length = image.word(*z2 + 1))
    out.push_back({"Fan table", *z2 + 4, *z2 + static_cast<std::int64_t>(*length) + 1 + 32, true});
}

}  // namespace

std::vector<KnownField> knownFields(const LoadedImage& image) {
  std::vector<KnownField> out;
  if (image.bytes.empty()) return out;
  out.push_back({"Date", kDateFirst, kDateFirst + kDateLength - 1, true});
  out.push_back({"Sub vendor ID", kSubVendorId, kSubVendorId + 1, true});
  out.push_back({"Video card ID", kCardId, kCardId + 1, true});
  addStrings(image, out);
  addClocks(image, out);
  addOverdrive(image.bytes, out);
  if (image.fan.location.fanControlPosition) addFan(image.bytes, image.fan.location, image.fan.card, out);
  // The chain's headers and data structures, which the comparison shows by
  // what they say.
  for (std::size_t n = 0; n < image.pciImages.images.size(); ++n) {
    const PciImage& pci = image.pciImages.images[n];
    const std::string name = "PCI image " + std::to_string(n);
    out.push_back({name + " header", pci.offset, pci.offset + 1, false});
    out.push_back({name + " data structure pointer", pci.offset + 0x18, pci.offset + 0x19, false});
    out.push_back({name + " data structure", pci.dataOffset, pci.dataOffset + 0x17, false});
  }
  return out;
}

std::vector<KnownField> correctionAreas(const ByteImage& image) {
  std::vector<KnownField> out;
  if (image.size() <= kUpAreaLast) return out;
  out.push_back({kHeaderArea, kUpAreaFirst, kUpAreaLast, true});
  const std::int64_t filler = freeSpacePosition(image);
  const std::int64_t last = checkedLast(image);
  if (filler <= last) out.push_back({kFillerArea, filler, last, true});
  return out;
}

std::vector<KnownField> knownFieldsOfEither(const LoadedImage& a, const LoadedImage& b) {
  std::vector<KnownField> known = knownFields(a);
  for (const KnownField& field : knownFields(b)) known.push_back(field);
  return known;
}

std::vector<KnownField> correctionAreasOfEither(const ByteImage& a, const ByteImage& b) {
  std::vector<KnownField> areas = correctionAreas(a);
  for (const KnownField& area : correctionAreas(b)) areas.push_back(area);
  return areas;
}

std::vector<ByteRange> rangesOutside(const ByteImage& a, const ByteImage& b, const std::vector<KnownField>& fields) {
  // Each differing byte is looked up in one step, not by a search of every
  // field: a checksum correction makes thousands of bytes differ.
  const std::int64_t size = std::min(a.size(), b.size());
  std::vector<bool> inside(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)), false);
  for (const KnownField& field : fields)
    for (std::int64_t p = std::max<std::int64_t>(field.first, 0); p <= field.last && p < size; ++p)
      inside[static_cast<std::size_t>(p)] = true;
  return differingRanges(a, b, [&](std::int64_t p) { return !inside[static_cast<std::size_t>(p)]; });
}

}  // namespace oza
