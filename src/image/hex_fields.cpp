#include "image/hex_fields.h"

#include <charconv>

namespace oza {

namespace {

std::string readHex(const ByteImage& image, std::int64_t position, int bytes) {
  std::string text;
  for (int i = bytes - 1; i >= 0; --i) text += hexByte(image.at(position + i));
  return text;
}

bool writeHex(ByteImage& image, std::int64_t position, const std::string& text, int bytes) {
  if (static_cast<int>(text.size()) != 2 * bytes) return false;
  try {
    // The last piece goes to the lowest position, and is stored first.
    for (int piece = bytes - 1; piece >= 0; --piece) {
      const char* first = text.data() + 2 * piece;
      std::uint8_t value = 0;
      const auto [end, error] = std::from_chars(first, first + 2, value, 16);
      if (error != std::errc() || end != first + 2) value = 0;
      image.set(position + bytes - 1 - piece, value);
    }
  } catch (const OutOfImage&) {
    return false;
  }
  return true;
}

}  // namespace

std::string hexByte(std::uint8_t value) {
  static const char digits[] = "0123456789ABCDEF";
  return {digits[value >> 4], digits[value & 15]};
}

std::string readDWordHex(const ByteImage& image, std::int64_t position) {
  return readHex(image, position, 4);
}

bool writeDWordHex(ByteImage& image, std::int64_t position, const std::string& text) {
  return writeHex(image, position, text, 4);
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
