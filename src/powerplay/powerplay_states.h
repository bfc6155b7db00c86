// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/byte_image.h"

namespace oza {

// The PowerPlay states of a revision-4 table: for each state the clock info
// index of each of its slots (slot 1 'low', 2 'medium', 3 'high') and its
// classification word.
struct PowerPlayStates {
  int stateEntrySize = 0;
  // stateClockIndex[s][j - 1] is the clock info index of slot j of state s.
  std::vector<std::vector<int>> stateClockIndex;
  std::vector<std::uint16_t> classification;
  // Where each state's entry and classification word lie in the image.
  std::vector<std::int64_t> entryPositions;
  std::vector<std::int64_t> classificationPositions;

  int slotCount() const { return stateEntrySize > 0 ? stateEntrySize - 1 : 0; }
  // Clock info index of slot j (1-based) of state s; nothing when there is none.
  std::optional<int> clockIndex(int state, int slot) const;
};

// Header fields of a revision-4 PowerPlay table at position P.
struct PowerPlayHeader {
  int stateCount = 0;
  int stateEntrySize = 0;
  int nonClockSize = 0;
  std::int64_t stateArray = 0;  // absolute positions
  std::int64_t clockInfoArray = 0;
  std::int64_t nonClockArray = 0;
};

// Reads the states of a revision-4 table; nothing for a state entry size of
// 0 or a table that reaches outside the image.
std::optional<PowerPlayStates> readPowerPlayStates(const ByteImage& image, const PowerPlayHeader& header);

// " - Boot", " - Power saving for notebooks in battery mode, Thermal (GPU too
// hot)", or empty text for a word without any known flag.
std::string stateDescription(std::uint16_t classification);

}  // namespace oza
