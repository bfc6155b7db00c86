// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace oza::test {

// One clock info record as the AtomBIOS tables describe it.
struct WalkedClock {
  std::uint32_t engine = 0;  // 10 kHz
  std::uint32_t memory = 0;  // 10 kHz
  std::uint16_t millivolts = 0;
  friend bool operator==(const WalkedClock&, const WalkedClock&) = default;
};

// Walks ROM header -> master data table -> PowerPlay table -> clock info
// array with plain byte arithmetic, sharing nothing with the program, so
// that a test can hold the program's reading against it. The records are
// those between the array and the next non-clock structure the header names
// (the state or non-clock array, whichever follows the clock infos first).
// Nothing when the table is not of revision 4 or 5, its records are not 16
// bytes long or it lies outside the bytes.
std::optional<std::vector<WalkedClock>> walkClockInfos(const std::vector<std::uint8_t>& bytes);

// One image of a PCI option ROM's chain, as its data structure says.
struct WalkedPciImage {
  std::size_t offset = 0;
  std::size_t length = 0;
  unsigned codeType = 0;
  unsigned deviceId = 0;
  bool last = false;
};

// The chain walked as the kernel sizes a ROM: image by image while one
// starts with 55 AA and its pointer at 0x18 finds "PCIR", to the one marked
// last (bit 7 of the indicator byte) or of length 0.
std::vector<WalkedPciImage> walkPciChain(const std::vector<std::uint8_t>& bytes);

}  // namespace oza::test
