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
bool usableRevision5Header(const ByteImage& image, std::int64_t table) {
  if (image.at(table + kPowerPlayClockInfoSize) != kClockInfoRecordSize) return false;
  const std::int64_t offset = image.word(table + kPowerPlayClockInfoArray);
  return offset != 0 && image.contains(table + offset);
}

}  // namespace

ClockLocation findClockLocation(const ByteImage& image) {
  ClockLocation location;
  try {
    const std::int64_t romHeader = image.word(kRomHeaderPointer);
    const std::int64_t masterData = image.word(romHeader + kMasterDataTable);
    const std::int64_t table = image.word(masterData + kPowerPlayEntry);
    const int revision = image.at(table + kPowerPlayRevision);
    // Revision 5 only appends fields to the revision-4 header, so a usable
    // one is read the same way; one that is not usable keeps the signature
    // search that such images have always loaded with.
    if (revision == 4 || (revision == 5 && usableRevision5Header(image, table))) {
      // Integrated-graphics tables use longer records; showing them as
      // 16-byte ones would edit the wrong bytes.
      if (image.at(table + kPowerPlayClockInfoSize) != kClockInfoRecordSize) return location;
      PowerPlayHeader header;
      header.stateCount = image.at(table + kPowerPlayStateCount);
      header.stateEntrySize = image.at(table + kPowerPlayStateEntrySize);
      header.nonClockSize = image.at(table + kPowerPlayNonClockSize);
      header.stateArray = table + image.word(table + kPowerPlayStateArray);
      header.clockInfoArray = table + image.word(table + kPowerPlayClockInfoArray);
      header.nonClockArray = table + image.word(table + kPowerPlayNonClockArray);
      location.states = readPowerPlayStates(image, header);
      // A table whose state entries hold nothing is no table to edit.
      if (!location.states) return ClockLocation{};
      location.clockPosition = header.clockInfoArray;
      return location;
    }
    for (const Signature& signature : kSignatures) {
      const std::int64_t found = image.find(signature.bytes, signature.firstStart,
                                            image.last() - signature.lastStartFromEnd);
      if (found >= 0) {
        location.clockPosition = found + signature.recordsOffset;
        return location;
      }
    }
  } catch (const OutOfImage&) {
    location = ClockLocation{};
  }
  return location;
}

int countClockRecords(const ByteImage& image, std::int64_t clockPosition) {
  if (clockPosition < 0 || clockPosition > image.last()) return 0;
  std::int64_t end = image.find(kClockInfoEnd, clockPosition, image.last() - 5);
  if (end < 0) end = std::max(image.last() - 4, clockPosition);
  const std::int64_t distance = end - clockPosition;
  if (distance % kClockInfoRecordSize != 0) return 0;
  const std::int64_t count = distance / kClockInfoRecordSize;
  return count > 32767 ? 0 : static_cast<int>(count);
}

}  // namespace oza
