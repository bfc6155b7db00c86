// SPDX-License-Identifier: GPL-3.0-or-later

#include "profiles/profile_lines.h"

#include <charconv>
#include <string_view>

#include "text/number_text.h"

namespace oza {

namespace {
constexpr char kValueOpening[] = "value=";
constexpr std::size_t kValueOpeningLength = sizeof kValueOpening - 1;

bool isQuote(char c) { return c == '"' || c == '\''; }

// A positive number with fifteen significant digits, the ones a double holds
// reliably, spelt out around the point without an exponent.
std::string plainDecimal(double number) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific, 14).ptr;
  const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
  const std::size_t e = scientific.find('e');
  int exponent = 0;
  const std::size_t exponentAt = e + (scientific[e + 1] == '+' ? 2 : 1);
  std::from_chars(scientific.data() + exponentAt, scientific.data() + scientific.size(), exponent);
  std::string digits;
  for (const char c : scientific.substr(0, e))
    if (c != '.') digits += c;
  digits.erase(digits.find_last_not_of('0') + 1);
  const int pointAt = exponent + 1;
  if (pointAt <= 0) return "0." + std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
  const auto whole = static_cast<std::size_t>(pointAt);
  if (whole >= digits.size()) return digits + std::string(whole - digits.size(), '0');
  return digits.substr(0, whole) + "." + digits.substr(whole);
}
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
  // The leading number as the boxes read theirs: blanks, a sign, digits with
  // at most one point.
  std::size_t i = value.find_first_not_of(" \t");
  if (i == std::string::npos) return "0";
  const bool negative = value[i] == '-';
  if (value[i] == '-' || value[i] == '+') ++i;
  const std::size_t numberStart = i;
  bool point = false;
  bool anyDigit = false;
  for (; i < value.size(); ++i) {
    if (value[i] >= '0' && value[i] <= '9')
      anyDigit = true;
    else if (value[i] == '.' && !point)
      point = true;
    else
      break;
  }
  if (!anyDigit) return "0";
  // from_chars and to_chars know no locale, so a decimal comma in the
  // window's locale cannot cut "1.25" to "1". Out of range leaves the number
  // 0: one too long for a double shows as 0.
  double number = 0;
  std::from_chars(value.data() + numberStart, value.data() + i, number, std::chars_format::fixed);
  if (number == 0) return "0";
  return (negative ? "-" : "") + plainDecimal(number);
}

bool isWritableValue(const std::string& value, char quote) {
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E || c == '"' || c == quote || c == '<' || c == '&') return false;
  }
  return true;
}

}  // namespace oza
