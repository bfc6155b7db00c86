// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "verify/image_check.h"
#include "verify/image_diff.h"
#include "session/save_review.h"

namespace oza {

// The check and compare reports as one JSON object each.
std::string checkJson(const CheckReport& report);
std::string diffJson(const std::string& pathA, const std::string& pathB, const std::vector<Difference>& differences);
// What --dry-run prints: the messages, and, where the save would go on, the
// rows diff would report against the saved file and the check of it.
std::string dryRunJson(const std::string& image, const std::vector<Message>& messages, const PendingSave* pending);

}  // namespace oza
