// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
    if (withRom) writeBytes(folder + "/rom", rom);
  }

 private:
  TempDir dir_;
};

// The kernel's enable/read/disable steps over the fake tree's plain `rom`
// files: a read only works while the ROM is enabled, as with the kernel.
class FakeRomAccess : public RomAccess {
 public:
  bool denied = false;       // a user without root rights
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
