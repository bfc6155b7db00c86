// SPDX-License-Identifier: GPL-3.0-or-later

#include "powerplay/driver_states.h"

namespace oza {

std::vector<DriverState> driverStates(const PowerPlayStates& states) {
  std::vector<DriverState> taken;
  for (std::size_t s = 0; s < states.stateClockIndex.size(); ++s) {
    DriverState state;
    const std::vector<int>& slots = states.stateClockIndex[s];
    state.records = slots;
    for (std::size_t j = 0; j < slots.size(); ++j) {
      if (j == 0) {
        state.low = slots[j];
      } else if (j == 1) {
        state.medium = slots[j];
      } else {
        if (state.high) state.overwritten.push_back(*state.high);
        state.high = slots[j];
      }
    }
    if (s < states.classification.size()) state.boot = (states.classification[s] & kBootClassification) != 0;
    taken.push_back(std::move(state));
  }
  return taken;
}

}  // namespace oza
