// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "card/rom_access.h"
#include "support/temp_dir.h"

namespace oza::test {

// A device tree as the kernel shows it under /sys/bus/pci/devices, in a
// temporary folder that OZA_SYSFS_ROOT points to while it lives.
class FakeSysfs {
 public:
  FakeSysfs() { setenv("OZA_SYSFS_ROOT", dir_.path().c_str(), 1); }
  ~FakeSysfs() { unsetenv("OZA_SYSFS_ROOT"); }

  const std::string& root() const { return dir_.path(); }

  // A device folder with its attribute files; no `rom` file for an empty
  // `rom` when `withRom` is false.
  void addDevice(const std::string& address, const std::string& vendor, const std::string& device,
                 const std::string& cardClass, const std::vector<std::uint8_t>& rom, bool withRom = true) {
    const std::string folder = dir_.path() + "/bus/pci/devices/" + address;
    std::filesystem::create_directories(folder);
    writeText(folder + "/vendor", vendor + "\n");
    writeText(folder + "/device", device + "\n");
    writeText(folder + "/class", cardClass + "\n");
    writeText(folder + "/" + kFakeDeviceMark, "");
    if (withRom) writeBytes(folder + "/rom", rom);
  }

  // The `resource` file of a device: six empty regions, then the expansion
  // ROM's window of `bytes` at 0xe0000000 (none for 0), then the rest.
  void setRomWindow(const std::string& address, std::int64_t bytes) {
    std::string lines;
    const std::string none = "0x0000000000000000 0x0000000000000000 0x0000000000000000\n";
    for (int n = 0; n < 6; ++n) lines += none;
    if (bytes > 0) {
      char line[80];
      std::snprintf(line, sizeof line, "0x%016llx 0x%016llx 0x0000000000046200\n", 0xe0000000ull,
                    0xe0000000ull + static_cast<unsigned long long>(bytes) - 1);
      lines += line;
    } else {
      lines += none;
    }
    for (int n = 7; n < 13; ++n) lines += none;
    setAttribute(address, "resource", lines);
  }
  void setBootDisplay(const std::string& address, bool boot) {
    setAttribute(address, "boot_vga", boot ? "1\n" : "0\n");
  }
  void setAttribute(const std::string& address, const std::string& name, const std::string& text) {
    writeText(dir_.path() + "/bus/pci/devices/" + address + "/" + name, text);
  }

 private:
  TempDir dir_;
};

// The kernel's enable/read/disable steps over the fake tree's plain `rom`
// files: a read only works while the ROM is enabled, as with the kernel.
class FakeRomAccess : public RomAccess {
 public:
  bool denied = false;  // a user without root rights
  bool enableFails = false;
  bool readFailsHalfway = false;

  std::set<std::string> enabled;  // ROMs currently enabled
  int enables = 0;
  int disables = 0;

  bool mayRead(const std::string&) override { return !denied; }
  RomStep enable(const std::string& path) override {
    ++enables;
    if (denied) return RomStep::Denied;
    if (enableFails) return RomStep::Failed;
    enabled.insert(path);
    return RomStep::Done;
  }
  std::optional<std::vector<std::uint8_t>> read(const std::string& path, std::size_t limit) override {
    if (!enabled.count(path) || readFailsHalfway) return std::nullopt;
    std::vector<std::uint8_t> bytes = readBytes(path);
    if (bytes.size() > limit) bytes.resize(limit);
    return bytes;
  }
  void disable(const std::string& path) override {
    ++disables;
    enabled.erase(path);
  }
};

}  // namespace oza::test
