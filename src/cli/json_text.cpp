// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/json_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "text/number_text.h"

namespace oza {

namespace {

// DEL and the C1 controls (U+0080..U+009F; U+009B starts a command to xterm)
// escaped in `dumped`, the library's text of one string: the library escapes
// the controls below U+0020 only.
void appendWithControlsEscaped(std::string& out, const std::string& dumped) {
  std::size_t copied = 0;
  for (std::size_t i = 0; i < dumped.size(); ++i) {
    const auto byte = static_cast<unsigned char>(dumped[i]);
    const auto next = i + 1 < dumped.size() ? static_cast<unsigned char>(dumped[i + 1]) : 0;
    const bool c1 = byte == 0xc2 && next >= 0x80 && next <= 0x9f;
    if (byte != 0x7f && !c1) continue;
    out.append(dumped, copied, i - copied);
    if (c1) {
      constexpr char digits[] = "0123456789abcdef";
      out += "\\u00";
      out += digits[next >> 4];
      out += digits[next & 15];
      ++i;
    } else {
      out += "\\u007f";
    }
    copied = i + 1;
  }
  out.append(dumped, copied);
}

std::string libraryText(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

template <typename Integer>
void appendInteger(std::string& out, Integer value) {
  char digits[24];
  const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
  out.append(digits, end);
}

}  // namespace

void appendJsonString(std::string& out, const std::string& text) {
  // Printable ASCII stands as it is; anything else takes the library's
  // escaping and its replacement of bytes that are not UTF-8.
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\';
  });
  if (!plain) return appendWithControlsEscaped(out, libraryText(Json(text)));
  out += '"';
  out += text;
  out += '"';
}

// The library's compact text, written here without its character-by-character
// output: a dump is mostly short plain strings.
void appendJsonText(std::string& out, const Json& json) {
  switch (json.type()) {
    case Json::value_t::object: {
      out += '{';
      bool first = true;
      for (const auto& [key, value] : json.get_ref<const Json::object_t&>()) {
        if (!first) out += ',';
        first = false;
        appendJsonString(out, key);
        out += ':';
        appendJsonText(out, value);
      }
      out += '}';
      return;
    }
    case Json::value_t::array: {
      out += '[';
      bool first = true;
      for (const Json& value : json.get_ref<const Json::array_t&>()) {
        if (!first) out += ',';
        first = false;
        appendJsonText(out, value);
      }
      out += ']';
      return;
    }
    case Json::value_t::string: return appendJsonString(out, json.get_ref<const std::string&>());
    case Json::value_t::number_integer: return appendInteger(out, json.get<std::int64_t>());
    case Json::value_t::number_unsigned: return appendInteger(out, json.get<std::uint64_t>());
    case Json::value_t::boolean: out += json.get<bool>() ? "true" : "false"; return;
    case Json::value_t::null: out += "null"; return;
    default: out += libraryText(json); return;
  }
}

std::string jsonText(const Json& json) {
  std::string text;
  appendJsonText(text, json);
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
