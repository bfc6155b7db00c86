#include "files/file_replacing.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_descriptor.h"

namespace oza {

namespace {

namespace fs = std::filesystem;

// As many links as the kernel follows in one lookup.
constexpr int kLinkHops = 40;
constexpr std::size_t kLongestName = 255;

// The name a chain of symbolic links starting at `path` ends at (possibly a
// file that does not exist yet); nothing for a loop or an unreadable link.
std::optional<fs::path> finalTarget(fs::path path) {
  for (int hop = 0; hop < kLinkHops; ++hop) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
      if (errno == ENOENT) return path;
      return std::nullopt;
    }
    if (!S_ISLNK(status.st_mode)) return path;
    std::error_code error;
    const fs::path next = fs::read_symlink(path, error);
    if (error) return std::nullopt;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return std::nullopt;
}

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

}  // namespace

WriteOutcome replaceFile(const std::string& path, std::string_view bytes, const FileWriteSeams& seams) {
  if (path.empty()) return WriteOutcome::Failed;
  const auto target = finalTarget(path);
  if (!target) return WriteOutcome::Failed;
  const std::string name = target->filename().string();
  if (name.empty() || name == "." || name == "..") return WriteOutcome::Failed;
  const fs::path folderPath = target->has_parent_path() ? target->parent_path() : fs::path(".");
  FileDescriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder) return WriteOutcome::Failed;

  struct stat old {};
  const bool replacing = ::fstatat(folder.get(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
  if (!replacing && errno != ENOENT) return WriteOutcome::Failed;
  // A folder is never replaced; a link here appeared after the chain was
  // followed, and replacing it would miss the file the user meant.
  if (replacing && (S_ISDIR(old.st_mode) || S_ISLNK(old.st_mode))) return WriteOutcome::Failed;

  CreatedFile created = createExclusive(folder.get(), [&] { return temporaryName(name, seams); });
  if (!created.file) return WriteOutcome::Failed;
  FileDescriptor& file = created.file;
  const std::string& temporary = created.name;

  const auto discard = [&](WriteOutcome outcome) {
    ::unlinkat(folder.get(), temporary.c_str(), 0);
    return outcome;
  };
  if (!writeAll(file.get(), bytes)) return discard(WriteOutcome::Failed);
  takeRights(file.get(), replacing ? &old : nullptr);
  if (!flushFile(file.get(), seams) || !file.close()) return discard(WriteOutcome::Failed);
  if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0) {
    const bool refused = replacing && refusesReplacing(errno);
    return discard(refused ? WriteOutcome::CannotReplace : WriteOutcome::Failed);
  }
  // Only the synced folder holds the new name for certain. A file system
  // that cannot sync folders (EINVAL) keeps it by other means.
  if (!syncToStorage(folder.get()) && errno != EINVAL) return WriteOutcome::Failed;
  return WriteOutcome::Written;
}

}  // namespace oza
