// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/known_fields.h"

#include <algorithm>

#include "image/atom_layout.h"
#include "keys/value_keys.h"
#include "save/checksum.h"

namespace oza {

namespace {

// What holds the values but is no value itself: the PowerPlay state entries,
// the fan tables' sections and the PCI images' headers and data structures,
// which the comparison shows by what they say.
void addStructures(const LoadedImage& image, std::vector<KnownField>& out) {
  if (image.clockLocation.clockPosition && image.clockLocation.states) {
    const PowerPlayStates& states = *image.clockLocation.states;
    for (std::size_t s = 0; s < states.entryPositions.size(); ++s)
      out.push_back({"PowerPlay state " + std::to_string(s), states.entryPositions[s],
                     states.entryPositions[s] + states.stateEntrySize - 1, false});
  }
  const FanLocation& fan = image.fan.location;
  if (fan.fanControlPosition) {
    const ByteImage& bytes = image.bytes;
    if (const auto z = findFanSection(bytes, fan.fanControlPosition, image.fan.card.r680))
      out.push_back({"Fan look-up table", type1ThresholdAt(*z, 0), type1SpeedAt(*z, kFanTablePoints - 1), true});
    // The markers may lie anywhere in the section; their entries run up to
    // 32 bytes past the last place a marker can be.
    if (const auto z2 = findType2Section(bytes, fan.fanControlPosition))
      if (const auto length = bytes.word(*z2 + 1))
        out.push_back({"Fan table", *z2 + 4, *z2 + static_cast<std::int64_t>(*length) + 1 + 32, true});
  }
  for (std::size_t n = 0; n < image.pciImages.images.size(); ++n) {
    const PciImage& pci = image.pciImages.images[n];
    const std::string name = "PCI image " + std::to_string(n);
    out.push_back({name + " header", pci.offset, pci.offset + 1, false});
    out.push_back({name + " data structure pointer", pci.offset + 0x18, pci.offset + 0x19, false});
    out.push_back({name + " data structure", pci.dataOffset, pci.dataOffset + 0x17, false});
  }
}

}  // namespace

std::vector<KnownField> knownFields(const LoadedImage& image) {
  std::vector<KnownField> out;
  if (image.bytes.empty()) return out;
  // Every value of the key table that is a field of its own, where this
  // image holds it.
  for (const ValueKey& entry : valueKeys()) {
    if (!entry.bytes) continue;
    for (int i = 0; i < entry.count; ++i)
      if (const std::optional<ValueBytes> at = entry.bytes(image, i))
        out.push_back({entry.key(i), at->first, at->last, entry.editable || at->written});
  }
  addStructures(image, out);
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
  std::vector<Span> known;
  known.reserve(fields.size());
  for (const KnownField& field : fields) known.push_back({field.first, field.last});
  return differingRanges(a, b, spansOutside(std::move(known), std::min(a.size(), b.size())));
}

}  // namespace oza
