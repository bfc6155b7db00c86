// SPDX-License-Identifier: GPL-3.0-or-later

#include "fan/fan_fields.h"

#include <cmath>

namespace oza {

std::optional<int> readFanField(const ByteImage& image, std::int64_t position, const FanField& field) {
  const std::optional<std::uint32_t> value = image.dword(position);
  if (!value) return std::nullopt;
  return static_cast<int>((*value & field.mask()) >> field.low);
}

bool writeFanField(ByteImage& image, const std::optional<std::int64_t>& position, const FanField& field,
                   const std::optional<double>& value) {
  if (!position) return false;
  const std::optional<std::uint32_t> before = image.dword(*position);
  if (!before) return false;
  const double largest = static_cast<double>(field.mask() >> field.low);
  const bool fits = value && std::isfinite(*value) && *value >= 0 && *value <= largest && std::floor(*value) == *value;
  if (!fits) return true;
  const std::uint32_t bits = static_cast<std::uint32_t>(*value) << field.low;
  return image.setDword(*position, (*before & ~field.mask()) | bits);
}

}  // namespace oza
