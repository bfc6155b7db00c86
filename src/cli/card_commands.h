#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace oza {

class RomAccess;

// "cards" lists the installed display devices of vendor 0x1002 as JSON;
// "read-card" reads one card's BIOS into a file and prints the JSON of
// loading that file. The device tree is the one of sysfsRoot().
bool isCardCommand(const std::string& command);
int runCardCommand(const std::vector<std::string>& args, RomAccess& access, std::ostream& out, std::ostream& err);

}  // namespace oza
