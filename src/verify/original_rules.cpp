// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/check_rules.h"

#include <algorithm>

#include "image/hex_fields.h"
#include "save/checksum.h"
#include "text/number_text.h"
#include "verify/byte_ranges.h"
#include "verify/known_fields.h"
#include "verify/range_tables.h"

namespace oza {

namespace {

const char* const kUnread = "a file could not be read";
const char* const kNotBothLoaded = "an image did not load";
// A clock may rise this much over the original's highest before it is worth a warning.
constexpr double kLargestRaise = 1.20;

}  // namespace

void checkOriginalLoads(const ImageFile&, const ImageFile* original, Finding& found) {
  if (original->loaded())
    found.passed("loaded as the window loads it");
  else
    found.error(original->failure);
}

void checkLengthAsOriginal(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.bytes || !original->bytes) return found.notRun(kUnread);
  const std::int64_t size = file.bytes->size(), theirs = original->bytes->size();
  found.note("size_bytes", double(size));
  found.note("original.size_bytes", double(theirs));
  if (size == theirs)
    found.passed(byteCount(size));
  else
    found.error(byteCount(size) + ", the original " + byteCount(theirs));
}

void checkByteSumAsOriginal(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.bytes || !original->bytes) return found.notRun(kUnread);
  const std::int64_t sum = byteSum(*file.bytes), theirs = byteSum(*original->bytes);
  found.note("byte_sum", double(sum));
  found.note("original.byte_sum", double(theirs));
  if (sum == theirs)
    found.passed(std::to_string(sum));
  else
    found.error(std::to_string(sum) + ", the original " + std::to_string(theirs));
}

void checkVoltagesInOriginalRange(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.loaded() || !original->loaded()) return found.notRun(kNotBothLoaded);
  std::optional<double> low, high;
  for (const ClockValues& info : clockValues(*original->image))
    if (info.volt) {
      low = std::min(low.value_or(*info.volt), *info.volt);
      high = std::max(high.value_or(*info.volt), *info.volt);
    }
  if (!low) return found.notRun("the original has no voltages");
  const std::string range = decimalText(*low) + " V to " + decimalText(*high) + " V";
  std::vector<std::string> problems;
  for (const ClockValues& info : clockValues(*file.image))
    if (info.volt && (*info.volt < *low || *info.volt > *high)) {
      problems.push_back(blockName(info.block) + " " + decimalText(*info.volt) + " V outside " + range);
      found.note("clock_info." + std::to_string(info.block) + ".voltage_v", *info.volt);
    }
  found.judge(CheckOutcome::Warning, problems, range);
}

void checkClocksNearOriginal(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.loaded() || !original->loaded()) return found.notRun(kNotBothLoaded);
  double gpuHigh = 0, ramHigh = 0;
  for (const ClockValues& info : clockValues(*original->image)) {
    gpuHigh = std::max(gpuHigh, info.gpu);
    ramHigh = std::max(ramHigh, info.ram);
  }
  std::vector<std::string> raised;
  for (const ClockValues& info : clockValues(*file.image)) {
    const std::string key = "clock_info." + std::to_string(info.block) + ".";
    if (info.gpu > gpuHigh * kLargestRaise) {
      raised.push_back(blockName(info.block) + " GPU " + mhzText(info.gpu));
      found.note(key + "gpu_mhz", info.gpu);
    }
    if (info.ram > ramHigh * kLargestRaise) {
      raised.push_back(blockName(info.block) + " RAM " + mhzText(info.ram));
      found.note(key + "memory_mhz", info.ram);
    }
  }
  found.judge(CheckOutcome::Warning, raised,
              "original's highest GPU " + mhzText(gpuHigh) + ", RAM " + mhzText(ramHigh));
}

// A flasher finds the card by its IDs.
void checkIdsAsOriginal(const ImageFile& file, const ImageFile* originalFile, Finding& found) {
  if (!file.loaded() || !originalFile->loaded()) return found.notRun(kNotBothLoaded);
  const LoadedImage& image = *file.image;
  const LoadedImage& original = *originalFile->image;
  std::vector<std::string> ids;
  if (image.subVendorId != original.subVendorId) {
    ids.push_back("sub vendor 0x" + hexText(image.subVendorId, 4) + ", the original 0x" +
                  hexText(original.subVendorId, 4));
    found.note("ids.sub_vendor", double(image.subVendorId));
  }
  if (image.cardId != original.cardId) {
    ids.push_back("card 0x" + hexText(image.cardId, 4) + ", the original 0x" + hexText(original.cardId, 4));
    found.note("ids.card", double(image.cardId));
  }
  found.judge(CheckOutcome::Warning, ids,
              "sub vendor 0x" + hexText(image.subVendorId, 4) + ", card 0x" + hexText(image.cardId, 4));
}

void checkBytesOutsideKnownFields(const ImageFile& file, const ImageFile* originalFile, Finding& found) {
  if (!file.loaded() || !originalFile->loaded()) return found.notRun(kNotBothLoaded);
  const LoadedImage& image = *file.image;
  const LoadedImage& original = *originalFile->image;
  std::vector<KnownField> known = knownFieldsOfEither(original, image);
  for (const KnownField& area : correctionAreasOfEither(original.bytes, image.bytes)) known.push_back(area);
  const std::vector<ByteRange> ranges = rangesOutside(original.bytes, image.bytes, known);
  if (ranges.empty()) return found.passed("none differ");
  std::int64_t differing = 0;
  for (const ByteRange& range : ranges) differing += range.differing;
  found.note("bytes.differing", double(differing));
  std::string detail = std::to_string(differing) + (differing == 1 ? " byte differs at " : " bytes differ at ");
  const std::size_t shown = std::min(ranges.size(), kLargestRangeList);
  const RangeTables tables(original, image);
  for (std::size_t r = 0; r < shown; ++r)
    detail += (r ? ", " : "") + rangeText(ranges[r]) + inTables(tables.of(ranges[r]));
  if (ranges.size() > shown) detail += " and " + std::to_string(ranges.size() - shown) + " more ranges";
  found.warning(detail);
}

}  // namespace oza
