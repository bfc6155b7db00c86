// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/file_reading.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_descriptor.h"

namespace oza {

namespace {

ReadFailure failure(ReadProblem problem) { return ReadFailure{problem, {}, 0, 0, 0}; }

ReadFailure causeFailure(int cause) {
  if (cause == ENOENT || cause == ENOTDIR) return failure(ReadProblem::NotFound);
  if (cause == EACCES || cause == EPERM) return failure(ReadProblem::NoPermission);
  ReadFailure failed = failure(ReadProblem::Failed);
  failed.cause = cause;
  return failed;
}

// What is wrong with a file of this status for reading; nothing for a
// regular file within the limits.
std::optional<ReadFailure> kindFailure(const struct stat& status, const ReadLimits& limits) {
  if (S_ISDIR(status.st_mode)) return failure(ReadProblem::Folder);
  if (!S_ISREG(status.st_mode)) {
    ReadFailure notRegular = failure(ReadProblem::NotRegular);
    notRegular.kindName = fileKindName(status.st_mode);
    return notRegular;
  }
  const auto size = static_cast<std::uintmax_t>(status.st_size);
  if (limits.sizeStated && size > limits.largest) {
    ReadFailure tooLarge = failure(ReadProblem::TooLarge);
    tooLarge.size = size;
    tooLarge.limit = limits.largest;
    return tooLarge;
  }
  return std::nullopt;
}

template <typename Buffer>
std::expected<Buffer, ReadFailure> readOpened(const FileDescriptor& file, const ReadLimits& limits) {
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) return std::unexpected(causeFailure(errno));
  if (const auto wrong = kindFailure(status, limits)) return std::unexpected(*wrong);
  // One byte more than allowed tells a file that grew since it was examined.
  // The buffer starts at the size the file states and grows while it is
  // filled: most files are far below the limit, and a zeroed buffer of the
  // limit's size was most of what a read cost.
  const std::size_t most = static_cast<std::size_t>(limits.largest) + 1;
  const std::size_t stated = status.st_size > 0 ? static_cast<std::size_t>(status.st_size) + 1 : 4096;
  Buffer bytes(std::min(most, stated), 0);
  std::size_t got = 0;
  while (true) {
    if (got == bytes.size()) {
      if (bytes.size() == most) break;
      bytes.resize(std::min(most, bytes.size() * 2));
    }
    const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::unexpected(causeFailure(errno));
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > limits.largest) {
    ReadFailure tooLarge = failure(ReadProblem::TooLarge);
    tooLarge.size =
        limits.sizeStated ? std::max<std::uintmax_t>(got, static_cast<std::uintmax_t>(status.st_size)) : got;
    tooLarge.limit = limits.largest;
    return std::unexpected(tooLarge);
  }
  if (got == 0 && !limits.emptyAllowed) return std::unexpected(failure(ReadProblem::Empty));
  bytes.resize(got);
  return bytes;
}

constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

template <typename Buffer>
std::expected<Buffer, ReadFailure> readRegular(const std::string& path, const ReadLimits& limits) {
  // Examined before it is opened: opening a device may already do something.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::unexpected(causeFailure(errno));
  if (const auto wrong = kindFailure(status, limits)) return std::unexpected(*wrong);
  const FileDescriptor file(::open(path.c_str(), kReadFlags));
  if (!file) return std::unexpected(causeFailure(errno));
  return readOpened<Buffer>(file, limits);
}

}  // namespace

std::expected<std::string, ReadFailure> readRegularFile(const std::string& path, const ReadLimits& limits) {
  return readRegular<std::string>(path, limits);
}

std::expected<std::vector<std::uint8_t>, ReadFailure> readRegularBytes(const std::string& path,
                                                                       const ReadLimits& limits) {
  return readRegular<std::vector<std::uint8_t>>(path, limits);
}

std::expected<std::string, ReadFailure> readFolderEntry(int folder, const std::string& name, const ReadLimits& limits) {
  struct stat status {};
  if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) return std::unexpected(causeFailure(errno));
  if (const auto wrong = kindFailure(status, limits)) return std::unexpected(*wrong);
  const FileDescriptor file(::openat(folder, name.c_str(), kReadFlags | O_NOFOLLOW));
  if (!file) return std::unexpected(causeFailure(errno == ELOOP ? EINVAL : errno));
  return readOpened<std::string>(file, limits);
}

std::string fileKindName(unsigned mode) {
  switch (mode & S_IFMT) {
    case S_IFREG: return "a regular file";
    case S_IFDIR: return "a folder";
    case S_IFLNK: return "a symbolic link";
    case S_IFCHR: return "a character device";
    case S_IFBLK: return "a block device";
    case S_IFIFO: return "a FIFO (named pipe)";
    case S_IFSOCK: return "a socket";
    default: return "no regular file";
  }
}

std::string readFailureText(const ReadFailure& failure) {
  switch (failure.problem) {
    case ReadProblem::NotFound: return "There is no such file.";
    case ReadProblem::NoPermission: return "You have no permission to read it.";
    case ReadProblem::Folder: return "It is a folder.";
    case ReadProblem::NotRegular: return "It is " + failure.kindName + ", not a regular file.";
    case ReadProblem::Empty: return "The file is empty.";
    case ReadProblem::TooLarge:
      return "The file holds " + groupedNumber(failure.size) + " bytes; at most " + groupedNumber(failure.limit) +
             " are read.";
    case ReadProblem::Failed: break;
  }
  return std::string("The system reported: ") + std::strerror(failure.cause) + ".";
}

}  // namespace oza
