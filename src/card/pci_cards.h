// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <vector>

#include "card/rom_access.h"

namespace oza {

// A display device of vendor 0x1002 as the kernel lists it.
struct PciCard {
  std::string address;   // "0000:01:00.0"
  std::string vendorId;  // "0x1002"
  std::string deviceId;  // "0x9442"
  std::string name;      // from the video card table; empty when unknown
  bool romReadable = false;
  std::optional<std::int64_t> romWindow;  // bytes of the device's ROM window (its `resource` file); none: unknown
  bool bootDisplay = false;               // the display the system started on (`boot_vga`)
};

// A card's ROM as the kernel gave it, with what tells whether that is all of
// the chip: the kernel gives only the chain of images the ROM's headers
// declare, and for the boot display the copy in system memory.
struct CardRom {
  std::vector<std::uint8_t> bytes;
  std::optional<std::int64_t> romWindow;
  bool bootDisplay = false;
};

// Why `rom` may not hold all of the chip; empty for a whole copy.
std::string partialCopyReason(const CardRom& rom);
// What the user is told of a partial copy: what is missing, and that an
// edit of it must not be flashed.
std::string partialCopyWarning(const CardRom& rom);

// The root of the kernel's device tree: "/sys", or OZA_SYSFS_ROOT when set.
std::string sysfsRoot();

// The display devices of vendor 0x1002 under `root`, in address order.
std::vector<PciCard> listCards(const std::string& root, RomAccess& access);

// The card as a line of a list: address, name and IDs, the ROM window's size,
// whether it is the boot display and whether its BIOS needs administrator
// rights.
std::string cardLabel(const PciCard& card);

// Reads the ROM of the card at `address` (a missing domain means 0000):
// enables it, reads it and disables it again on every path. The ROM, or the
// message for the user.
std::expected<CardRom, std::string> readCardRom(const std::string& root, const std::string& address, RomAccess& access);

inline constexpr const char* kNeedsRootMessage =
    "Reading a card's BIOS needs administrator rights: run `sudo oza-cli read-card ADDR --out FILE`";

}  // namespace oza
