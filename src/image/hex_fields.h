#pragma once

#include <cstdint>
#include <string>

#include "image/byte_image.h"

namespace oza {

// Fixed-width little-endian fields as uppercase hexadecimal text, highest
// byte first. Readers raise OutOfImage for a field outside the image.
std::string readDWordHex(const ByteImage& image, std::int64_t position);

// Writers: false for a text of the wrong length or a field outside the image
// (bytes stored before the failing one stay stored). A two-digit piece that
// is not hexadecimal is stored as 0.
bool writeDWordHex(ByteImage& image, std::int64_t position, const std::string& text);

// Two uppercase hexadecimal digits.
std::string hexByte(std::uint8_t value);

// `value` in uppercase hexadecimal, padded with 0 to at least `minDigits`.
std::string hexText(std::uint64_t value, int minDigits);

}  // namespace oza
