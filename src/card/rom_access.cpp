// SPDX-License-Identifier: GPL-3.0-or-later

#include "card/rom_access.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include "files/file_descriptor.h"

namespace oza {

namespace {

// Whether the open file is the kernel's attribute: a file of sysfs with no
// other name, or one of a device folder of the tests' fake tree. A file with
// more names may be someone's image, which writing "1" would damage.
bool kernelAttribute(int folder, int file, const struct stat& status) {
  if (!S_ISREG(status.st_mode) || status.st_nlink != 1) return false;
  struct statfs system {};
  if (::fstatfs(file, &system) == 0 && system.f_type == SYSFS_MAGIC) return true;
  return ::faccessat(folder, kFakeDeviceMark, F_OK, AT_SYMLINK_NOFOLLOW) == 0;
}

// The device's own `rom` attribute, opened without blocking: the entry of the
// device folder itself, never a link, and the kernel's attribute, so that
// whatever may have been put in its place is neither written to nor waited
// for. errno tells a refusal (EACCES, EPERM) and a file that is not the
// attribute (EXDEV) from other failures.
FileDescriptor openRom(const std::string& romPath, int flags) {
  const std::filesystem::path rom(romPath);
  const FileDescriptor folder(::open(rom.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder) return FileDescriptor();
  FileDescriptor file(
      ::openat(folder.get(), rom.filename().c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat status {};
  if (file && (::fstat(file.get(), &status) != 0 || !kernelAttribute(folder.get(), file.get(), status))) {
    errno = EXDEV;
    return FileDescriptor();
  }
  return file;
}

RomStep writeSwitch(const std::string& romPath, char value) {
  errno = 0;
  const FileDescriptor file = openRom(romPath, O_WRONLY);
  if (!file)
    return errno == EACCES || errno == EPERM ? RomStep::Denied : errno == EXDEV ? RomStep::Foreign : RomStep::Failed;
  return writeAll(file.get(), std::string_view(&value, 1)) ? RomStep::Done : RomStep::Failed;
}

}  // namespace

bool SysfsRomAccess::mayRead(const std::string& romPath) {
  // Opening for writing writes nothing yet; it only asks for the right to.
  return static_cast<bool>(openRom(romPath, O_WRONLY));
}

RomStep SysfsRomAccess::enable(const std::string& romPath) { return writeSwitch(romPath, '1'); }

std::optional<std::vector<std::uint8_t>> SysfsRomAccess::read(const std::string& romPath, std::size_t limit) {
  const FileDescriptor file = openRom(romPath, O_RDONLY);
  if (!file) return std::nullopt;
  // The attribute's size is the ROM window's, not what the read gives.
  std::vector<std::uint8_t> bytes(limit);
  std::size_t got = 0;
  while (got < limit) {
    const ssize_t n = ::read(file.get(), bytes.data() + got, limit - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

void SysfsRomAccess::disable(const std::string& romPath) { writeSwitch(romPath, '0'); }

}  // namespace oza
