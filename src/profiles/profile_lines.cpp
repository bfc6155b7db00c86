// SPDX-License-Identifier: GPL-3.0-or-later

#include "profiles/profile_lines.h"

#include "text/number_text.h"

namespace oza {

namespace {
constexpr char kValueOpening[] = "value=";
constexpr std::size_t kValueOpeningLength = sizeof kValueOpening - 1;

bool isQuote(char c) { return c == '"' || c == '\''; }

}  // namespace

std::vector<std::string> splitProfileLines(const std::string& bytes, std::vector<std::string>* ends) {
  std::vector<std::string> lines;
  if (ends) ends->clear();
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(bytes.substr(start, i - start));
    std::size_t crs = 0;
    while (c == '\r' && i + crs < bytes.size() && bytes[i + crs] == '\r') ++crs;
    if (crs > 0 && i + crs < bytes.size() && bytes[i + crs] == '\n') {
      // Files that went through two CR LF conversions end their lines in CR
      // CR LF; the extra CR is part of the end, not an empty line of its own.
      if (ends) ends->push_back(bytes.substr(i, crs + 1));
      i += crs;
    } else if (crs > 0) {
      // CRs without an LF each end a line, of which all but the first are
      // empty; taken as one run, so that a file of them is read in one pass.
      if (ends) ends->insert(ends->end(), crs, "\r");
      lines.insert(lines.end(), crs - 1, std::string());
      i += crs - 1;
    } else if (ends) {
      ends->push_back("\n");
    }
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
  const std::string lower = toLower(line);
  std::size_t opening = lower.find(kValueOpening);
  while (opening != std::string::npos) {
    const std::size_t quoteAt = opening + kValueOpeningLength;
    if (quoteAt < line.size() && isQuote(line[quoteAt])) break;
    opening = lower.find(kValueOpening, opening + 1);
  }
  if (opening == std::string::npos) return std::nullopt;
  const char quote = line[opening + kValueOpeningLength];
  const std::size_t start = opening + kValueOpeningLength + 1;
  const std::size_t closing = line.find(quote, start);
  if (closing == std::string::npos) return std::nullopt;
  return ValueSpan{start, closing - start, quote};
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

bool isWritableValue(const std::string& value, char quote) {
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E || c == '"' || c == quote || c == '<' || c == '&') return false;
  }
  return true;
}

}  // namespace oza
