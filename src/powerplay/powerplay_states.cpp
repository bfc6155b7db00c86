// SPDX-License-Identifier: GPL-3.0-or-later

#include "powerplay/powerplay_states.h"

namespace oza {

std::optional<int> PowerPlayStates::clockIndex(int state, int slot) const {
  if (state < 0 || state >= static_cast<int>(stateClockIndex.size())) return std::nullopt;
  const auto& slots = stateClockIndex[static_cast<std::size_t>(state)];
  if (slot < 1 || slot > static_cast<int>(slots.size())) return std::nullopt;
  return slots[static_cast<std::size_t>(slot - 1)];
}

std::optional<PowerPlayStates> readPowerPlayStates(const ByteImage& image, const PowerPlayHeader& header) {
  if (header.stateEntrySize < 1) return std::nullopt;
  ImageReader read(image);
  PowerPlayStates states;
  states.stateEntrySize = header.stateEntrySize;
  for (int s = 0; s < header.stateCount; ++s) {
    const std::int64_t entry = header.stateArray + std::int64_t{s} * header.stateEntrySize;
    const int nonClock = read.byte(entry);
    std::vector<int> slots;
    for (int j = 1; j < header.stateEntrySize; ++j) slots.push_back(read.byte(entry + j));
    states.stateClockIndex.push_back(std::move(slots));
    const std::int64_t word = header.nonClockArray + std::int64_t{nonClock} * header.nonClockSize;
    states.classification.push_back(static_cast<std::uint16_t>(read.word(word)));
    states.entryPositions.push_back(entry);
    states.classificationPositions.push_back(word);
  }
  if (!read.ok()) return std::nullopt;
  return states;
}

std::string stateDescription(std::uint16_t classification) {
  static const struct {
    std::uint16_t mask;
    const char* text;
  } flags[] = {
      {0x0001, "Power saving for notebooks in battery mode"},
      {0x0002, "High performance for notebooks in battery mode"},
      {0x0003, "Balanced"},
      {0x0004, "High performance"},
      {0x0005, "Optimal performance"},
      {0x0008, "Boot"},
      {0x0010, "Thermal (GPU too hot)"},
      {0x0020, "Limited power source"},
      {0x0040, "Rest"},
      {0x0080, "Forced"},
      {0x0100, "Accelerated 3D"},
      {0x0200, "Overdrive template"},
      {0x0400, "UVD"},
      {0x1000, "ACPI: Disabled load balancing"},
      {0x2000, "Enable sleep for time stamps"},
      {0x8000, "Enable vari bright"},
  };
  std::string description;
  for (const auto& flag : flags) {
    if ((classification & flag.mask) != flag.mask) continue;
    description += description.empty() ? " - " : ", ";
    description += flag.text;
  }
  return description;
}

}  // namespace oza
