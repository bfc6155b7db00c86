// SPDX-License-Identifier: GPL-3.0-or-later

// What the driver does with the clocks and states of the image, beyond what
// the records say: zero clocks drop modes, the PLLs cap the clocks, the boot
// state runs at FirmwareInfo's values, slots past the third overwrite
// "high", and only the chip's own thermal controller runs the fan.
#include <algorithm>

#include "document/shown_values.h"
#include "powerplay/driver_states.h"
#include "verify/check_rules.h"
#include "verify/image_diff.h"
#include "verify/used_records.h"

namespace oza {

namespace {

bool zeroClock(const ClockInfo& info) { return info.engineClock == 0 || info.memoryClock == 0; }

bool zeroClockChanged(const ImageFile* original, int r, const ClockInfo& info) {
  return !(originalHolds(original, r, &ClockInfo::engineClock, info.engineClock) &&
           originalHolds(original, r, &ClockInfo::memoryClock, info.memoryClock));
}

std::string recordValues(const ClockInfo& info) {
  const std::optional<double> volt = volts(info.voltage);
  return megahertzText(info.engineClock) + " / " + megahertzText(info.memoryClock) + " MHz" +
         (volt ? ", " + levelText(info.voltage) : "");
}

bool bootRecordAsFirmware(const ClockInfo& info, const FirmwareInfo& firmware) {
  return info.engineClock == firmware.bootEngineClock && info.memoryClock == firmware.bootMemoryClock &&
         (!firmware.bootVoltage || info.voltage == *firmware.bootVoltage);
}

}  // namespace

void checkClocksNotZero(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const LoadedImage& image = *file.image;
  const auto& infos = image.clockInfos;
  const auto read = [&infos](int r) { return r < static_cast<int>(infos.size()); };
  std::vector<std::string> problems;
  for (const int r : usedRecords(image)) {
    const ClockInfo& info = infos[static_cast<std::size_t>(r)];
    if (!zeroClock(info) || !zeroClockChanged(original, r, info)) continue;
    problems.push_back(blockName(r) + " has a zero " + (info.engineClock == 0 ? "GPU" : "memory") +
                       " clock: the BIOS drops that mode");
    found.note(recordKey(r) + (info.engineClock == 0 ? "gpu_mhz" : "memory_mhz"), 0.0);
  }
  const auto& states = image.states().stateClockIndex;
  for (std::size_t s = 0; s < states.size() && !problems.empty(); ++s) {
    const bool gone = !states[s].empty() && std::all_of(states[s].begin(), states[s].end(), [&](int r) {
      return read(r) && zeroClock(infos[static_cast<std::size_t>(r)]);
    });
    if (gone) problems.push_back("state " + std::to_string(s) + " disappears and the states after it are renumbered");
  }
  found.judge(CheckOutcome::Warning, problems, "no record the states use has a zero clock");
}

void checkClocksWithinPll(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const LoadedImage& image = *file.image;
  if (!image.card.firmware) return found.notRun("the image has no FirmwareInfo the program reads");
  const FirmwareInfo& firmware = *image.card.firmware;
  std::vector<std::string> problems;
  const auto judge = [&](int r, std::uint32_t ClockInfo::*field, std::uint32_t most, const char* what,
                         const char* key) {
    const std::uint32_t clock = image.clockInfos[static_cast<std::size_t>(r)].*field;
    if (most == 0 || clock <= most || originalHolds(original, r, field, clock)) return;
    problems.push_back(blockName(r) + " " + what + " " + mhzText(megahertz(clock)) + " above the PLL's highest " +
                       mhzText(megahertz(most)));
    found.note(recordKey(r) + key, megahertz(clock));
  };
  for (const int r : usedRecords(image)) {
    judge(r, &ClockInfo::engineClock, firmware.engineClockPllMax, "GPU", "gpu_mhz");
    judge(r, &ClockInfo::memoryClock, firmware.memoryClockPllMax, "memory", "memory_mhz");
  }
  found.judge(CheckOutcome::Error, problems,
              "GPU up to " + mhzText(megahertz(firmware.engineClockPllMax)) + ", memory up to " +
                  mhzText(megahertz(firmware.memoryClockPllMax)));
}

void checkBootStateFromFirmware(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const LoadedImage& image = *file.image;
  if (!image.card.firmware) return found.notRun("the image has no FirmwareInfo the program reads");
  const auto states = driverStates(image.states());
  std::vector<std::string> problems;
  for (std::size_t s = 0; s < states.size(); ++s) {
    if (!states[s].boot) continue;
    for (const int r : states[s].records) {
      if (r >= static_cast<int>(image.clockInfos.size())) continue;
      const ClockInfo& info = image.clockInfos[static_cast<std::size_t>(r)];
      const bool unchanged = originalHolds(original, r, &ClockInfo::engineClock, info.engineClock) &&
                             originalHolds(original, r, &ClockInfo::memoryClock, info.memoryClock) &&
                             originalHolds(original, r, &ClockInfo::voltage, info.voltage);
      if (unchanged || bootRecordAsFirmware(info, *image.card.firmware)) continue;
      std::string problem = blockName(r) + " (" + recordValues(info) + ") is used by boot state " + std::to_string(s) +
                            ": the card boots at " + bootText(image.card).substr(6);
      if (std::find(problems.begin(), problems.end(), problem) == problems.end()) problems.push_back(problem);
      found.note(recordKey(r) + "gpu_mhz", megahertz(info.engineClock));
    }
  }
  found.judge(CheckOutcome::Warning, problems, bootText(image.card));
}

void checkStateLevels(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const LoadedImage& image = *file.image;
  if (!image.clockLocation.states) return found.notRun("the table was found without its states");
  const auto states = driverStates(image.states());
  std::vector<std::string> problems;
  for (std::size_t s = 0; s < states.size(); ++s) {
    // Slots that name the record "high" ends with lose nothing.
    std::vector<int> lost;
    for (const int r : states[s].overwritten)
      if (r != states[s].high && std::find(lost.begin(), lost.end(), r) == lost.end()) lost.push_back(r);
    if (lost.empty()) continue;
    std::string skipped;
    for (const int r : lost) skipped += (skipped.empty() ? "" : ", ") + std::to_string(r);
    problems.push_back("state " + std::to_string(s) + " has " + std::to_string(states[s].records.size()) +
                       " slots: the driver runs clock info " + std::to_string(*states[s].high) +
                       " as high, not clock info " + skipped);
  }
  found.judge(CheckOutcome::Warning, problems, "no state has more than three slots");
}

void checkFanRunByController(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const LoadedImage& image = *file.image;
  if (!image.card.thermal) return found.notRun("the image names no thermal controller the program reads");
  const ThermalController& controller = *image.card.thermal;
  const std::string named = "the thermal controller is " + thermalControllerText(controller.type) +
                            (controller.fan ? ", with a fan" : ", without a fan");
  if (controller.internal() && controller.fan) return found.passed(named);
  if (!original || !original->loaded()) return found.notRun("without the original, no fan change to judge");
  std::vector<std::string> changed;
  for (const Difference& difference : diffImages(*original->image, image))
    if (difference.key.starts_with("fan.")) {
      changed.push_back(difference.what);
      found.note(difference.key, difference.valueB);
    }
  if (changed.empty()) return found.passed(named + "; no fan setting changed");
  found.warning("fan settings changed (" + std::to_string(changed.size()) + "), but " + named +
                ": the card does not run its fan from them");
}

}  // namespace oza
