// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "image/byte_image.h"

namespace oza {

// A little-endian double word as uppercase hexadecimal text, highest byte
// first, as a comparison shows a register; nothing for a field outside the
// image.
std::optional<std::string> readDWordHex(const ByteImage& image, std::int64_t position);

// Two uppercase hexadecimal digits.
std::string hexByte(std::uint8_t value);

// `value` in uppercase hexadecimal, padded with 0 to at least `minDigits`.
std::string hexText(std::uint64_t value, int minDigits);

}  // namespace oza
