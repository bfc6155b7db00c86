// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <optional>
#include <string>

namespace oza {

// What a number box may hold for a save to write it as typed: a range and
// the decimals its field keeps. A box that may stand for no value (a voltage
// the driver sets) takes an empty text or "---" for none.
struct NumberRule {
  double lowest = 0;
  double highest = 0;
  int decimals = 0;
  bool nullable = false;

  // The value `text` stands for (none for no value), or why no save can
  // write it: "is no number", "has more than 2 decimals", "is above 255".
  // The text is read as a whole, with "." as the only separator, whatever
  // the process locale says.
  std::expected<std::optional<double>, std::string> read(const std::string& text) const;
  // "a whole number from 0 to 255", "a number from 0 to 65.535 with at most
  // 3 decimals, or nothing".
  std::string describe() const;

  friend bool operator==(const NumberRule&, const NumberRule&) = default;
};

// The decimals of a step: 1 -> 0, 0.01 -> 2, 0.001 -> 3.
int decimalsOfStep(double step);

}  // namespace oza
