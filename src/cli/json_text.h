// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "keys/value_keys.h"

namespace oza {

// Members keep the order in which they were added, as a reader of the output
// expects them (the window's order), not sorted by name.
using Json = nlohmann::ordered_json;

// Compact text of `json`; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonText(const Json& json);
// The same appended to `out`.
void appendJsonText(std::string& out, const Json& json);
// The text of one string value, quoted and escaped as `jsonText` escapes it.
void appendJsonString(std::string& out, const std::string& text);

// A measured or computed number as the output shows it: 15 significant
// digits, whole numbers without a fraction.
Json jsonNumber(double value);

// A key's value as JSON: a number, a text, a flag or null.
Json keyValueJson(const KeyValue& value);

}  // namespace oza
