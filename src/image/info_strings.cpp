#include "image/info_strings.h"

#include <charconv>
#include <vector>

#include "image/number_text.h"

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

bool copyString(const ByteImage& image, const std::string& firstField, const std::string& lastField,
                std::string& target) {
  std::int64_t first = 0;
  std::int64_t last = 0;
  if (!parsePosition(firstField, first) || !parsePosition(lastField, last)) return false;
  for (std::int64_t p = first; p <= last; ++p) target += static_cast<char>(image.at(p));
  return true;
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

std::vector<std::string> splitPositionList(const std::string& list) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const auto comma = list.find(',', start);
    fields.push_back(list.substr(start, comma - start));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

bool parsePosition(const std::string& field, std::int64_t& position) {
  const char* end = field.data() + field.size();
  auto [ptr, error] = std::from_chars(field.data(), end, position);
  return error == std::errc() && ptr == end;
}

std::string GetStringPos(const ByteImage& image) {
  try {
    std::vector<std::int64_t> f(16);
    const std::int64_t s1 = image.at(0x6E);
    const std::int64_t z1 = scanTo(image, s1, kEnd);
    const std::int64_t z2 = scanTo(image, z1 + 1, kEnd);
    const std::int64_t z3 = scanTo(image, z2 + 1, kEnd);
    const std::int64_t z4 = scanTo(image, z3 + 1, kEnd);
    f[0] = s1, f[1] = z1 - 1;
    f[2] = z1 + 1, f[3] = z2 - 1;
    f[4] = z2 + 1, f[5] = z3 - 1;
    f[6] = z3 + 1, f[7] = z4 - 1;

    std::int64_t j = z4;
    if (image.at(j + 1) == kCr) ++j;
    if (image.at(j + 1) == kLf) ++j;
    const std::int64_t c = scanTo(image, j + 1, kCr);
    std::int64_t length = c - (j + 1);
    while (length > 0 && image.at(j + length) == kBlank) --length;
    f[8] = j + 1, f[9] = j + length;

    std::int64_t k = j + length + 2;
    while (image.at(k) <= kBlank) ++k;

    bool cableMessage = false;
    std::int64_t start7;
    if (image.at(k) == kOpenParen) {
      start7 = k;
    } else {
      cableMessage = true;
      const std::int64_t n = scanTo(image, k + 1, kLf);
      f[10] = k, f[11] = n - 1;
      // Real images separate the cable line from the copyright by a 0 byte
      // and line ends; the copyright starts at the first printable byte.
      start7 = n + 1;
      while (image.contains(start7) && image.at(start7) <= kBlank) ++start7;
    }
    const std::int64_t z7 = scanTo(image, start7 + (cableMessage ? 0 : 1), kEnd);
    f[12] = start7, f[13] = z7 - 1;
    const std::int64_t z8 = scanTo(image, z7 + 1, kEnd);
    f[14] = z7 + 1, f[15] = z8 - 1;

    std::string list;
    for (int i = 0; i < 16; ++i) {
      if (i) list += ',';
      list += (!cableMessage && (i == 10 || i == 11)) ? std::string(kAbsentField) : std::to_string(f[i]);
    }
    return list;
  } catch (const OutOfImage&) {
    return "Fehler";
  }
}

bool SplitInfos(const ByteImage& image, const std::string& list, InfoStrings& strings) {
  try {
    const std::vector<std::string> f = splitPositionList(list);
    if (f.size() < 16) return false;
    if (!copyString(image, f[0], f[1], strings.sBIOSVersion)) return false;
    if (!copyString(image, f[2], f[3], strings.sChipType)) return false;
    if (!copyString(image, f[4], f[5], strings.sCardInterface)) return false;
    if (!copyString(image, f[6], f[7], strings.sRAMType)) return false;
    if (!copyString(image, f[8], f[9], strings.sHardwareSpecs)) return false;
    if (!copyString(image, f[12], f[13], strings.sCopyright)) return false;
    if (!copyString(image, f[14], f[15], strings.sAtomBIOSVersion)) return false;
    if (f[10] != kAbsentField && !copyString(image, f[10], f[11], strings.sPowerCableMessage))
      return false;
  } catch (const OutOfImage&) {
    return false;
  }
  const std::string specs = toLower(strings.sHardwareSpecs);
  strings.RAMSize = namedValue(specs, "mb", {1024, 512, 256, 128, 64});
  strings.RAMBusWidth = namedValue(specs, "bit", {64, 128, 256, 512});
  return true;
}

std::string GetBIOSDateTime(const ByteImage& image) {
  try {
    std::string text;
    for (std::int64_t p = 0x50; p <= 0x5E; ++p) text += static_cast<char>(image.at(p));
    return trimBlanks(text);
  } catch (const OutOfImage&) {
    return "Fehler";
  }
}

bool CheckValid(const InfoStrings& strings) {
  if (!contains(strings.sChipType, "R") && !contains(strings.sChipType, "M")) return false;
  if (strings.sCardInterface.size() < 3 || strings.sCardInterface.size() > 15) return false;
  if (!contains(toLower(strings.sRAMType), "dr")) return false;
  if (!contains(toLower(strings.sCopyright), "ati")) return false;
  if (!contains(toLower(strings.sAtomBIOSVersion), "atom")) return false;
  return true;
}

}  // namespace oza
