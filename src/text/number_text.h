// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <cstdint>
#include <string>

namespace oza {

// Nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);
// roundHalfEven as a 16-bit integer; nothing outside -32768..32767.
std::optional<int> roundToInt16(double value);
// roundHalfEven as a byte; nothing outside 0..255.
std::optional<int> roundToByte(double value);

// The value of an edit box's text: its leading number (optional blanks and
// sign, digits with at most one decimal point); 0 when there is none.
double textValue(const std::string& text);
// The value of a text that is a decimal number and nothing else (digits with
// at most one point, "." as separator); nothing for any other text.
std::optional<double> decimalValue(const std::string& text);
// `value` with at most 15 significant digits, in the shortest form that
// reads back as the same number ("742.5", "1e+20"): the digits a double
// holds reliably, without the noise of its last bits.
std::string fifteenDigits(double value);
// `value` as fifteenDigits writes it, read back.
double fifteenDigitValue(double value);

// Shortest plain decimal text with at most 15 significant digits and "." as
// separator: "800", "742.5", "1.25", "0.001".
std::string decimalText(double value);

// Whether `text` is a non-negative decimal number with "." as separator.
bool isDecimalNumber(const std::string& text);

std::string toLower(std::string text);
// 1000001 -> "1,000,001".
std::string groupedNumber(std::uintmax_t value);
// Removes leading and trailing blanks (spaces only).
std::string trimBlanks(const std::string& text);
bool contains(const std::string& text, const std::string& part);

}  // namespace oza
