#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace oza {

// The profile editor without a window: "profile-dump" and "profile-save"
// print {"messages": [...], "controls": {...}} of the editor, with the same
// exit codes as the image commands.
bool isProfileCommand(const std::string& command);
int runProfileCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace oza
