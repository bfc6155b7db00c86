// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "image/atom_layout.h"

namespace oza {

// The fan-control command table's position is the word at the master
// command table (kMasterCommandTable in the ROM header) + 0x76.
inline constexpr std::int64_t kFanControlTableOffset = 0x76;

// The byte that starts a fan data section; the section's type follows at +3.
inline constexpr std::uint8_t kFanSectionMarker = 0x7A;
inline constexpr std::int64_t kFanSectionTypeOffset = 3;

// Every look-up table holds this many points.
inline constexpr int kFanTablePoints = 8;

enum class FanTableType { None, Type1, Type2 };

// A type-1 section at z: eight thresholds, then eight raw speeds.
constexpr std::int64_t type1ThresholdAt(std::int64_t section, int point) { return section + 5 + point; }
constexpr std::int64_t type1SpeedAt(std::int64_t section, int point) { return section + 13 + point; }

// A type-2 section: a "P" marker followed by four-byte points (threshold at
// +1, raw speed at +3), an "O" marker followed by the hysteresis and an "M"
// marker followed by half the raw speed that means 100 %.
constexpr std::int64_t type2ThresholdAt(std::int64_t tableMarker, int point) { return tableMarker + 1 + 4 * point; }
constexpr std::int64_t type2SpeedAt(std::int64_t tableMarker, int point) { return tableMarker + 3 + 4 * point; }
constexpr std::int64_t type2HysteresisAt(std::int64_t hysteresisMarker) { return hysteresisMarker + 1; }
constexpr std::int64_t type2ScaleAt(std::int64_t scaleMarker) { return scaleMarker + 1; }

}  // namespace oza
