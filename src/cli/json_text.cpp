// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/json_text.h"

#include <cmath>

#include "text/number_text.h"

namespace oza {

std::string jsonText(const Json& json) {
  const std::string dumped = json.dump(-1, ' ', false, Json::error_handler_t::replace);
  // The library escapes the controls below U+0020 only. DEL and the C1
  // controls (U+0080..U+009F; U+009B starts a command to xterm) are escaped
  // too. In the dumped text, which is valid UTF-8, they can only stand
  // inside strings, so each is replaced where it stands.
  std::string text;
  text.reserve(dumped.size());
  for (std::size_t i = 0; i < dumped.size(); ++i) {
    const auto byte = static_cast<unsigned char>(dumped[i]);
    const auto next = i + 1 < dumped.size() ? static_cast<unsigned char>(dumped[i + 1]) : 0;
    if (byte == 0x7f) {
      text += "\\u007f";
    } else if (byte == 0xc2 && next >= 0x80 && next <= 0x9f) {
      constexpr char digits[] = "0123456789abcdef";
      text += "\\u00";
      text += digits[next >> 4];
      text += digits[next & 15];
      ++i;
    } else {
      text += dumped[i];
    }
  }
  return text;
}

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
