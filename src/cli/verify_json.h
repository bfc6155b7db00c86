#pragma once

#include <string>
#include <vector>

#include "verify/image_check.h"
#include "verify/image_diff.h"

namespace oza {

// The check and compare reports as one JSON object each.
std::string checkJson(const CheckReport& report);
std::string diffJson(const std::string& pathA, const std::string& pathB, const std::vector<Difference>& differences);

}  // namespace oza
