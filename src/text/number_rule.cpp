// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/number_rule.h"

#include <cmath>

#include "text/number_text.h"

namespace oza {

namespace {

// The digits after the point, without the zeros that end them: "1.250" has 2.
int decimalsOf(const std::string& text) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return 0;
  const std::size_t last = text.find_last_not_of('0');
  return last == std::string::npos || last <= point ? 0 : static_cast<int>(last - point);
}

}  // namespace

std::expected<std::optional<double>, std::string> NumberRule::read(const std::string& text) const {
  if (nullable && (text.empty() || text == "---")) return std::optional<double>();
  const std::optional<double> value = decimalValue(text);
  if (!value) return std::unexpected(std::string(text.empty() ? "is empty" : "is no number"));
  if (decimalsOf(text) > decimals)
    return std::unexpected(decimals == 0 ? std::string("is no whole number")
                                         : "has more than " + std::to_string(decimals) + " decimals");
  if (*value < lowest) return std::unexpected("is below " + decimalText(lowest));
  if (*value > highest) return std::unexpected("is above " + decimalText(highest));
  return value;
}

std::string NumberRule::describe() const {
  std::string text = decimals == 0 ? "a whole number" : "a number";
  text += " from " + decimalText(lowest) + " to " + decimalText(highest);
  if (decimals > 0) text += " with at most " + std::to_string(decimals) + (decimals == 1 ? " decimal" : " decimals");
  if (nullable) text += ", or nothing";
  return text;
}

int decimalsOfStep(double step) {
  int decimals = 0;
  for (double scaled = step; decimals < 9 && std::fabs(scaled - std::round(scaled)) > 1e-9; scaled *= 10) ++decimals;
  return decimals;
}

}  // namespace oza
