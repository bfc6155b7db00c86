#pragma once

#include <string>

namespace oza {

// Every command's synopsis, as "usage: ..." lines.
std::string usageText();

// One command's synopsis and what it does; empty for an unknown command.
std::string commandHelp(const std::string& command);

}  // namespace oza
