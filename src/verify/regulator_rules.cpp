// SPDX-License-Identifier: GPL-3.0-or-later

// What the card does with the voltages of the records its states use, by the
// regulator's levels: the driver's power management rounds up to the next
// level and refuses a state above the highest; the BIOS's SetVoltage table
// sets the level below and clamps.
#include "image/hex_fields.h"
#include "powerplay/clock_records.h"
#include "verify/check_rules.h"
#include "verify/used_records.h"

namespace oza {

namespace {

const char* const kNoLevels = "the image names no regulator that sets its voltage in levels";
constexpr std::uint16_t kFirstVirtualId = 0xFF01;
constexpr std::uint16_t kLastVirtualId = 0xFF08;

// A voltage of a used record that the original does not already hold, in mV.
struct Target {
  int record;
  int millivolts;
};

std::vector<Target> changedVoltages(const ImageFile& file, const ImageFile* original) {
  std::vector<Target> targets;
  const LoadedImage& image = *file.image;
  for (const int r : usedRecords(image)) {
    const std::uint16_t raw = image.clockInfos[static_cast<std::size_t>(r)].voltage;
    if (raw == 0 || raw > kLargestVoltage) continue;
    if (originalHolds(original, r, &ClockInfo::voltage, raw)) continue;
    targets.push_back({r, raw});
  }
  return targets;
}

bool isVirtualId(std::uint16_t raw) { return raw >= kFirstVirtualId && raw <= kLastVirtualId; }

}  // namespace

void checkVoltagesOnRegulatorLevels(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const CardTables& card = file.image->card;
  if (!card.hasLevels()) return found.notRun(kNoLevels);
  const VoltageRegulator& regulator = *card.regulator;
  std::vector<std::string> problems;
  for (const Target& t : changedVoltages(file, original)) {
    const std::optional<int> driver = driverLevel(regulator, t.millivolts);
    if (!driver || *driver == t.millivolts || t.millivolts < regulator.levels.front()) continue;
    problems.push_back(blockName(t.record) + ": " + levelNote(card, t.millivolts));
    found.note(recordKey(t.record) + "voltage_v", t.millivolts / 1000.0);
  }
  found.judge(CheckOutcome::Warning, problems, "every voltage is one of the levels " + levelsText(card));
}

void checkVoltagesWithinRegulator(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const CardTables& card = file.image->card;
  if (!card.hasLevels()) return found.notRun(kNoLevels);
  const int lowest = card.regulator->levels.front(), highest = card.regulator->levels.back();
  std::vector<std::string> problems;
  bool above = false;
  for (const Target& t : changedVoltages(file, original)) {
    if (t.millivolts >= lowest && t.millivolts <= highest) continue;
    above = above || t.millivolts > highest;
    const std::string states = statesUsing(*file.image, t.record);
    problems.push_back(blockName(t.record) + (states.empty() ? "" : " (" + states + ")") + ": " +
                       levelNote(card, t.millivolts));
    found.note(recordKey(t.record) + "voltage_v", t.millivolts / 1000.0);
  }
  found.judge(above ? CheckOutcome::Error : CheckOutcome::Warning, problems,
              "from " + levelText(lowest) + " to " + levelText(highest));
}

void checkVoltagesSet(const ImageFile& file, const ImageFile* original, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const LoadedImage& image = *file.image;
  std::vector<std::string> problems;
  bool real = false;
  for (const int r : usedRecords(image)) {
    const std::uint16_t raw = image.clockInfos[static_cast<std::size_t>(r)].voltage;
    if (raw <= kLargestVoltage || originalHolds(original, r, &ClockInfo::voltage, raw)) continue;
    const std::string hex = "0x" + hexText(raw, 4);
    if (isVirtualId(raw)) {
      problems.push_back(blockName(r) + " names no voltage (" + hex +
                         "): the driver refuses the states that use it, the BIOS keeps the voltage it set before");
    } else {
      real = true;
      problems.push_back(blockName(r) + " shows \"---\" but holds " + hex + ", which the card takes as " +
                         levelText(raw));
    }
    found.note(recordKey(r) + "voltage_v", std::monostate{});
  }
  found.judge(real ? CheckOutcome::Error : CheckOutcome::Warning, problems,
              "every record the states use names a voltage");
}

}  // namespace oza
