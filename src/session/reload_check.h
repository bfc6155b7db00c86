// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "image/byte_image.h"
#include "image/info_settings.h"

namespace oza {

struct LoadedImage;

// Why `patched`, the image a save is about to write, would not load again
// the way `loaded` did: the load would stop, or find the information
// strings elsewhere, so that the next load shows other texts. Names the
// information text that does it where one does ("The copyright
// (InfoText(4)) must contain "ATI"."); nothing when the image loads as it should.
std::optional<std::string> reloadProblem(const LoadedImage& loaded, const ByteImage& patched,
                                         const InfoChanges& changes);

}  // namespace oza
