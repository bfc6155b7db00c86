// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/json_text.h"

#include <cmath>

#include "text/number_text.h"

namespace oza {

std::string jsonText(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

Json jsonNumber(double value) {
  if (!std::isfinite(value)) return 0;
  // Rounding to 15 digits first keeps binary noise (0.30000000000000004)
  // out of the output; the library then prints the shortest exact form.
  const double rounded = fifteenDigitValue(value);
  if (std::fabs(rounded) < 9e15 && rounded == std::trunc(rounded)) return static_cast<long long>(rounded);
  return rounded;
}

Json keyValueJson(const KeyValue& value) {
  if (const double* number = std::get_if<double>(&value)) return jsonNumber(*number);
  if (const std::string* text = std::get_if<std::string>(&value)) return *text;
  if (const bool* flag = std::get_if<bool>(&value)) return *flag;
  return nullptr;
}

}  // namespace oza
