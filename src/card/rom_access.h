// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace oza {

// Foreign: the `rom` is not the kernel's attribute (see kFakeDeviceMark) and
// was left alone.
enum class RomStep { Done, Denied, Foreign, Failed };

// A device folder of a tree that stands in for sysfs in the tests holds a
// file of this name; its `rom` is then taken for the kernel's attribute,
// although it is not on sysfs.
inline constexpr const char* kFakeDeviceMark = "oza_fake_device";

// The three steps the kernel's `rom` attribute of a PCI device takes: writing
// "1" enables reading, the read gives the ROM, writing "0" disables it again.
// A plain file cannot behave like that, so the tests put their own steps in
// its place.
class RomAccess {
 public:
  virtual ~RomAccess() = default;
  // Whether this user may enable and read the ROM (only root may).
  virtual bool mayRead(const std::string& romPath) = 0;
  // Denied when this user lacks the rights.
  virtual RomStep enable(const std::string& romPath) = 0;
  // The whole ROM, at most `limit` bytes; nothing when the read fails.
  virtual std::optional<std::vector<std::uint8_t>> read(const std::string& romPath, std::size_t limit) = 0;
  virtual void disable(const std::string& romPath) = 0;
};

// The kernel's attribute itself.
class SysfsRomAccess : public RomAccess {
 public:
  bool mayRead(const std::string& romPath) override;
  RomStep enable(const std::string& romPath) override;
  std::optional<std::vector<std::uint8_t>> read(const std::string& romPath, std::size_t limit) override;
  void disable(const std::string& romPath) override;
};

}  // namespace oza
