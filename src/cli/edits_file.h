// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/json_text.h"

namespace oza {

// The members of the JSON object `text` holds, in the order written, read in
// time linear in its length. A member whose value is an array or an object
// has an empty array for its value. A whole number beyond what a double holds
// exactly stays the text it was written as, so that a message can name it as
// given. The error is a sentence for the user: no JSON object, or a key given
// twice (which one).
std::expected<std::vector<std::pair<std::string, Json>>, std::string> jsonMembers(std::string_view text);

}  // namespace oza
