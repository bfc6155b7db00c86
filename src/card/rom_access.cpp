#include "card/rom_access.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_descriptor.h"
#include "files/file_reading.h"

namespace oza {

namespace {

// The device's own `rom` attribute, opened without blocking: the entry of the
// device folder itself, never a link, and a regular file, so that whatever
// may have been put in its place is neither written to nor waited for.
// errno tells a refusal (EACCES, EPERM) from other failures.
FileDescriptor openRom(const std::string& romPath, int flags) {
  const std::filesystem::path rom(romPath);
  const FileDescriptor folder(::open(rom.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder) return FileDescriptor();
  FileDescriptor file(
      ::openat(folder.get(), rom.filename().c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat status {};
  if (file && (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))) {
    errno = EINVAL;
    return FileDescriptor();
  }
  return file;
}

RomStep writeSwitch(const std::string& romPath, char value) {
  errno = 0;
  const FileDescriptor file = openRom(romPath, O_WRONLY);
  if (!file) return errno == EACCES || errno == EPERM ? RomStep::Denied : RomStep::Failed;
  return writeAll(file.get(), std::string_view(&value, 1)) ? RomStep::Done : RomStep::Failed;
}

}  // namespace

bool SysfsRomAccess::mayRead(const std::string& romPath) {
  // Opening for writing writes nothing yet; it only asks for the right to.
  return static_cast<bool>(openRom(romPath, O_WRONLY));
}

RomStep SysfsRomAccess::enable(const std::string& romPath) { return writeSwitch(romPath, '1'); }

bool SysfsRomAccess::read(const std::string& romPath, std::size_t limit, std::vector<std::uint8_t>& bytes) {
  const std::filesystem::path rom(romPath);
  const FileDescriptor folder(::open(rom.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder) return false;
  // The attribute's size is the ROM window's, not what the read gives.
  const auto read = readFolderEntry(folder.get(), rom.filename().string(), {limit, true, false});
  if (!read && read.error().problem != ReadProblem::TooLarge) return false;
  if (!read) {
    bytes.assign(limit, 0);  // more than the limit: the caller tells the user so
    return true;
  }
  bytes.assign(read->begin(), read->end());
  return true;
}

void SysfsRomAccess::disable(const std::string& romPath) { writeSwitch(romPath, '0'); }

}  // namespace oza
