// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/hex_fields.h"

namespace oza {

std::string hexByte(std::uint8_t value) {
  static const char digits[] = "0123456789ABCDEF";
  return {digits[value >> 4], digits[value & 15]};
}

std::optional<std::string> readDWordHex(const ByteImage& image, std::int64_t position) {
  const std::optional<std::uint32_t> value = image.dword(position);
  if (!value) return std::nullopt;
  return hexText(*value, 8);
}

std::string hexText(std::uint64_t value, int minDigits) {
  std::string text;
  do {
    text.insert(text.begin(), "0123456789ABCDEF"[value & 15]);
    value >>= 4;
  } while (value > 0);
  if (static_cast<int>(text.size()) < minDigits) text.insert(0, static_cast<std::size_t>(minDigits) - text.size(), '0');
  return text;
}

}  // namespace oza
