// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/number_text.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <version>

namespace oza {

double roundHalfEven(double value) { return std::nearbyint(value); }

std::optional<int> roundToInt16(double value) {
  const double rounded = roundHalfEven(value);
  if (!(rounded >= -32768 && rounded <= 32767)) return std::nullopt;
  return static_cast<int>(rounded);
}

std::optional<int> roundToByte(double value) {
  const double rounded = roundHalfEven(value);
  if (!(rounded >= 0 && rounded <= 255)) return std::nullopt;
  return static_cast<int>(rounded);
}

// Numbers are read and written with from_chars and to_chars, which know no
// locale: the window sets the C library's locale from the environment, and a
// decimal comma there must not change what a box means.
namespace {

// The value of `number`, a decimal text ("742.5", "1e+20"); 0 for one too
// large for a double.
double plainValue(std::string_view number) {
  double value = 0;
#if defined(__cpp_lib_to_chars)
  std::from_chars(number.data(), number.data() + number.size(), value);
#else
  // libc++ cannot read floating point with from_chars yet: the C library's
  // reading, in the C locale whatever the process has set.
  static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", nullptr);
  const std::string text(number);
  errno = 0;
  value = ::strtod_l(text.c_str(), nullptr, cLocale);
  if (errno == ERANGE || !std::isfinite(value)) value = 0;
#endif
  return value;
}

}  // namespace

double textValue(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const std::size_t start = i;
  bool point = false;
  bool digits = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0;
  const double value = plainValue(std::string_view(text).substr(start, i - start));
  return negative ? -value : value;
}

std::optional<double> decimalValue(const std::string& text) {
  if (!isDecimalNumber(text)) return std::nullopt;
  return plainValue(text);
}

double fifteenDigitValue(double value) { return plainValue(fifteenDigits(value)); }

std::string fifteenDigits(double value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
  return std::string(buffer, end);
}

std::string decimalText(double value) {
  if (!std::isfinite(value)) return "0";
  std::string text = fifteenDigits(value);
  const auto e = text.find('e');
  if (e != std::string::npos) {
    // Spell out the exponent form as plain digits.
    int exponent = 0;
    const char* from = text.c_str() + e + 1;
    if (*from == '+') ++from;
    std::from_chars(from, text.c_str() + text.size(), exponent);
    std::string mantissa = text.substr(0, e);
    const bool negative = !mantissa.empty() && mantissa[0] == '-';
    if (negative) mantissa.erase(0, 1);
    std::string digits;
    int pointAt = static_cast<int>(mantissa.find('.'));
    if (pointAt < 0) pointAt = static_cast<int>(mantissa.size());
    for (char c : mantissa)
      if (c != '.') digits += c;
    int integerDigits = pointAt + exponent;
    if (integerDigits <= 0) {
      text = "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (integerDigits >= static_cast<int>(digits.size())) {
      text = digits + std::string(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
    } else {
      text = digits.substr(0, static_cast<std::size_t>(integerDigits)) + "." +
             digits.substr(static_cast<std::size_t>(integerDigits));
    }
    if (negative) text = "-" + text;
  }
  if (text == "-0") text = "0";
  return text;
}

bool isDecimalNumber(const std::string& text) {
  bool digits = false;
  bool point = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

std::string toLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string trimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string groupedNumber(std::uintmax_t value) {
  std::string digits = std::to_string(value);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

}  // namespace oza
