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

}  // namespace oza::test
