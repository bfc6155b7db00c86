// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace oza {

// The control centre keeps one block of settings per graphics card; the
// editor shows the first four.
inline constexpr int kProfileCards = 4;
inline constexpr int kProfileFields = 8;
// Longer files are refused: a real profile is a few kilobytes.
inline constexpr std::uintmax_t kLargestProfileFile = 200000;

enum class ProfileFieldKind { List, Number };

// One setting of a card: the key its name line holds (the card number
// follows it), the caption beside its box and what it sets.
struct ProfileField {
  const char* key;
  const char* label;
  ProfileFieldKind kind;
  const char* meaning;
};

// The settings in the order in which they are looked for and written.
inline constexpr std::array<ProfileField, kProfileFields> kProfileFieldTable{{
    {"FanSpeedAlgorithm_", "Fan speed algorithm:", ProfileFieldKind::List,
     "Whether the driver sets the fan speed itself (Automatic) or holds the one below (Manual)"},
    {"FanSpeedProtocol_", "Fan speed protocol:", ProfileFieldKind::List, "The unit of the fan speed target"},
    {"FanSpeedPercentTarget_", "Fan speed (percent):", ProfileFieldKind::Number,
     "The fan speed a manual fan runs at, in percent"},
    {"FanSpeedRPMTarget_", "Fan speed (RPM):", ProfileFieldKind::Number,
     "The fan speed a manual fan runs at, in revolutions per minute"},
    {"CoreClockTarget_", "Core clock (Hz):", ProfileFieldKind::Number, "The GPU clock of the profile, in Hz"},
    {"MemoryClockTarget_", "Memory clock (Hz):", ProfileFieldKind::Number, "The memory clock of the profile, in Hz"},
    {"CoreVoltageTarget_", "Core voltage (mV):", ProfileFieldKind::Number, "The GPU voltage of the profile, in mV"},
    {"MemoryVoltageTarget_", "Memory voltage (mV):", ProfileFieldKind::Number,
     "The memory voltage of the profile, in mV"},
}};

inline constexpr bool isProfileNumberField(int f) {
  return kProfileFieldTable[static_cast<std::size_t>(f)].kind == ProfileFieldKind::Number;
}

// Positions of the two list fields in the table.
inline constexpr int kAlgorithmField = 0;
inline constexpr int kProtocolField = 1;

// The entries of the two lists, as they are shown and written. A value line
// chooses the last entry whose word it holds in any letter case, so "manual"
// wins over "automatic".
inline constexpr std::array<const char*, 2> kAlgorithmEntries{"Automatic", "Manual"};
inline constexpr std::array<const char*, 1> kProtocolEntries{"Percent"};

// The entries of list field `f`; none for a number field.
inline constexpr std::span<const char* const> profileListEntries(int f) {
  if (f == kAlgorithmField) return kAlgorithmEntries;
  if (f == kProtocolField) return kProtocolEntries;
  return {};
}

}  // namespace oza
