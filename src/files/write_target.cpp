// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/write_target.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include "files/file_reading.h"

namespace oza {

namespace {

// As many links as the kernel follows in one lookup.
constexpr int kLinkHops = 40;

std::unexpected<TargetFailure> fail(TargetProblem problem, const std::string& where = {}, int cause = 0) {
  return std::unexpected(TargetFailure{problem, {}, where, cause});
}

std::unexpected<TargetFailure> failCause(int cause, const std::string& where) {
  if (cause == ENOENT || cause == ENOTDIR) return fail(TargetProblem::NoFolder, where);
  if (cause == EACCES || cause == EPERM) return fail(TargetProblem::NoPermission, where);
  if (cause == ELOOP) return fail(TargetProblem::LinkLoop, where);
  return fail(TargetProblem::Failed, where, cause);
}

// The names of a path in order, without empty ones and ".".
std::deque<std::string> namesOf(const std::string& path) {
  std::deque<std::string> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    std::string name = path.substr(start, end - start);
    if (!name.empty() && name != ".") names.push_back(std::move(name));
    start = end + 1;
  }
  return names;
}

// The kernel's protected_symlinks rule: in a sticky folder that everyone may
// write into, only links of the follower or of the folder's owner are followed.
bool plantedLink(const struct stat& folder, const struct stat& link) {
  const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
  return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

// The links the kernel keeps under /proc for a process's open files and
// folders (fd/3, cwd) lead to the object itself, which may have no name any
// more ("gone.txt (deleted)") or be a stream the caller redirected; their
// text is no name to write to. Only the plain links of /proc itself ("self")
// are followed.
bool magicLink(int folder, const struct stat& folderStatus) {
  constexpr ino_t kProcRoot = 1;
  struct statfs system {};
  return ::fstatfs(folder, &system) == 0 && system.f_type == PROC_SUPER_MAGIC && folderStatus.st_ino != kProcRoot;
}

std::string linkText(int folder, const std::string& name) {
  std::string text(4096, '\0');
  const ssize_t length = ::readlinkat(folder, name.c_str(), text.data(), text.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= text.size()) return {};
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// A folder for the writer: opened for reading where the user may read it
// (so it can be synced), else only as a place to work in.
FileDescriptor writerFolder(const FileDescriptor& path) {
  FileDescriptor readable(::openat(path.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (readable) return readable;
  return FileDescriptor(::fcntl(path.get(), F_DUPFD_CLOEXEC, 0));
}

}  // namespace

std::expected<WriteTarget, TargetFailure> resolveWriteTarget(const std::string& path) {
  if (path.empty()) return fail(TargetProblem::EmptyName);
  if (path.back() == '/') return fail(TargetProblem::Folder, path);
  FileDescriptor folder(::open(path.front() == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!folder) return failCause(errno, path);
  std::deque<std::string> names = namesOf(path);
  int hops = 0;
  while (!names.empty()) {
    const std::string name = names.front();
    names.pop_front();
    const bool last = names.empty();
    struct stat status {};
    if (::fstatat(folder.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno == ENOENT && last && name != "..") return WriteTarget{writerFolder(folder), name, std::nullopt};
      return failCause(errno, name);
    }
    if (S_ISLNK(status.st_mode)) {
      struct stat folderStatus {};
      if (::fstat(folder.get(), &folderStatus) != 0) return failCause(errno, name);
      if (plantedLink(folderStatus, status)) return fail(TargetProblem::PlantedLink, name);
      if (magicLink(folder.get(), folderStatus)) return fail(TargetProblem::MagicLink, path);
      if (++hops > kLinkHops) return fail(TargetProblem::LinkLoop, name);
      const std::string target = linkText(folder.get(), name);
      if (target.empty()) return failCause(errno ? errno : EINVAL, name);
      if (last && target.back() == '/') return fail(TargetProblem::Folder, name);
      std::deque<std::string> more = namesOf(target);
      names.insert(names.begin(), more.begin(), more.end());
      if (target.front() == '/') {
        folder.reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!folder) return failCause(errno, name);
      }
      if (names.empty()) return fail(TargetProblem::Folder, name);  // a link to "/"
      continue;
    }
    if (last && name != "..") {
      if (S_ISDIR(status.st_mode)) return fail(TargetProblem::Folder, name);
      if (!S_ISREG(status.st_mode)) {
        TargetFailure notRegular{TargetProblem::NotRegular, fileKindName(status.st_mode), name, 0};
        return std::unexpected(notRegular);
      }
      return WriteTarget{writerFolder(folder), name, status};
    }
    if (!S_ISDIR(status.st_mode)) return fail(TargetProblem::NoFolder, name);
    FileDescriptor next(::openat(folder.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!next) return failCause(errno, name);
    folder.reset(next.release());
  }
  return fail(TargetProblem::Folder, path);
}

std::expected<bool, TargetFailure> nameTaken(const std::string& path) {
  if (path.empty()) return fail(TargetProblem::EmptyName);
  struct stat status {};
  if (::lstat(path.c_str(), &status) == 0) return true;
  if (errno == ENOENT) return false;
  return failCause(errno, path);
}

std::string targetFailureText(const TargetFailure& failure) {
  const std::string where = failure.where.empty() ? std::string("The name") : "\"" + failure.where + "\"";
  switch (failure.problem) {
    case TargetProblem::EmptyName: return "No file name was given.";
    case TargetProblem::Folder: return where + " is a folder.";
    case TargetProblem::NotRegular: return where + " is " + failure.kindName + ", not a regular file.";
    case TargetProblem::PlantedLink:
      return where + " is a link made by another user in a shared folder; it is not followed.";
    case TargetProblem::LinkLoop: return where + " leads through too many links.";
    case TargetProblem::MagicLink:
      return where +
             " leads through a link the kernel keeps under /proc for an open file, which names no file "
             "to replace; it is not followed.";
    case TargetProblem::NoFolder: return "The folder " + where + " does not exist.";
    case TargetProblem::NoPermission: return "You have no permission to examine " + where + ".";
    case TargetProblem::Failed: break;
  }
  return "The system reported: " + std::string(std::strerror(failure.cause)) + ".";
}

}  // namespace oza
