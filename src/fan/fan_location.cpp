#include "fan/fan_location.h"

#include "image/number_text.h"

namespace oza {

std::int32_t FanGlobals::registerPosition(int n) const {
  return n == 0 ? FanRegisterPosition0 : n == 1 ? FanRegisterPosition1 : FanRegisterPosition2;
}

std::int64_t findFanSection(const ByteImage& image, std::int32_t FanControlPosition, bool r680) {
  std::int64_t z = image.find(0x7A, FanControlPosition, image.last() - 1);
  if (r680 && z >= 0) z = image.find(0x7A, z + 1, image.last() - 1);
  return z;
}

std::int64_t findType2Section(const ByteImage& image, std::int32_t FanControlPosition) {
  return image.find(0x7A, FanControlPosition, image.last());
}

std::int64_t findType2Marker(const ByteImage& image, std::int64_t z, std::uint8_t marker) {
  const std::int64_t length = image.word(z + 1);
  return image.find(marker, z + 4, z + length + 1);
}

void LocateFanTable(const ByteImage& image, bool r680, FanGlobals& globals) {
  globals.FanTableType = 0;
  try {
    const std::int64_t header = image.word(0x48);
    globals.CommandTablePosition = static_cast<std::int32_t>(image.word(header + 0x1E));
    globals.FanControlPosition = static_cast<std::int32_t>(image.word(globals.CommandTablePosition + 0x76));
    const std::int64_t z = findFanSection(image, globals.FanControlPosition, r680);
    if (z < 0) return;
    const int type = image.at(z + 3);
    globals.FanTableType = static_cast<std::int16_t>(type == 1 || type == 2 ? type : 0);
  } catch (const OutOfImage&) {
    globals.FanTableType = 0;
  }
}

bool IsRV770Card(std::uint16_t cardId) { return cardId >= 0x9440 && cardId <= 0x9447; }

bool isR680(const std::string& chipTypeText) { return contains(chipTypeText, "R680"); }

std::int32_t FindFanRegister(const ByteImage& image, std::int32_t FanControlPosition, int n, bool rv770) {
  const std::uint32_t number = (rv770 ? 0x01DB : 0x0201) + static_cast<std::uint32_t>(n);
  const std::uint8_t lo = number & 0xFF;
  const std::uint8_t hi = number >> 8;
  for (std::int64_t i = std::max<std::int64_t>(FanControlPosition, 0); i <= image.last() - 4; ++i) {
    if (image.at(i) == 0x01 && image.at(i + 2) == lo && image.at(i + 3) == hi)
      return static_cast<std::int32_t>(i + 4);
  }
  return 0;
}

}  // namespace oza
