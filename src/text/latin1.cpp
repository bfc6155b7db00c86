// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/latin1.h"

#include <cstdint>

namespace oza {

namespace {

// Decodes the code point starting at text[i]; advances i. -1 for invalid
// UTF-8 (i then advances by one byte).
long decodeOne(const std::string& text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  int extra;
  long code;
  if (lead < 0x80) {
    ++i;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    code = lead & 0x07;
  } else {
    ++i;
    return -1;
  }
  if (i + static_cast<std::size_t>(extra) >= text.size()) {
    ++i;
    return -1;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return -1;
    }
    code = (code << 6) | (next & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return code;
}

}  // namespace

std::string latin1ToUtf8(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (b >> 6));
      text += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return text;
}

std::optional<std::string> utf8ToLatin1(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size();) {
    const long code = decodeOne(text, i);
    if (code < 0 || code > 0xFF) return std::nullopt;
    bytes += static_cast<char>(code);
  }
  return bytes;
}

std::string utf8ToLatin1Lossy(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size();) {
    const long code = decodeOne(text, i);
    bytes += (code < 0 || code > 0xFF) ? '?' : static_cast<char>(code);
  }
  return bytes;
}

std::optional<std::string> firstNonLatin1(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const long code = decodeOne(text, i);
    if (code < 0 || code > 0xFF) return text.substr(start, i - start);
  }
  return std::nullopt;
}

std::string characterName(const std::string& character) {
  static const char digits[] = "0123456789ABCDEF";
  auto hex = [](unsigned long value, int width) {
    std::string text;
    for (int shift = (width - 1) * 4; shift >= 0; shift -= 4) text += digits[(value >> shift) & 15];
    return text;
  };
  std::size_t i = 0;
  const long code = character.empty() ? -1 : decodeOne(character, i);
  if (code < 0) return "byte 0x" + hex(character.empty() ? 0 : static_cast<unsigned char>(character[0]), 2);
  return "U+" + hex(static_cast<unsigned long>(code), code > 0xFFFF ? 5 : 4);
}

std::size_t utf8Length(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size();) {
    decodeOne(text, i);
    ++count;
  }
  return count;
}

std::string utf8Prefix(const std::string& text, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < count && i < text.size(); ++n) decodeOne(text, i);
  return text.substr(0, i);
}

}  // namespace oza
