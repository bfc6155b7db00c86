// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <vector>

#include "image/byte_image.h"
#include "platform/platform.h"
#include "verify/image_check.h"
#include "verify/image_diff.h"
#include "verify/image_file.h"

namespace oza {

class Session;

// What a save of the session is about to write, before anything is written.
struct PendingSave {
  ByteImage bytes;                  // the loaded image with the edits and the restored byte sum
  ImageFile saved;                  // those bytes as the next load takes them
  std::vector<Difference> changes;  // from the loaded image, by meaning
  CheckReport check;                // of the saved bytes, against the loaded file
};

// The image a save would write, and its review, worked out from the boxes
// without changing any. Nothing when the save is refused: its message is
// shown, and the box it names gets the focus on its tab.
std::optional<PendingSave> prepareSave(Session& session);

// prepareSave that leaves the window as it was even when the save is refused
// (the tab it would show): for the check of the image as it would be saved
// and for a dry run.
std::optional<PendingSave> previewSave(Session& session);

// The review of a pending save, as "Save BIOS..." shows it.
SaveReview reviewOf(const PendingSave& pending);

}  // namespace oza
