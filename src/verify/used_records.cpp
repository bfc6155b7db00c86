// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/used_records.h"

#include <algorithm>

namespace oza {

std::vector<int> usedRecords(const LoadedImage& image) {
  const int read = static_cast<int>(image.clockInfos.size());
  std::vector<int> used;
  if (!image.clockLocation.states) {
    for (int r = 0; r < read; ++r) used.push_back(r);
    return used;
  }
  for (const auto& slots : image.states().stateClockIndex)
    for (const int r : slots)
      if (r < read && std::find(used.begin(), used.end(), r) == used.end()) used.push_back(r);
  std::sort(used.begin(), used.end());
  return used;
}

std::string recordKey(int record) { return "clock_info." + std::to_string(record) + "."; }

std::string statesUsing(const LoadedImage& image, int record) {
  std::vector<std::string> names;
  const auto& states = image.states().stateClockIndex;
  for (std::size_t s = 0; s < states.size(); ++s)
    if (std::find(states[s].begin(), states[s].end(), record) != states[s].end()) names.push_back(std::to_string(s));
  if (names.empty()) return "";
  std::string text = names.size() == 1 ? "state " : "states ";
  for (std::size_t i = 0; i < names.size(); ++i)
    text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return text;
}

}  // namespace oza
