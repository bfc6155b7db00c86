// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <optional>
#include <string>
#include <sys/stat.h>

#include "files/file_descriptor.h"

namespace oza {

// Why a name may not be written.
enum class TargetProblem {
  EmptyName,
  Folder,        // the name, or what its links lead to, is a folder
  NotRegular,    // a device, FIFO or socket
  PlantedLink,   // a link in a shared sticky folder that someone else made
  LinkLoop,      // links that lead round in a circle, or too many of them
  MagicLink,     // a link of /proc to a process's open file or folder (/dev/stdout, /proc/self/fd/3)
  NoFolder,      // a folder on the way does not exist or is no folder
  NoPermission,  // a folder on the way or the name cannot be examined
  Failed,
};

struct TargetFailure {
  TargetProblem problem = TargetProblem::Failed;
  std::string kindName;  // NotRegular: "a character device", ...
  std::string where;     // the name or link the problem was found at
  int cause = 0;         // Failed: the system's error number
};

// One sentence for the user, naming the kind of file or link.
std::string targetFailureText(const TargetFailure& failure);

// Where a write of a path lands, after its links: an open folder and the
// name in it, and what the name holds now (nothing: a new file).
struct WriteTarget {
  FileDescriptor folder;
  std::string name;
  std::optional<struct stat> existing;
};

// Follows `path` the way the kernel does, one name at a time, with the rule
// of its protected_symlinks setting applied whatever that setting is: a link
// inside a sticky folder that everyone may write into is followed only when
// it belongs to this user or to the folder's owner, so that a link planted in
// /tmp by someone else cannot aim a save (made as root, say) at a file of
// their choice. The name finally reached must be a regular file or not exist.
// A name that cannot be examined is an error, never taken for absent.
std::expected<WriteTarget, TargetFailure> resolveWriteTarget(const std::string& path);

// Whether anything is at `path` itself, a link included (its target is not
// looked at); an error when the name cannot be examined.
std::expected<bool, TargetFailure> nameTaken(const std::string& path);

}  // namespace oza
