#pragma once

#include <string>

namespace oza {

class Session;

// "Save BIOS...": writes every tab into a copy of the loaded image, restores
// the loaded byte sum, asks for a file name and writes the copy. The loaded
// image itself never changes. Every stop shows its message (a cancelled
// dialog or a No shows none). True when the file was written.
bool saveBiosFile(Session& session);

std::string saveBiosDialog(Session& session);

}  // namespace oza
