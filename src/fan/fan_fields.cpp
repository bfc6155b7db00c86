#include "fan/fan_fields.h"

#include <cmath>

namespace oza {

int readFanField(const ByteImage& image, std::int32_t position, const FanField& field) {
  try {
    return static_cast<int>((image.dword(position) & field.mask()) >> field.low);
  } catch (const OutOfImage&) {
    return 0;
  }
}

bool writeFanField(ByteImage& image, std::int32_t position, const FanField& field, double value) {
  // Position 0 is the start of the image, never a register.
  if (position == 0) return false;
  try {
    const std::uint32_t before = image.dword(position);
    const double largest = static_cast<double>(field.mask() >> field.low);
    const bool fits = std::isfinite(value) && value >= 0 && value <= largest && std::floor(value) == value;
    if (!fits) return true;
    const std::uint32_t bits = static_cast<std::uint32_t>(value) << field.low;
    const std::uint32_t after = (before & ~field.mask()) | bits;
    for (int i = 0; i < 4; ++i) image.set(position + i, static_cast<std::uint8_t>(after >> (8 * i)));
    return true;
  } catch (const OutOfImage&) {
    return false;
  }
}

}  // namespace oza
