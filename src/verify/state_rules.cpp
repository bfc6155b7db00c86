// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/check_rules.h"

#include "text/number_text.h"

namespace oza {

namespace {

// The UI class of a PowerPlay state (the low bits of its classification):
// its rank from battery to performance, or nothing for another class.
std::optional<int> uiRank(std::uint16_t classification) {
  switch (classification & 0x0007) {
    case 1: return 0;  // battery
    case 3: return 1;  // balanced
    case 5: return 2;  // performance
    default: return std::nullopt;
  }
}

const char* const kRankNames[] = {"battery", "balanced", "performance"};

struct Classed {
  int state, rank;
  ClockValues info;
};

// Each classed state with the clock info of its highest mode.
std::vector<Classed> classedStates(const LoadedImage& image) {
  const PowerPlayStates& states = image.states();
  const std::vector<ClockValues> infos = clockValues(image);
  std::vector<Classed> classed;
  for (std::size_t s = 0; s < states.classification.size(); ++s) {
    const std::optional<int> rank = uiRank(states.classification[s]);
    if (!rank) continue;
    for (int slot = 3; slot >= 1; --slot) {
      const std::optional<int> index = states.clockIndex(static_cast<int>(s), slot);
      if (!index) continue;
      if (*index >= 0 && *index < static_cast<int>(infos.size()))
        classed.push_back({static_cast<int>(s), *rank, infos[static_cast<std::size_t>(*index)]});
      break;
    }
  }
  return classed;
}

std::string stateName(const Classed& c) {
  return "state " + std::to_string(c.state) + " (" + kRankNames[c.rank] + ", " + blockName(c.info.block) + ")";
}

}  // namespace

void checkClassOrder(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const std::vector<Classed> classed = classedStates(*file.image);
  if (classed.size() < 2) return found.notRun("fewer than two states of the battery, balanced or performance class");
  std::vector<std::string> problems;
  for (const Classed& high : classed)
    for (const Classed& low : classed) {
      if (high.rank <= low.rank) continue;
      const std::string key = "clock_info." + std::to_string(high.info.block) + ".";
      if (high.info.gpu < low.info.gpu) {
        problems.push_back(stateName(high) + " GPU " + mhzText(high.info.gpu) + " below " + stateName(low) + " " +
                           mhzText(low.info.gpu));
        found.note(key + "gpu_mhz", high.info.gpu);
      }
      if (high.info.volt && low.info.volt && *high.info.volt < *low.info.volt) {
        problems.push_back(stateName(high) + " " + decimalText(*high.info.volt) + " V below " + stateName(low) + " " +
                           decimalText(*low.info.volt) + " V");
        found.note(key + "voltage_v", *high.info.volt);
      }
    }
  found.judge(CheckOutcome::Warning, problems, "a higher class never clocks or feeds lower than a lower one");
}

}  // namespace oza
