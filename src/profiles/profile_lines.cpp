// SPDX-License-Identifier: GPL-3.0-or-later

#include "profiles/profile_lines.h"

#include "text/number_text.h"

namespace oza {

namespace {
constexpr char kValueOpening[] = "value=\"";
constexpr std::size_t kValueOpeningLength = sizeof kValueOpening - 1;
}  // namespace

std::vector<std::string> splitProfileLines(const std::string& bytes, std::vector<std::string>* ends) {
  std::vector<std::string> lines;
  if (ends) ends->clear();
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(bytes.substr(start, i - start));
    const bool crLf = c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    if (ends) ends->push_back(crLf ? "\r\n" : std::string(1, c));
    if (crLf) ++i;
    start = i + 1;
  }
  if (start < bytes.size()) {
    lines.push_back(bytes.substr(start));
    if (ends) ends->emplace_back();
  }
  return lines;
}

std::string joinProfileLines(const std::vector<std::string>& lines, const std::vector<std::string>& ends) {
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    bytes += lines[i];
    bytes += i < ends.size() ? ends[i] : "\r\n";
  }
  return bytes;
}

std::optional<ValueSpan> findQuotedValue(const std::string& line) {
  const std::size_t opening = toLower(line).find(kValueOpening);
  if (opening == std::string::npos) return std::nullopt;
  const std::size_t start = opening + kValueOpeningLength;
  const std::size_t closing = line.find('"', start);
  if (closing == std::string::npos) return std::nullopt;
  return ValueSpan{start, closing - start};
}

std::string replaceQuotedValue(const std::string& line, const std::string& value) {
  const auto span = findQuotedValue(line);
  if (!span) return line;
  std::string replaced = line;
  replaced.replace(span->start, span->length, value);
  return replaced;
}

std::string shownNumber(const std::string& value) {
  // Adding zero turns a "-0" into "0".
  return decimalText(textValue(value) + 0.0);
}

bool isWritableValue(const std::string& value) {
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E || c == '"' || c == '<' || c == '&') return false;
  }
  return true;
}

}  // namespace oza
