// SPDX-License-Identifier: GPL-3.0-or-later

#include "fan/fan_location.h"

#include <algorithm>

#include "text/number_text.h"

namespace oza {

std::optional<std::int64_t> findFanSection(const ByteImage& image, std::int32_t fanControlPosition, bool r680) {
  std::optional<std::int64_t> section = image.find(kFanSectionMarker, fanControlPosition, image.last() - 1);
  if (r680 && section) section = image.find(kFanSectionMarker, *section + 1, image.last() - 1);
  return section;
}

std::optional<std::int64_t> findType2Section(const ByteImage& image, std::int32_t fanControlPosition) {
  return image.find(kFanSectionMarker, fanControlPosition, image.last());
}

std::optional<std::int64_t> findType2Marker(const ByteImage& image, std::int64_t section, std::uint8_t marker) {
  const std::optional<std::uint32_t> length = image.word(section + 1);
  if (!length) return std::nullopt;
  return image.find(marker, section + 4, section + *length + 1);
}

FanLocation locateFanTable(const ByteImage& image, bool r680) {
  FanLocation location;
  const std::optional<std::uint32_t> header = image.word(kRomHeaderPointer);
  if (!header) return location;
  const std::optional<std::uint32_t> commandTable = image.word(*header + kMasterCommandTable);
  if (!commandTable) return location;
  location.commandTablePosition = static_cast<std::int32_t>(*commandTable);
  const std::optional<std::uint32_t> fanControl = image.word(location.commandTablePosition + kFanControlTableOffset);
  if (!fanControl) return location;
  location.fanControlPosition = static_cast<std::int32_t>(*fanControl);
  const std::optional<std::int64_t> section = findFanSection(image, location.fanControlPosition, r680);
  if (!section) return location;
  const int type = image.at(*section + kFanSectionTypeOffset).value_or(0);
  location.tableType = type == 1 ? FanTableType::Type1 : type == 2 ? FanTableType::Type2 : FanTableType::None;
  return location;
}

bool isRv770Card(std::uint16_t cardId) { return cardId >= 0x9440 && cardId <= 0x9447; }

bool isR680(const std::string& chipType) { return contains(chipType, "R680"); }

std::optional<std::int64_t> findFanRegister(const ByteImage& image, std::int32_t fanControlPosition, int n,
                                            bool rv770) {
  const std::uint32_t number = (rv770 ? 0x01DB : 0x0201) + static_cast<std::uint32_t>(n);
  const auto& bytes = image.bytes();
  for (std::int64_t i = std::max<std::int64_t>(fanControlPosition, 0); i <= image.last() - 4; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (bytes[at] == 0x01 && bytes[at + 2] == (number & 0xFF) && bytes[at + 3] == number >> 8) return i + 4;
  }
  return std::nullopt;
}

}  // namespace oza
