#include "fan/fan_fields.h"

#include "image/base_convert.h"
#include "image/hex_fields.h"

namespace oza {

int ReadFanField(const ByteImage& image, std::int32_t position, const FanField& field) {
  try {
    const std::uint32_t value = image.dword(position);
    return static_cast<int>((value >> field.low) & ((1u << field.width()) - 1));
  } catch (const OutOfImage&) {
    return 0;
  }
}

bool WriteFanField(ByteImage& image, std::int32_t position, const FanField& field, const std::string& valueText) {
  // Position 0 is the start of the image, never a register.
  if (position == 0) return false;
  try {
    const std::string bits = padLeft(32, baseConvert(readDWordHex(image, position), 16, 2).value_or(""));
    const std::optional<std::string> converted = baseConvert(valueText, 10, 2);
    const std::string f = converted ? padLeft(field.width(), *converted) : std::string();
    const int s = field.end() - static_cast<int>(f.size()) + 1;
    const std::string updated = bits.substr(0, static_cast<std::size_t>(s - 1)) + f +
                                bits.substr(static_cast<std::size_t>(field.end()));
    return writeDWordHex(image, position, padLeft(8, baseConvert(updated, 2, 16).value_or("")));
  } catch (const OutOfImage&) {
    return false;
  }
}

}  // namespace oza
