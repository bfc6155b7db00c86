// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

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

double textValue(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::string number;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
  bool point = false;
  bool digits = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      number += c;
      digits = true;
    } else if (c == '.' && !point) {
      number += c;
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0;
  return std::strtod(number.c_str(), nullptr);
}

std::string decimalText(double value) {
  if (!std::isfinite(value)) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text = buffer;
  const auto e = text.find('e');
  if (e != std::string::npos) {
    // Spell out the exponent form as plain digits.
    const int exponent = std::atoi(text.c_str() + e + 1);
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
