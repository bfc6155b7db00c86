// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/info_strings.h"

#include "image/atom_layout.h"
#include "text/number_text.h"

namespace oza {

namespace {

constexpr std::uint8_t kEnd = 0;
constexpr std::uint8_t kCr = 13;
constexpr std::uint8_t kLf = 10;
constexpr std::uint8_t kBlank = 32;
constexpr std::uint8_t kOpenParen = 40;

// First position from `from` whose byte is `value`, or one past the last index.
std::int64_t scanTo(const ByteImage& image, std::int64_t from, std::uint8_t value) {
  return image.find(value, from, image.last()).value_or(std::max(image.size(), from));
}

// The bytes of the range as text; false when a byte lies outside the image.
bool copyString(const ByteImage& image, const StringRange& range, std::string& target) {
  for (std::int64_t p = range.first; p <= range.last; ++p) {
    const std::optional<std::uint8_t> byte = image.at(p);
    if (!byte) return false;
    target += static_cast<char>(*byte);
  }
  return true;
}

std::uint16_t namedValue(const std::string& lowerText, const char* unit, std::initializer_list<int> values) {
  std::uint16_t found = 0;
  for (int value : values) {
    const std::string number = std::to_string(value);
    if (contains(lowerText, number + unit) || contains(lowerText, number + " " + unit))
      found = static_cast<std::uint16_t>(value);
  }
  return found;
}

}  // namespace

std::optional<StringPositions> findStringPositions(const ByteImage& image) {
  ImageReader read(image);
  StringPositions found;
  // Four strings, each ended by a 0 byte.
  const std::int64_t blockStart = read.byte(kStringBlockPointer);
  if (!read.ok()) return std::nullopt;
  const std::int64_t versionEnd = scanTo(image, blockStart, kEnd);
  const std::int64_t chipEnd = scanTo(image, versionEnd + 1, kEnd);
  const std::int64_t interfaceEnd = scanTo(image, chipEnd + 1, kEnd);
  const std::int64_t ramTypeEnd = scanTo(image, interfaceEnd + 1, kEnd);
  found.biosVersion = {blockStart, versionEnd - 1};
  found.chipType = {versionEnd + 1, chipEnd - 1};
  found.cardInterface = {chipEnd + 1, interfaceEnd - 1};
  found.ramType = {interfaceEnd + 1, ramTypeEnd - 1};

  // The hardware specs line, after optional line ends, without trailing blanks.
  std::int64_t beforeSpecs = ramTypeEnd;
  if (read.byte(beforeSpecs + 1) == kCr) ++beforeSpecs;
  if (read.byte(beforeSpecs + 1) == kLf) ++beforeSpecs;
  const std::int64_t specsEnd = scanTo(image, beforeSpecs + 1, kCr);
  std::int64_t length = specsEnd - (beforeSpecs + 1);
  while (read.ok() && length > 0 && read.byte(beforeSpecs + length) == kBlank) --length;
  found.hardwareSpecs = {beforeSpecs + 1, beforeSpecs + length};

  std::int64_t next = beforeSpecs + length + 2;
  while (read.ok() && read.byte(next) <= kBlank) ++next;

  std::int64_t copyrightStart;
  if (read.byte(next) == kOpenParen) {
    copyrightStart = next;
  } else {
    const std::int64_t lineFeed = scanTo(image, next + 1, kLf);
    found.powerCableMessage = StringRange{next, lineFeed - 1};
    // Real images separate the cable line from the copyright by a 0 byte
    // and line ends; the copyright starts at the first printable byte.
    copyrightStart = lineFeed + 1;
    while (image.contains(copyrightStart) && read.byte(copyrightStart) <= kBlank) ++copyrightStart;
  }
  const std::int64_t copyrightEnd = scanTo(image, copyrightStart + (found.powerCableMessage ? 0 : 1), kEnd);
  found.copyright = {copyrightStart, copyrightEnd - 1};
  const std::int64_t atomVersionEnd = scanTo(image, copyrightEnd + 1, kEnd);
  found.atomBiosVersion = {copyrightEnd + 1, atomVersionEnd - 1};
  if (!read.ok()) return std::nullopt;
  return found;
}

std::optional<InfoStrings> splitInfos(const ByteImage& image, const StringPositions& positions) {
  InfoStrings strings;
  strings.positions = positions;
  const bool copied =
      copyString(image, positions.biosVersion, strings.biosVersion) &&
      copyString(image, positions.chipType, strings.chipType) &&
      copyString(image, positions.cardInterface, strings.cardInterface) &&
      copyString(image, positions.ramType, strings.ramType) &&
      copyString(image, positions.hardwareSpecs, strings.hardwareSpecs) &&
      copyString(image, positions.copyright, strings.copyright) &&
      copyString(image, positions.atomBiosVersion, strings.atomBiosVersion) &&
      (!positions.powerCableMessage || copyString(image, *positions.powerCableMessage, strings.powerCableMessage));
  if (!copied) return std::nullopt;
  const std::string specs = toLower(strings.hardwareSpecs);
  strings.ramSize = namedValue(specs, "mb", {1024, 512, 256, 128, 64});
  strings.ramBusWidth = namedValue(specs, "bit", {64, 128, 256, 512});
  return strings;
}

std::optional<std::string> biosDateTime(const ByteImage& image) {
  std::string text;
  if (!copyString(image, {kDateFirst, kDateLast}, text)) return std::nullopt;
  return trimBlanks(text);
}

bool usesGddr5(const InfoStrings& strings) { return contains(toLower(strings.ramType), "dr5"); }

bool checkValid(const InfoStrings& strings) {
  if (!contains(strings.chipType, "R") && !contains(strings.chipType, "M")) return false;
  if (strings.cardInterface.size() < 3 || strings.cardInterface.size() > 15) return false;
  if (!contains(toLower(strings.ramType), "dr")) return false;
  if (!contains(toLower(strings.copyright), "ati")) return false;
  if (!contains(toLower(strings.atomBiosVersion), "atom")) return false;
  return true;
}

}  // namespace oza
