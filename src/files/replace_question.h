#pragma once

#include <string>

namespace oza {

class Platform;

// Asks before an existing file is replaced: "File exists. Overwrite?". True
// when `path` may be written: no file is there, or the user said Yes and the
// file is not write-protected (else "Write error" is shown). The file itself
// is left alone; the writer replaces it only once the new one is complete.
bool askBeforeReplacing(Platform& platform, const std::string& path);

// "Write error": an existing file that may not be replaced.
void showCannotOverwrite(Platform& platform);

}  // namespace oza
