// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "image/byte_image.h"

namespace oza {

// Where one information string lies: its first and last byte.
struct StringRange {
  std::int64_t first = 0;
  std::int64_t last = 0;
  bool operator==(const StringRange&) const = default;
};

// Where the load found the eight information strings; the information
// writer patches exactly these bytes and never searches again.
struct StringPositions {
  StringRange biosVersion;
  StringRange chipType;
  StringRange cardInterface;
  StringRange ramType;
  StringRange hardwareSpecs;
  std::optional<StringRange> powerCableMessage;  // most images have none
  StringRange copyright;
  StringRange atomBiosVersion;
  bool operator==(const StringPositions&) const = default;
};

// The information strings of the loaded image, as raw bytes (one character
// per byte), and what the hardware description says about the memory.
struct InfoStrings {
  std::string biosVersion;
  std::string chipType;
  std::string cardInterface;
  std::string ramType;
  std::string hardwareSpecs;
  std::string powerCableMessage;  // empty when the image has none
  std::string copyright;
  std::string atomBiosVersion;
  std::uint16_t ramSize = 0;                 // MB named in hardwareSpecs, 0 when none
  std::uint16_t ramBusWidth = 0;             // bits named in hardwareSpecs, 0 when none
  std::optional<StringPositions> positions;  // where the load found them
};

// Follows the string block pointer at 0x6E; nothing when the block runs
// outside the image.
std::optional<StringPositions> findStringPositions(const ByteImage& image);

// The strings at `positions`, with ramSize and ramBusWidth derived from
// them; nothing when a position lies outside the image.
std::optional<InfoStrings> splitInfos(const ByteImage& image, const StringPositions& positions);

// The date/time text at 0x50..0x5E without surrounding blanks; nothing when
// the image is too short.
std::optional<std::string> biosDateTime(const ByteImage& image);

// Whether the memory type names GDDR5.
bool usesGddr5(const InfoStrings& strings);

// Whether the strings look like those of an AtomBIOS image of this family.
bool checkValid(const InfoStrings& strings);

}  // namespace oza
