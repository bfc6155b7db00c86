// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "image/byte_image.h"

namespace oza {

class Session;

// Brings an image into the session: asks for a path when it is empty, reads
// and decodes the file, shows it in every tab and warns about a GDDR5 image
// that is too small. A load that fails shows its message and changes nothing
// else: the window keeps the image, the edits and every tab it had. True
// when the image was loaded to the end.
// Edits not yet saved are settled first (saved, discarded, or the load is
// not made).
bool loadBiosFile(Session& session, std::string path);
// The load of `path` itself, once the edits are settled.
bool loadBiosPath(Session& session, const std::string& path);

// The load after the file was read: `image` as read from `path`.
bool loadBiosImage(Session& session, const std::string& path, ByteImage image);

// The open dialog of the load; the chosen path, exactly as chosen.
std::string openBiosDialog(Session& session);

void showGddr5SizeWarning(Session& session);

}  // namespace oza
