#include "powerplay/clock_location.h"

#include <stdexcept>
#include <vector>

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

constexpr std::int64_t kClockInfoSizeOffset = 0x07;
constexpr std::int64_t kClockInfoArrayOffset = 0x0B;
constexpr int kClockInfoRecordSize = 16;

// A revision-5 header whose clock info array can be read as revision 4's:
// 16-byte records at a non-zero offset inside the image.
bool usableRevision5Header(const ByteImage& image, std::int64_t p) {
  if (image.at(p + kClockInfoSizeOffset) != kClockInfoRecordSize) return false;
  const std::int64_t offset = image.word(p + kClockInfoArrayOffset);
  return offset != 0 && image.contains(p + offset);
}

}  // namespace

ClockLocation GetClockPos(const ByteImage& image) {
  ClockLocation location;
  try {
    const std::int64_t header = image.word(0x48);
    const std::int64_t masterData = image.word(header + 0x20);
    const std::int64_t p = image.word(masterData + 0x22);
    const int revision = image.at(p + 2);
    // Revision 5 only appends fields to the revision-4 header, so a usable
    // one is read the same way; one that is not usable keeps the signature
    // search that such images have always loaded with.
    if (revision == 4 || (revision == 5 && usableRevision5Header(image, p))) {
      // Integrated-graphics tables use longer records; showing them as
      // 16-byte ones would edit the wrong bytes.
      if (image.at(p + kClockInfoSizeOffset) != kClockInfoRecordSize) return location;
      PowerPlayHeader table;
      table.stateCount = image.at(p + 0x05);
      table.stateEntrySize = image.at(p + 0x06);
      table.nonClockSize = image.at(p + 0x08);
      table.stateArray = p + image.word(p + 0x09);
      table.clockInfoArray = p + image.word(p + kClockInfoArrayOffset);
      table.nonClockArray = p + image.word(p + 0x0D);
      location.states = ReadPowerPlayStates(image, table);
      location.ClockPosition = table.clockInfoArray;
      return location;
    }
    for (const Signature& signature : kSignatures) {
      const std::int64_t found = image.find(signature.bytes, signature.firstStart,
                                            image.last() - signature.lastStartFromEnd);
      if (found >= 0) {
        location.ClockPosition = found + signature.recordsOffset;
        return location;
      }
    }
  } catch (const std::exception&) {
    location = ClockLocation{};
  }
  return location;
}

int GetStatesNum(const ByteImage& image, std::int64_t ClockPosition) {
  if (ClockPosition < 0 || ClockPosition > image.last()) return 0;
  std::int64_t i = image.find(kClockInfoEnd, ClockPosition, image.last() - 5);
  if (i < 0) i = std::max(image.last() - 4, ClockPosition);
  const std::int64_t distance = i - ClockPosition;
  if (distance % 16 != 0) return 0;
  const std::int64_t count = distance / 16;
  return count > 32767 ? 0 : static_cast<int>(count);
}

}  // namespace oza
