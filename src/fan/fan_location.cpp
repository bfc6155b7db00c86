#include "fan/fan_location.h"

#include <algorithm>

#include "text/number_text.h"

namespace oza {

std::int64_t findFanSection(const ByteImage& image, std::int32_t fanControlPosition, bool r680) {
  std::int64_t section = image.find(kFanSectionMarker, fanControlPosition, image.last() - 1);
  if (r680 && section >= 0) section = image.find(kFanSectionMarker, section + 1, image.last() - 1);
  return section;
}

std::int64_t findType2Section(const ByteImage& image, std::int32_t fanControlPosition) {
  return image.find(kFanSectionMarker, fanControlPosition, image.last());
}

std::int64_t findType2Marker(const ByteImage& image, std::int64_t section, std::uint8_t marker) {
  const std::int64_t length = image.word(section + 1);
  return image.find(marker, section + 4, section + length + 1);
}

void locateFanTable(const ByteImage& image, bool r680, FanLocation& location) {
  location.tableType = FanTableType::None;
  try {
    const std::int64_t header = image.word(kRomHeaderPointer);
    location.commandTablePosition = static_cast<std::int32_t>(image.word(header + kMasterCommandTable));
    location.fanControlPosition =
        static_cast<std::int32_t>(image.word(location.commandTablePosition + kFanControlTableOffset));
    const std::int64_t section = findFanSection(image, location.fanControlPosition, r680);
    if (section < 0) return;
    const int type = image.at(section + kFanSectionTypeOffset);
    location.tableType = type == 1 ? FanTableType::Type1 : type == 2 ? FanTableType::Type2 : FanTableType::None;
  } catch (const OutOfImage&) {
    location.tableType = FanTableType::None;
  }
}

bool isRv770Card(std::uint16_t cardId) { return cardId >= 0x9440 && cardId <= 0x9447; }

bool isR680(const std::string& chipType) { return contains(chipType, "R680"); }

std::int32_t findFanRegister(const ByteImage& image, std::int32_t fanControlPosition, int n, bool rv770) {
  const std::uint32_t number = (rv770 ? 0x01DB : 0x0201) + static_cast<std::uint32_t>(n);
  const std::uint8_t lo = number & 0xFF;
  const std::uint8_t hi = number >> 8;
  for (std::int64_t i = std::max<std::int64_t>(fanControlPosition, 0); i <= image.last() - 4; ++i) {
    if (image.at(i) == 0x01 && image.at(i + 2) == lo && image.at(i + 3) == hi)
      return static_cast<std::int32_t>(i + 4);
  }
  return 0;
}

}  // namespace oza
