// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <string>
#include <string_view>

#include "files/file_write_seams.h"

namespace oza {

enum class WriteProblem {
  Refused,        // the name leads to no regular file or through a planted link, or another program changed
                  // it meanwhile; nothing was written
  CannotReplace,  // the new file was complete, but the old one may not be replaced
  Failed,         // nothing replaced: the disk, the folder or the path refused
};

struct WriteFailure {
  WriteProblem problem = WriteProblem::Failed;
  std::string reason;  // a sentence for the user where the write's message alone would mislead
};

using WriteResult = std::expected<void, WriteFailure>;

// Replaces the file at `path` with `bytes` the way a crash cannot tear:
// a new file is created exclusively beside the target (never through a link,
// readable only by the user while it is written), written completely, flushed
// to storage, given the old file's access rights, owner and group (as far as
// the process may set them), renamed over the target, and the folder is
// synced. The path is followed as resolveWriteTarget follows it: the file a
// link (or a chain of them) finally names is replaced and the links stay; a
// link to a missing file creates that file; a name that leads to anything but
// a regular file is refused. On any failure the old file is as it was and the
// temporary file is gone, also when a signal asks the program to stop.
WriteResult replaceFile(const std::string& path, std::string_view bytes, const FileWriteSeams& seams = {});

}  // namespace oza
