#include "card/rom_access.h"

#include <cerrno>
#include <cstdio>

namespace oza {

namespace {

RomStep writeSwitch(const std::string& romPath, const char* value) {
  errno = 0;
  std::FILE* file = std::fopen(romPath.c_str(), "r+");
  if (!file) return errno == EACCES || errno == EPERM ? RomStep::Denied : RomStep::Failed;
  const bool written = std::fputs(value, file) >= 0;
  const bool closed = std::fclose(file) == 0;
  return written && closed ? RomStep::Done : RomStep::Failed;
}

}  // namespace

bool SysfsRomAccess::mayRead(const std::string& romPath) {
  // Opening for writing writes nothing yet; it only asks for the right to.
  std::FILE* file = std::fopen(romPath.c_str(), "r+");
  if (!file) return false;
  std::fclose(file);
  return true;
}

RomStep SysfsRomAccess::enable(const std::string& romPath) { return writeSwitch(romPath, "1"); }

bool SysfsRomAccess::read(const std::string& romPath, std::size_t limit, std::vector<std::uint8_t>& bytes) {
  std::FILE* file = std::fopen(romPath.c_str(), "rb");
  if (!file) return false;
  std::vector<std::uint8_t> content(limit);
  const std::size_t got = std::fread(content.data(), 1, limit, file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return false;
  content.resize(got);
  bytes = std::move(content);
  return true;
}

void SysfsRomAccess::disable(const std::string& romPath) { writeSwitch(romPath, "0"); }

}  // namespace oza
