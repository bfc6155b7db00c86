// SPDX-License-Identifier: GPL-3.0-or-later

#include "powerplay/clock_location.h"

#include <vector>

#include "image/atom_layout.h"

namespace oza {

namespace {

struct Signature {
  std::vector<std::uint8_t> bytes;
  std::int64_t firstStart;
  std::int64_t lastStartFromEnd;  // last start = last index - this
  std::int64_t recordsOffset;
};

const Signature kSignatures[] = {
    {{0x01, 0x02, 0x03, 0x02, 0x04, 0x05, 0x06, 0x03, 0x07, 0x08, 0x09}, 0, 11, 11},
    {{0x25, 0x00, 0x2D, 0x00, 0x6D, 0x00}, 1, 6, 36},
    {{0x25, 0x00, 0x31, 0x00, 0xA1, 0x00}, 1, 6, 40},
    {{0x31, 0x00, 0x91, 0x00, 0x00, 0x00, 0x01}, 1, 7, 16},
};

const std::vector<std::uint8_t> kClockInfoEnd = {0x08, 0x00, 0x00, 0x00, 0x7A};

constexpr int kClockInfoRecordSize = 16;

// A revision-5 header whose clock info array can be read as revision 4's:
// 16-byte records at a non-zero offset inside the image.
bool usableRevision5Header(ImageReader& read, std::int64_t table) {
  if (read.byte(table + kPowerPlayClockInfoSize) != kClockInfoRecordSize) return false;
  const std::int64_t offset = read.word(table + kPowerPlayClockInfoArray);
  return offset != 0 && read.image().contains(table + offset);
}

}  // namespace

ClockLocation findClockLocation(const ByteImage& image) {
  ImageReader read(image);
  const std::int64_t romHeader = read.word(kRomHeaderPointer);
  const std::int64_t masterData = read.word(romHeader + kMasterDataTable);
  const std::int64_t table = read.word(masterData + kPowerPlayEntry);
  const int revision = read.byte(table + kPowerPlayRevision);
  if (!read.ok()) return {};
  // Revision 5 only appends fields to the revision-4 header, so a usable
  // one is read the same way; one that is not usable keeps the signature
  // search that such images have always loaded with.
  if (revision == 4 || (revision == 5 && usableRevision5Header(read, table))) {
    // Integrated-graphics tables use longer records; showing them as
    // 16-byte ones would edit the wrong bytes.
    if (read.byte(table + kPowerPlayClockInfoSize) != kClockInfoRecordSize) return {};
    PowerPlayHeader header;
    header.stateCount = read.byte(table + kPowerPlayStateCount);
    header.stateEntrySize = read.byte(table + kPowerPlayStateEntrySize);
    header.nonClockSize = read.byte(table + kPowerPlayNonClockSize);
    header.stateArray = table + read.word(table + kPowerPlayStateArray);
    header.clockInfoArray = table + read.word(table + kPowerPlayClockInfoArray);
    header.nonClockArray = table + read.word(table + kPowerPlayNonClockArray);
    if (!read.ok()) return {};
    ClockLocation location;
    location.states = readPowerPlayStates(image, header);
    // A table whose state entries hold nothing, or lie outside the image,
    // is no table to edit; nor are records at the image's first byte.
    if (!location.states || header.clockInfoArray == 0) return {};
    location.clockPosition = header.clockInfoArray;
    return location;
  }
  if (!read.ok()) return {};
  for (const Signature& signature : kSignatures) {
    const auto found = image.find(signature.bytes, signature.firstStart, image.last() - signature.lastStartFromEnd);
    if (found) return ClockLocation{*found + signature.recordsOffset, std::nullopt};
  }
  return {};
}

int countClockRecords(const ByteImage& image, std::int64_t clockPosition) {
  if (clockPosition < 0 || clockPosition > image.last()) return 0;
  const std::int64_t end =
      image.find(kClockInfoEnd, clockPosition, image.last() - 5).value_or(std::max(image.last() - 4, clockPosition));
  const std::int64_t distance = end - clockPosition;
  if (distance % kClockInfoRecordSize != 0) return 0;
  const std::int64_t count = distance / kClockInfoRecordSize;
  return count > 32767 ? 0 : static_cast<int>(count);
}

}  // namespace oza
