// SPDX-License-Identifier: GPL-3.0-or-later

#include "profiles/profile_codec.h"

#include "profiles/profile_lines.h"
#include "text/number_text.h"

namespace oza {

namespace {

ProfileValue decodeValue(int f, const std::string& line) {
  ProfileValue value;
  if (isProfileNumberField(f)) {
    if (const auto span = findQuotedValue(line)) value.number = shownNumber(line.substr(span->start, span->length));
    return value;
  }
  // The words may stand anywhere in the line. A later occurrence that holds
  // none of them still replaces the earlier choice with none, so that saving
  // cannot write an earlier line's word into this one.
  const std::string lower = toLower(line);
  const auto entries = profileListEntries(f);
  for (std::size_t e = 0; e < entries.size(); ++e)
    if (contains(lower, toLower(entries[e]))) value.entry = static_cast<int>(e);
  return value;
}

// Whether `value` of field `f` can go between `quote`s; none always can.
bool canEncode(int f, const ProfileValue& value, char quote) {
  if (isProfileNumberField(f)) return !value.number || isWritableValue(*value.number, quote);
  return !value.entry || (*value.entry >= 0 && static_cast<std::size_t>(*value.entry) < profileListEntries(f).size());
}

// The text that goes between the quotes for a value canEncode accepts; none
// when the line stays as it is.
std::optional<std::string> encodedText(int f, const ProfileValue& value) {
  if (isProfileNumberField(f)) return value.number;
  if (!value.entry) return std::nullopt;
  return std::string(profileListEntries(f)[static_cast<std::size_t>(*value.entry)]);
}

}  // namespace

DecodedProfile decodeProfile(const std::string& bytes) {
  DecodedProfile decoded;
  decoded.document.lines = splitProfileLines(bytes, &decoded.document.lineEnds);
  const auto& lines = decoded.document.lines;
  for (int k = 0; k < kProfileCards; ++k) {
    const auto card = static_cast<std::size_t>(k);
    std::array<std::string, kProfileFields> keys;
    for (std::size_t f = 0; f < keys.size(); ++f) keys[f] = kProfileFieldTable[f].key + std::to_string(k);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      for (int f = 0; f < kProfileFields; ++f) {
        const auto field = static_cast<std::size_t>(f);
        if (!contains(lines[i], keys[field])) continue;
        if (i + 1 == lines.size()) {
          decoded.error = ProfileDecodeError::NameWithoutValueLine;
          return decoded;
        }
        decoded.document.valueLines[field][card] = i + 1;
        decoded.values[field][card] = decodeValue(f, lines[i + 1]);
      }
    }
  }
  return decoded;
}

bool canWriteValue(const ProfileDocument& document, int f, int k) {
  const std::optional<std::size_t>& line =
      document.valueLines.at(static_cast<std::size_t>(f)).at(static_cast<std::size_t>(k));
  return line && *line < document.lines.size() && findQuotedValue(document.lines[*line]);
}

std::optional<std::vector<std::string>> encodeProfile(const ProfileDocument& document, const ProfileValues& values) {
  std::vector<std::string> lines = document.lines;
  // Card by card, as a line that names two settings serves both and the
  // later one must win.
  for (std::size_t card = 0; card < kProfileCards; ++card) {
    for (int f = 0; f < kProfileFields; ++f) {
      const auto field = static_cast<std::size_t>(f);
      const std::optional<std::size_t>& line = document.valueLines[field][card];
      if (!line || *line >= lines.size()) continue;
      const auto span = findQuotedValue(lines[*line]);
      if (!span) continue;
      const std::size_t index = *line;
      const ProfileValue& value = values[field][card];
      if (!canEncode(f, value, span->quote)) return std::nullopt;
      if (const auto text = encodedText(f, value)) lines[index] = replaceQuotedValue(lines[index], *text);
    }
  }
  return lines;
}

}  // namespace oza
