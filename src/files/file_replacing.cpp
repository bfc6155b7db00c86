// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/file_replacing.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_descriptor.h"
#include "files/file_reading.h"
#include "files/held_signals.h"
#include "files/write_target.h"

namespace oza {

namespace {

constexpr std::size_t kLongestName = 255;

// Access rights of a new file: everyone may read and write, less the umask.
// The umask is read from the process status rather than set and reset,
// which would briefly change it for every other thread.
mode_t newFileMode() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return 0666 & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  return 0644;
}

// Gives the new file the rights of the one it replaces. Owner and group stay
// where the process may set them; special bits only when both stayed, so a
// set-id bit meant for one owner never lands on a file of another.
void takeRights(int descriptor, const struct stat* old) {
  if (old == nullptr) {
    ::fchmod(descriptor, newFileMode());
    return;
  }
  const bool sameOwner = ::fchown(descriptor, old->st_uid, old->st_gid) == 0;
  if (!sameOwner) {
    // The group alone may still be one the user belongs to; else the file
    // keeps the user's own.
    [[maybe_unused]] const int groupKept = ::fchown(descriptor, static_cast<uid_t>(-1), old->st_gid);
  }
  ::fchmod(descriptor, old->st_mode & (sameOwner ? 07777 : 0777));
}

// The temporary name beside `name`, shortened so that it stays within the
// longest name a folder takes.
std::string temporaryName(const std::string& name, const FileWriteSeams& seams) {
  const std::string suffix = ".oza-" + randomName(seams) + ".tmp";
  return name.substr(0, kLongestName - suffix.size()) + suffix;
}

bool refusesReplacing(int cause) { return cause == EPERM || cause == EACCES || cause == EBUSY; }

// Why a name that changed while the new file was written is left alone.
std::string changedMeanwhile(const std::string& path, bool present, const struct stat& now) {
  const std::string where = "\"" + path + "\"";
  if (!present) return where + " was removed by another program while the new file was written; nothing was saved.";
  if (!S_ISREG(now.st_mode))
    return where + " became " + fileKindName(now.st_mode) + " while the new file was written; it is left as it is.";
  return where +
         " was replaced by another program while the new file was written; that program's file is left "
         "in place.";
}

}  // namespace

WriteResult replaceFile(const std::string& path, std::string_view bytes, const FileWriteSeams& seams) {
  const auto failed = [](WriteProblem problem, std::string reason = {}) {
    return std::unexpected(WriteFailure{problem, std::move(reason)});
  };
  auto target = resolveWriteTarget(path);
  if (!target) {
    const TargetProblem problem = target.error().problem;
    // A missing folder or a full disk is what the write's message already says.
    const bool refused = problem != TargetProblem::NoFolder && problem != TargetProblem::Failed;
    return failed(refused ? WriteProblem::Refused : WriteProblem::Failed, targetFailureText(target.error()));
  }
  const std::string& name = target->name;
  const FileDescriptor& folder = target->folder;
  if (!folder) return failed(WriteProblem::Failed);
  const std::optional<struct stat>& old = target->existing;

  const HeldSignals held;
  CreatedFile created = createExclusive(folder.get(), [&] { return temporaryName(name, seams); });
  if (!created.file) return failed(WriteProblem::Failed);
  FileDescriptor& file = created.file;
  const std::string& temporary = created.name;

  const auto discard = [&](WriteProblem problem, std::string reason = {}) {
    ::unlinkat(folder.get(), temporary.c_str(), 0);
    return failed(problem, std::move(reason));
  };
  if (!writeAll(file.get(), bytes)) return discard(WriteProblem::Failed);
  takeRights(file.get(), old ? &*old : nullptr);
  if (!flushFile(file.get(), seams) || !file.close()) return discard(WriteProblem::Failed);
  // The name is looked at once more just before it is replaced: a link or
  // a folder that appeared there since would be replaced instead of the file
  // the user meant.
  struct stat now {};
  const bool present = ::fstatat(folder.get(), name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
  if (present != old.has_value() || (present && (!S_ISREG(now.st_mode) || now.st_ino != old->st_ino)))
    return discard(WriteProblem::Refused, changedMeanwhile(path, present, now));
  if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0) {
    const bool refused = old && refusesReplacing(errno);
    return discard(refused ? WriteProblem::CannotReplace : WriteProblem::Failed);
  }
  // Only the synced folder holds the new name for certain. A file system
  // that cannot sync folders (EINVAL), or a folder the user may enter but
  // not read (EBADF), keeps it by other means.
  if (!syncToStorage(folder.get()) && errno != EINVAL && errno != EBADF) return failed(WriteProblem::Failed);
  return {};
}

}  // namespace oza
