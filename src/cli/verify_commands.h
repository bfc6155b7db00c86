#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace oza {

// "check IMAGE [--against ORIGINAL] [--format json|text] [--strict]": exit 1
// on an error (or a warning when strict), else 0. "diff A B [--format
// json|text]": exit 0 for equal images, 1 when they differ, 2 when one does
// not load. Usage errors exit 2. Reports are text unless --format json.
bool isVerifyCommand(const std::string& command);
int runVerifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace oza
