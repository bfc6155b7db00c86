// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "files/file_replacing.h"
#include "platform/platform.h"
#include "text/message_text.h"

namespace oza {

// The message a write shows when it fails, e.g. "Error writing BIOS to file.
// ..." with an information icon.
struct WriteMessage {
  std::string text;
  MessageIcon icon = MessageIcon::Information;
  std::string title = kDefaultTitle;
  // A file that may not be replaced (immutable, another user's in a shared
  // folder) gives "Write error", as a write-protected one does; else `text`.
  bool cannotReplaceIsWriteError = false;
};

// Makes ready to write `path`. A name that leads to no regular file (a
// device, a FIFO, a folder, a link another user planted in a shared folder, a
// name that cannot be examined) is refused with `failed` and the reason on a
// line of its own. When anything is at the name, a link included, asks "File
// exists. Overwrite?"; after a Yes a write-protected file gives "Write error".
// True when the write may go ahead. The file itself is left alone; the writer
// replaces it only once the new one is complete.
bool askBeforeReplacing(Platform& platform, const std::string& path, const WriteMessage& failed);

// What a failed write shows: `failed`, with the reason on a line of its own
// where there is one (or "Write error", see WriteMessage).
void showWriteFailure(Platform& platform, const WriteFailure& failure, const WriteMessage& failed);

// "Write error": an existing file that may not be replaced.
void showCannotOverwrite(Platform& platform);

}  // namespace oza
