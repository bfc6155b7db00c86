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
  const std::int64_t found = image.find(value, from, image.last());
  return found < 0 ? std::max(image.size(), from) : found;
}

void copyString(const ByteImage& image, const StringRange& range, std::string& target) {
  for (std::int64_t p = range.first; p <= range.last; ++p) target += static_cast<char>(image.at(p));
}

std::uint16_t namedValue(const std::string& lowerText, const char* unit,
                         std::initializer_list<int> values) {
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
  try {
    StringPositions found;
    // Four strings, each ended by a 0 byte.
    const std::int64_t blockStart = image.at(kStringBlockPointer);
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
    if (image.at(beforeSpecs + 1) == kCr) ++beforeSpecs;
    if (image.at(beforeSpecs + 1) == kLf) ++beforeSpecs;
    const std::int64_t specsEnd = scanTo(image, beforeSpecs + 1, kCr);
    std::int64_t length = specsEnd - (beforeSpecs + 1);
    while (length > 0 && image.at(beforeSpecs + length) == kBlank) --length;
    found.hardwareSpecs = {beforeSpecs + 1, beforeSpecs + length};

    std::int64_t next = beforeSpecs + length + 2;
    while (image.at(next) <= kBlank) ++next;

    std::int64_t copyrightStart;
    if (image.at(next) == kOpenParen) {
      copyrightStart = next;
    } else {
      const std::int64_t lineFeed = scanTo(image, next + 1, kLf);
      found.powerCableMessage = StringRange{next, lineFeed - 1};
      // Real images separate the cable line from the copyright by a 0 byte
      // and line ends; the copyright starts at the first printable byte.
      copyrightStart = lineFeed + 1;
      while (image.contains(copyrightStart) && image.at(copyrightStart) <= kBlank) ++copyrightStart;
    }
    const std::int64_t copyrightEnd = scanTo(image, copyrightStart + (found.powerCableMessage ? 0 : 1), kEnd);
    found.copyright = {copyrightStart, copyrightEnd - 1};
    const std::int64_t atomVersionEnd = scanTo(image, copyrightEnd + 1, kEnd);
    found.atomBiosVersion = {copyrightEnd + 1, atomVersionEnd - 1};
    return found;
  } catch (const OutOfImage&) {
    return std::nullopt;
  }
}

bool splitInfos(const ByteImage& image, const StringPositions& positions, InfoStrings& strings) {
  try {
    copyString(image, positions.biosVersion, strings.biosVersion);
    copyString(image, positions.chipType, strings.chipType);
    copyString(image, positions.cardInterface, strings.cardInterface);
    copyString(image, positions.ramType, strings.ramType);
    copyString(image, positions.hardwareSpecs, strings.hardwareSpecs);
    copyString(image, positions.copyright, strings.copyright);
    copyString(image, positions.atomBiosVersion, strings.atomBiosVersion);
    if (positions.powerCableMessage) copyString(image, *positions.powerCableMessage, strings.powerCableMessage);
  } catch (const OutOfImage&) {
    return false;
  }
  const std::string specs = toLower(strings.hardwareSpecs);
  strings.ramSize = namedValue(specs, "mb", {1024, 512, 256, 128, 64});
  strings.ramBusWidth = namedValue(specs, "bit", {64, 128, 256, 512});
  return true;
}

std::optional<std::string> biosDateTime(const ByteImage& image) {
  try {
    std::string text;
    for (std::int64_t p = kDateFirst; p <= kDateLast; ++p) text += static_cast<char>(image.at(p));
    return trimBlanks(text);
  } catch (const OutOfImage&) {
    return std::nullopt;
  }
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
