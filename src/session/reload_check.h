// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "image/info_settings.h"
#include "verify/image_file.h"

namespace oza {

// Why the image a save is about to write, as a load decodes it (`again`),
// would not load again the way `loaded` did: the load would stop, or find
// the information strings elsewhere, so that the next load shows other texts.
// Names the information text that does it where one does ("The copyright
// (InfoText(4)) must contain "ATI"."); nothing when the image loads as it
// should.
std::optional<std::string> reloadProblem(const LoadedImage& loaded, const ImageFile& again, const InfoChanges& changes);

}  // namespace oza
