// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/temp_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_descriptor.h"
#include "files/held_signals.h"
#include "platform/platform.h"

namespace oza {

namespace {

namespace fs = std::filesystem;

// A real folder (no link) owned by this user that nobody else may enter.
bool isPrivateFolder(const fs::path& folder) {
  struct stat status {};
  return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
         (status.st_mode & 077) == 0;
}

}  // namespace

std::string createTempFile(const std::string& folder, const std::string& prefix, const FileWriteSeams& seams) {
  if (folder.empty()) return {};
  FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!directory) return {};
  const CreatedFile created =
      createExclusive(directory.get(), [&] { return prefix.substr(0, 3) + randomName(seams) + ".tmp"; });
  if (!created.file) return {};
  return (fs::path(folder) / created.name).string();
}

bool writeCreatedFile(const std::string& path, std::string_view bytes) {
  // Non-blocking, so that a pipe planted under the name cannot stall us.
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!file) return false;
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) return false;
  return ::ftruncate(file.get(), 0) == 0 && writeAll(file.get(), bytes) && file.close();
}

std::string tempFolder(Platform& platform) {
  std::string folder = platform.tempDirectory();
  // Not the current folder: it may be shared, and the user never chose it for this.
  if (folder.empty()) folder = privateTempFolder();
  return folder;
}

std::string tempFilePath(Platform& platform, const std::string& prefix) {
  return createTempFile(tempFolder(platform), prefix, platform.fileWrites);
}

std::string writeTempFile(Platform& platform, const std::string& prefix, std::string_view bytes) {
  const HeldSignals held;
  const std::string path = tempFilePath(platform, prefix);
  if (path.empty()) return {};
  if (writeCreatedFile(path, bytes)) return path;
  deleteTempFile(path);
  return {};
}

bool deleteTempFile(const std::string& path) {
  std::error_code error;
  return fs::remove(path, error) && !error;
}

std::string privateTempFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime && isPrivateFolder(runtime))
    return runtime;
  const char* home = std::getenv("HOME");
  if (!home || !*home) return {};
  const fs::path cache = fs::path(home) / ".cache";
  const fs::path folder = cache / "oza";
  ::mkdir(cache.c_str(), 0700);
  ::mkdir(folder.c_str(), 0700);
  return isPrivateFolder(folder) ? folder.string() : std::string();
}

}  // namespace oza
