#include "image/hex_fields.h"

#include <cstdlib>

#include "image/base_convert.h"

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
      const std::string decimal = BaseConvert(text.substr(2 * static_cast<std::size_t>(piece), 2), 16, 10);
      const int value = decimal == "Error" ? 0 : std::atoi(decimal.c_str());
      image.set(position + bytes - 1 - piece, static_cast<std::uint8_t>(value));
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

std::string ReadWordHex(const ByteImage& image, std::int64_t position) {
  return readHex(image, position, 2);
}
std::string ReadClockHex(const ByteImage& image, std::int64_t position) {
  return readHex(image, position, 3);
}
std::string ReadDWordHex(const ByteImage& image, std::int64_t position) {
  return readHex(image, position, 4);
}

bool WriteWordHex(ByteImage& image, std::int64_t position, const std::string& text) {
  return writeHex(image, position, text, 2);
}
bool WriteClockHex(ByteImage& image, std::int64_t position, const std::string& text) {
  return writeHex(image, position, text, 3);
}
bool WriteDWordHex(ByteImage& image, std::int64_t position, const std::string& text) {
  return writeHex(image, position, text, 4);
}

std::string GetBIOSSize(const ByteImage& image, int mode) {
  if (image.empty()) return "Fehler";
  const std::string decimal = std::to_string(image.size());
  if (mode == 0) {
    std::string hex = BaseConvert(decimal, 10, 16);
    if (hex.size() < 4) hex = padLeft(4, hex);
    return "0x" + hex;
  }
  if (mode == 1) return decimal;
  return {};
}

}  // namespace oza
