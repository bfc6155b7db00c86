// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <string>

#include "controls/control_edits.h"
#include "keys/value_keys.h"

namespace oza {

struct LoadedImage;

// A value for a key as a script gives it, from a KEY=VALUE text or a JSON
// value: "800", "1.25", "lookup_table", "true", "null".
KeyValue keyValueOfText(const std::string& text);

// The edit of the key's control that makes it `value`, as the user would
// make it in the window (typing the number, ticking the box, choosing the
// entry). Refused, naming the key, for a read-only key or a value outside
// its type (a number out of its range or off its step, a text longer than
// the one it replaces in `image`, a choice it does not have). No edit at
// all for null where the image holds no such value: what `get` printed for
// it, given back, leaves it as it is.
std::expected<std::optional<ControlEdit>, std::string> controlEditFor(const KeyRef& key, const KeyValue& value,
                                                                      const LoadedImage& image);

// A value as text: "800", "1.25", "transfer_function", "true", "null".
std::string keyValueText(const KeyValue& value);

}  // namespace oza
