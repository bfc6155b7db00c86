#pragma once

#include <string>

#include "image/byte_image.h"

namespace oza {

class Session;

// Brings an image into the session: asks for a path when it is empty, reads
// and validates the file, loads the card data into every tab and warns about
// a GDDR5 image that is too small. Every failure shows its message and
// empties the display. True when the image was loaded to the end.
bool loadBiosFile(Session& session, std::string path);

// The load after the file was read: `image` as read from `path`.
bool loadBiosImage(Session& session, const std::string& path, ByteImage image);

// The open dialog of the load; the chosen path without surrounding blanks.
std::string openBiosDialog(Session& session);

// Returns the window to its empty state.
void resetBiosDisplay(Session& session);

// Empties the information strings and the globals of a loaded image.
void clearInfoGlobals(Session& session);

void showGddr5SizeWarning(Session& session);

// Takes what every control shows now as what the load showed: a save writes
// only the fields whose controls show something else.
void rememberLoadedControls(Session& session);

}  // namespace oza
