#pragma once

#include <string>
#include <string_view>

#include "platform/file_write_seams.h"

namespace oza {

enum class WriteOutcome {
  Written,
  Failed,         // nothing replaced: the disk, the folder or the path refused
  CannotReplace,  // the new file was complete, but the old one may not be replaced
};

// Replaces the file at `path` with `bytes` the way a crash cannot tear:
// a new file is created exclusively beside the target (never through a link,
// readable only by the user while it is written), written completely, flushed
// to storage, given the old file's access rights, owner and group (as far as
// the process may set them), renamed over the target, and the folder is
// synced. When `path` is a symbolic link (or a chain of them) the file it
// finally names is replaced and the links stay; a link to a missing file
// creates that file. On any failure the old file is as it was and the
// temporary file is gone.
WriteOutcome replaceFile(const std::string& path, std::string_view bytes, const FileWriteSeams& seams = {});

}  // namespace oza
