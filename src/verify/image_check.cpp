// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/image_check.h"

#include <algorithm>
#include <optional>

#include "powerplay/clock_records.h"
#include "image/hex_fields.h"
#include "image/info_strings.h"
#include "save/checksum.h"
#include "tabs/fan_tab.h"
#include "text/latin1.h"
#include "text/message_text.h"
#include "text/number_text.h"
#include "verify/byte_ranges.h"
#include "verify/known_fields.h"

namespace oza {

namespace {

constexpr std::int64_t k64k = 65536;
constexpr std::int64_t k128k = 131072;
// A clock may rise this much over the original's highest before it is worth a warning.
constexpr double kLargestRaise = 1.20;

// The rules by their names, and the keys scripts know them by.
const std::pair<const char*, const char*> kRuleKeys[] = {
    {"Loads", "loads"},
    {"File length", "file_length"},
    {"Declared image length", "declared_length"},
    {"Declared image checksum", "declared_checksum"},
    {"Original loads", "original_loads"},
    {"Length as the original", "length_as_original"},
    {"Byte sum as the original", "byte_sum_as_original"},
    {"GDDR5 image size", "gddr5_size"},
    {"Clocks within the Overdrive limits", "clocks_within_overdrive_limits"},
    {"Fan look-up table rises", "fan_table_rises"},
    {"Tmin below Tmax", "tmin_below_tmax"},
    {"Stored Tslope as computed", "tslope_as_computed"},
    {"PowerPlay classes in order", "powerplay_class_order"},
    {"GDDR5 clock infos share one memory clock", "gddr5_memory_clocks"},
    {"IDs as the original", "ids_as_original"},
    {"PCI image chain", "pci_image_chain"},
    {"Whole ROM copy", "whole_rom"},
    {"Voltages within the original's range", "voltages_within_original_range"},
    {"Clocks at most 20 % over the original's highest", "clocks_near_original"},
    {"Bytes outside known fields as the original", "bytes_outside_known_fields"},
};

std::string ruleKey(const std::string& name) {
  for (const auto& [rule, key] : kRuleKeys)
    if (name == rule) return key;
  return {};
}

class Rules {
 public:
  explicit Rules(std::vector<CheckItem>& items) : items_(items) {}
  // A value the next rule looked at or found wrong.
  void note(const std::string& key, KeyValue value) { values_.emplace_back(key, std::move(value)); }
  void passed(const std::string& name, const std::string& detail) { add(name, CheckOutcome::Passed, detail); }
  void warning(const std::string& name, const std::string& detail) { add(name, CheckOutcome::Warning, detail); }
  void error(const std::string& name, const std::string& detail) { add(name, CheckOutcome::Error, detail); }
  void notRun(const std::string& name, const std::string& detail) { add(name, CheckOutcome::NotRun, detail); }
  // Passed with `ok` when `problems` is empty, else `failed` listing them.
  void judge(const std::string& name, CheckOutcome failed, const std::vector<std::string>& problems,
             const std::string& ok) {
    if (problems.empty()) return passed(name, ok);
    std::string detail;
    for (const std::string& p : problems) detail += (detail.empty() ? "" : "; ") + p;
    add(name, failed, detail);
  }

 private:
  void add(const std::string& name, CheckOutcome outcome, const std::string& detail) {
    items_.push_back({name, outcome, detail, ruleKey(name), std::move(values_)});
    values_.clear();
  }
  std::vector<CheckItem>& items_;
  std::vector<std::pair<std::string, KeyValue>> values_;
};

std::string bytes(std::int64_t n) { return std::to_string(n) + " bytes"; }

// The clock infos as the clock tab shows them.
struct ShownClockInfo {
  int block = 0;
  double gpu = 0, ram = 0;     // MHz
  std::optional<double> volt;  // V; none for "---"
};

// A clock in 10 kHz units, in MHz.
double megahertz(std::uint32_t clock) { return clock / 100.0; }

std::vector<ShownClockInfo> clockInfos(const LoadedImage& image) {
  std::vector<ShownClockInfo> infos;
  int block = 0;
  for (const ClockInfo& record : image.clockInfos) {
    ShownClockInfo info{block++, megahertz(record.engineClock), megahertz(record.memoryClock), std::nullopt};
    if (record.voltage <= kLargestVoltage) info.volt = record.voltage / 1000.0;
    infos.push_back(info);
  }
  return infos;
}

// An Overdrive limit in MHz; 0 where the image has none.
double limit(const LoadedImage& image, std::optional<std::uint32_t> OverdriveClocks::*field) {
  if (!image.overdrive || !(*image.overdrive.*field)) return 0;
  return megahertz(*(*image.overdrive.*field));
}

std::string block(int i) { return "clock info " + std::to_string(i); }
std::string mhz(double v) { return decimalText(v) + " MHz"; }

void checkFile(const ImageFile& file, Rules& rules) {
  if (file.loaded()) {
    std::string detail = "loaded as the window loads it";
    // A load may go on past a message (the Overdrive limits, for one).
    for (const std::string& said : file.said) detail += "; it said: " + said;
    rules.passed("Loads", detail);
  } else {
    rules.error("Loads", file.failure);
  }
  if (!file.bytes) {
    for (const char* name : {"File length", "Declared image length", "Declared image checksum"})
      rules.notRun(name, "the file could not be read");
    return;
  }
  const ByteImage& b = *file.bytes;
  rules.note("size_bytes", double(b.size()));
  if (b.size() == k64k || b.size() == k128k)
    rules.passed("File length", bytes(b.size()));
  else
    rules.error("File length", bytes(b.size()) + ", neither 65536 nor 131072");
  const std::int64_t declared = declaredLength(b);
  rules.note("declared_bytes", double(declared));
  if (declared > b.size()) {
    rules.error("Declared image length", bytes(declared) + " declared, the file holds " + bytes(b.size()));
    rules.notRun("Declared image checksum", "the declared image is not all in the file");
    return;
  }
  rules.passed("Declared image length", bytes(declared) + " declared");
  const std::int64_t sum = rangeSum(b, 0, declared - 1).value_or(0);
  rules.note("declared_sum_mod_256", double(sum % 256));
  if (sum % 256 == 0)
    rules.passed("Declared image checksum", "sums to 0 modulo 256");
  else
    rules.error("Declared image checksum", "sums to " + std::to_string(sum % 256) + " modulo 256, not 0");
}

void checkAgainstFile(const ImageFile& file, const ImageFile& original, Rules& rules) {
  if (original.loaded())
    rules.passed("Original loads", "loaded as the window loads it");
  else
    rules.error("Original loads", original.failure);
  if (!file.bytes || !original.bytes) {
    rules.notRun("Length as the original", "a file could not be read");
    rules.notRun("Byte sum as the original", "a file could not be read");
    return;
  }
  const ByteImage& b = *file.bytes;
  const ByteImage& o = *original.bytes;
  rules.note("size_bytes", double(b.size()));
  rules.note("original.size_bytes", double(o.size()));
  if (b.size() == o.size())
    rules.passed("Length as the original", bytes(b.size()));
  else
    rules.error("Length as the original", bytes(b.size()) + ", the original " + bytes(o.size()));
  rules.note("byte_sum", double(byteSum(b)));
  rules.note("original.byte_sum", double(byteSum(o)));
  if (byteSum(b) == byteSum(o))
    rules.passed("Byte sum as the original", std::to_string(byteSum(b)));
  else
    rules.error("Byte sum as the original",
                std::to_string(byteSum(b)) + ", the original " + std::to_string(byteSum(o)));
}

void checkStates(const LoadedImage& image, Rules& rules);
void checkMemoryClocks(const LoadedImage& image, Rules& rules);
void checkPciChain(const LoadedImage& image, Rules& rules);

void checkContent(const ImageFile& file, Rules& rules) {
  if (!file.loaded()) {
    for (const char* name : {"GDDR5 image size", "Clocks within the Overdrive limits", "PowerPlay classes in order",
                             "GDDR5 clock infos share one memory clock", "PCI image chain", "Whole ROM copy"})
      rules.notRun(name, "the image did not load");
    return;
  }
  const LoadedImage& image = *file.image;
  const bool gddr5 = usesGddr5(image.strings);
  const std::int64_t size = image.bytes.size();
  rules.note("size_bytes", double(size));
  rules.note("memory.type", latin1ToUtf8(image.strings.ramType));
  if (gddr5 && size <= k64k)
    rules.warning("GDDR5 image size", "a GDDR5 image of " + bytes(size) + " may be cut short");
  else
    rules.passed("GDDR5 image size", gddr5 ? "GDDR5, " + bytes(size) : "no GDDR5 memory");

  const double gpuLimit = limit(image, &OverdriveClocks::engineLimit);
  const double ramLimit = limit(image, &OverdriveClocks::memoryLimit);
  // A limit of 0 is no limit: some images set only one of them.
  if (gpuLimit <= 0 && ramLimit <= 0) {
    rules.notRun("Clocks within the Overdrive limits", "no Overdrive limits");
  } else {
    std::vector<std::string> problems;
    for (const ShownClockInfo& info : clockInfos(image)) {
      const std::string key = "clock_info." + std::to_string(info.block) + ".";
      if (gpuLimit > 0 && info.gpu > gpuLimit) {
        problems.push_back(block(info.block) + " GPU " + mhz(info.gpu) + " above " + mhz(gpuLimit));
        rules.note(key + "gpu_mhz", info.gpu);
      }
      if (ramLimit > 0 && info.ram > ramLimit) {
        problems.push_back(block(info.block) + " RAM " + mhz(info.ram) + " above " + mhz(ramLimit));
        rules.note(key + "memory_mhz", info.ram);
      }
    }
    rules.note("overdrive.gpu_limit_mhz", gpuLimit);
    rules.note("overdrive.memory_limit_mhz", ramLimit);
    const std::string gpu = gpuLimit > 0 ? "GPU up to " + mhz(gpuLimit) : "no GPU limit";
    const std::string ram = ramLimit > 0 ? "RAM up to " + mhz(ramLimit) : "no RAM limit";
    rules.judge("Clocks within the Overdrive limits", CheckOutcome::Warning, problems, gpu + ", " + ram);
  }
  checkStates(image, rules);
  checkMemoryClocks(image, rules);
  checkPciChain(image, rules);
}

void checkPciChain(const LoadedImage& image, Rules& rules) {
  const char* const chainRule = "PCI image chain";
  const char* const wholeRule = "Whole ROM copy";
  const PciImageChain& chain = image.pciImages;
  rules.note("images.count", double(chain.images.size()));
  rules.note("images.tail_bytes", double(chain.tailBytes));
  if (chain.images.empty()) {
    rules.notRun(chainRule, "the image has no PCI data structure");
  } else {
    std::string listed;
    std::vector<std::string> problems;
    for (std::size_t n = 0; n < chain.images.size(); ++n) {
      const PciImage& p = chain.images[n];
      listed += (n ? "; " : "") + codeTypeName(p.codeType) + " " + groupedNumber(p.length) + " bytes at " +
                offsetText(p.offset);
      if (p.deviceId != chain.images.front().deviceId) {
        problems.push_back("image " + std::to_string(n) + " names device 0x" + hexText(p.deviceId, 4) +
                           ", the first 0x" + hexText(chain.images.front().deviceId, 4));
        rules.note("images." + std::to_string(n) + ".device_id", double(p.deviceId));
      }
    }
    if (chain.pastEnd) {
      problems.push_back("the chain runs to " + offsetText(chain.end) + ", past the end of the file (" +
                         groupedNumber(image.bytes.size()) + " bytes)");
      rules.note("images.end_offset", double(chain.end));
    }
    rules.judge(chainRule, CheckOutcome::Warning, problems,
                listed + "; " + groupedNumber(chain.tailBytes) + " bytes after them, " + groupedNumber(chain.tailData) +
                    " of them data");
  }
  // The kernel gives only the chain; a file that ends where its chain ends
  // and is no whole ROM size (or belongs to a GDDR5 card) may lack the data
  // after the images.
  const std::int64_t size = image.bytes.size();
  const bool wholeSize = size == k64k || size == k128k;
  if (!chain.images.empty() && chain.tailBytes == 0 && (!wholeSize || usesGddr5(image.strings)))
    rules.warning(wholeRule,
                  "the file ends where its PCI images end (" + groupedNumber(size) +
                      " bytes): it may be a partial copy of the card's ROM, as the kernel gives it; the data "
                      "after the images (memory set-up on GDDR5 cards) may be missing");
  else
    rules.passed(wholeRule, groupedNumber(chain.tailBytes) + " bytes follow the PCI images");
}

void checkFan(const ImageFile& file, Rules& rules) {
  const char* const tableRule = "Fan look-up table rises";
  const char* const tminRule = "Tmin below Tmax";
  if (!file.loaded() || !file.image->fan.usable) {
    const std::string why = file.loaded() ? "no fan settings" : "the image did not load";
    for (const char* name : {tableRule, tminRule, "Stored Tslope as computed"}) rules.notRun(name, why);
    return;
  }
  const FanReading& reading = file.image->fan;
  const ShownFan fan = shownFan(reading);
  const bool type2 = reading.location.tableType == FanTableType::Type2;
  const auto& thresholds = type2 ? fan.type2Thresholds : fan.type1Thresholds;
  const auto& speeds = type2 ? fan.type2Speeds : fan.type1Speeds;
  if (reading.location.tableType == FanTableType::None) {
    rules.notRun(tableRule, "the card has no look-up table");
  } else {
    std::vector<std::string> problems;
    for (std::size_t k = 1; k < kFanTablePoints; ++k) {
      const double t0 = textValue(thresholds[k - 1]), t1 = textValue(thresholds[k]);
      const double s0 = textValue(speeds[k - 1]), s1 = textValue(speeds[k]);
      const std::string entry = "entry " + std::to_string(k);
      const std::string key = std::string(type2 ? "fan.table." : "fan.lookup.") + std::to_string(k) + ".";
      if (t1 <= t0) {
        problems.push_back(entry + " threshold " + decimalText(t1) + " after " + decimalText(t0));
        rules.note(key + "threshold_c", t1);
      }
      if (s1 < s0) {
        problems.push_back(entry + " speed " + decimalText(s1) + " % after " + decimalText(s0) + " %");
        rules.note(key + "speed_percent", s1);
      }
    }
    rules.judge(tableRule, CheckOutcome::Warning, problems, "thresholds rise, speeds do not fall");
  }
  if (type2) {
    rules.notRun(tminRule, "a type-2 table has no Tmin and Tmax");
    rules.notRun("Stored Tslope as computed", "a type-2 table has no Tslope");
    return;
  }
  const double tmin = textValue(fan.tmin), tmax = textValue(fan.tmax);
  rules.note("fan.tmin_c", tmin);
  rules.note("fan.tmax_c", tmax);
  if (tmin < tmax)
    rules.passed(tminRule, "Tmin " + decimalText(tmin) + ", Tmax " + decimalText(tmax));
  else
    rules.warning(tminRule, "Tmin " + decimalText(tmin) + " is not below Tmax " + decimalText(tmax));

  const char* const tslopeRule = "Stored Tslope as computed";
  if (const std::optional<int> stored = storedTslopeIfOther(reading)) {
    rules.note("fan.stored_tslope_percent", double(*stored));
    rules.note("fan.tslope_percent", textValue(fan.tslope));
    rules.warning(tslopeRule, "the image stores " + std::to_string(*stored) +
                                  " %; Tmin, Tmax and Duty cycle min give " + fan.tslope +
                                  " %, which a save writes once one of them changes");
  } else {
    rules.passed(tslopeRule, "Tslope " + fan.tslope + " %");
  }
}

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

void checkStates(const LoadedImage& image, Rules& rules) {
  const char* const rule = "PowerPlay classes in order";
  const PowerPlayStates& states = image.states();
  const std::vector<ShownClockInfo> infos = clockInfos(image);
  struct Classed {
    int state, rank;
    ShownClockInfo info;
  };
  // Each classed state with the clock info of its highest mode.
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
  if (classed.size() < 2)
    return rules.notRun(rule, "fewer than two states of the battery, balanced or performance class");
  std::vector<std::string> problems;
  const auto name = [](const Classed& c) {
    return "state " + std::to_string(c.state) + " (" + kRankNames[c.rank] + ", " + block(c.info.block) + ")";
  };
  for (const Classed& high : classed)
    for (const Classed& low : classed) {
      if (high.rank <= low.rank) continue;
      if (high.info.gpu < low.info.gpu) {
        problems.push_back(name(high) + " GPU " + mhz(high.info.gpu) + " below " + name(low) + " " + mhz(low.info.gpu));
        rules.note("clock_info." + std::to_string(high.info.block) + ".gpu_mhz", high.info.gpu);
      }
      if (high.info.volt && low.info.volt && *high.info.volt < *low.info.volt) {
        problems.push_back(name(high) + " " + decimalText(*high.info.volt) + " V below " + name(low) + " " +
                           decimalText(*low.info.volt) + " V");
        rules.note("clock_info." + std::to_string(high.info.block) + ".voltage_v", *high.info.volt);
      }
    }
  rules.judge(rule, CheckOutcome::Warning, problems, "a higher class never clocks or feeds lower than a lower one");
}

void checkMemoryClocks(const LoadedImage& image, Rules& rules) {
  const char* const rule = "GDDR5 clock infos share one memory clock";
  if (!usesGddr5(image.strings)) return rules.passed(rule, "no GDDR5 memory");
  std::vector<double> clocks;
  for (const ShownClockInfo& info : clockInfos(image))
    if (std::find(clocks.begin(), clocks.end(), info.ram) == clocks.end()) clocks.push_back(info.ram);
  if (clocks.size() <= 1) return rules.passed(rule, clocks.empty() ? "no clock infos" : "RAM " + mhz(clocks[0]));
  std::string list;
  for (const double clock : clocks) list += (list.empty() ? "" : ", ") + mhz(clock);
  rules.warning(rule, "RAM clocks " + list + ": changing the memory clock makes the screen of a GDDR5 card flicker");
}

void checkAgainstContent(const ImageFile& file, const ImageFile& originalFile, Rules& rules) {
  const char* const voltRule = "Voltages within the original's range";
  const char* const raiseRule = "Clocks at most 20 % over the original's highest";
  const char* const bytesRule = "Bytes outside known fields as the original";
  const char* const idsRule = "IDs as the original";
  if (!file.loaded() || !originalFile.loaded()) {
    for (const char* name : {voltRule, raiseRule, idsRule, bytesRule}) rules.notRun(name, "an image did not load");
    return;
  }
  const LoadedImage& image = *file.image;
  const LoadedImage& original = *originalFile.image;
  const std::vector<ShownClockInfo> mine = clockInfos(image);
  const std::vector<ShownClockInfo> theirs = clockInfos(original);
  std::optional<double> low, high;
  double gpuHigh = 0, ramHigh = 0;
  for (const ShownClockInfo& info : theirs) {
    if (info.volt) {
      low = std::min(low.value_or(*info.volt), *info.volt);
      high = std::max(high.value_or(*info.volt), *info.volt);
    }
    gpuHigh = std::max(gpuHigh, info.gpu);
    ramHigh = std::max(ramHigh, info.ram);
  }
  if (!low) {
    rules.notRun(voltRule, "the original has no voltages");
  } else {
    const std::string range = decimalText(*low) + " V to " + decimalText(*high) + " V";
    std::vector<std::string> problems;
    for (const ShownClockInfo& info : mine)
      if (info.volt && (*info.volt < *low || *info.volt > *high)) {
        problems.push_back(block(info.block) + " " + decimalText(*info.volt) + " V outside " + range);
        rules.note("clock_info." + std::to_string(info.block) + ".voltage_v", *info.volt);
      }
    rules.judge(voltRule, CheckOutcome::Warning, problems, range);
  }
  std::vector<std::string> raised;
  for (const ShownClockInfo& info : mine) {
    const std::string key = "clock_info." + std::to_string(info.block) + ".";
    if (info.gpu > gpuHigh * kLargestRaise) {
      raised.push_back(block(info.block) + " GPU " + mhz(info.gpu));
      rules.note(key + "gpu_mhz", info.gpu);
    }
    if (info.ram > ramHigh * kLargestRaise) {
      raised.push_back(block(info.block) + " RAM " + mhz(info.ram));
      rules.note(key + "memory_mhz", info.ram);
    }
  }
  rules.judge(raiseRule, CheckOutcome::Warning, raised,
              "original's highest GPU " + mhz(gpuHigh) + ", RAM " + mhz(ramHigh));

  // A flasher finds the card by its IDs.
  std::vector<std::string> ids;
  if (image.subVendorId != original.subVendorId) {
    ids.push_back("sub vendor 0x" + hexText(image.subVendorId, 4) + ", the original 0x" +
                  hexText(original.subVendorId, 4));
    rules.note("ids.sub_vendor", double(image.subVendorId));
  }
  if (image.cardId != original.cardId) {
    ids.push_back("card 0x" + hexText(image.cardId, 4) + ", the original 0x" + hexText(original.cardId, 4));
    rules.note("ids.card", double(image.cardId));
  }
  rules.judge(idsRule, CheckOutcome::Warning, ids,
              "sub vendor 0x" + hexText(image.subVendorId, 4) + ", card 0x" + hexText(image.cardId, 4));

  std::vector<KnownField> known = knownFieldsOfEither(original, image);
  for (const KnownField& area : correctionAreasOfEither(original.bytes, image.bytes)) known.push_back(area);
  const std::vector<ByteRange> ranges = rangesOutside(original.bytes, image.bytes, known);
  if (ranges.empty()) return rules.passed(bytesRule, "none differ");
  std::int64_t differing = 0;
  for (const ByteRange& range : ranges) differing += range.differing;
  rules.note("bytes.differing", double(differing));
  std::string detail = std::to_string(differing) + (differing == 1 ? " byte differs at " : " bytes differ at ");
  const std::size_t shown = std::min(ranges.size(), kLargestRangeList);
  for (std::size_t r = 0; r < shown; ++r) detail += (r ? ", " : "") + rangeText(ranges[r]);
  if (ranges.size() > shown) detail += " and " + std::to_string(ranges.size() - shown) + " more ranges";
  rules.warning(bytesRule, detail);
}

}  // namespace

int CheckReport::count(CheckOutcome outcome) const {
  return static_cast<int>(
      std::count_if(items.begin(), items.end(), [outcome](const CheckItem& i) { return i.outcome == outcome; }));
}

int CheckReport::exitCode(bool strict) const {
  if (count(CheckOutcome::Error) > 0) return 1;
  return strict && count(CheckOutcome::Warning) > 0 ? 1 : 0;
}

CheckReport checkImage(const ImageFile& image, const ImageFile* original) {
  CheckReport report;
  report.path = image.path;
  if (original) report.against = original->path;
  Rules rules(report.items);
  checkFile(image, rules);
  if (original) checkAgainstFile(image, *original, rules);
  checkContent(image, rules);
  checkFan(image, rules);
  if (original) checkAgainstContent(image, *original, rules);
  return report;
}

const char* outcomeName(CheckOutcome outcome) {
  switch (outcome) {
    case CheckOutcome::Passed: return "ok";
    case CheckOutcome::Warning: return "warning";
    case CheckOutcome::Error: return "error";
    case CheckOutcome::NotRun: break;
  }
  return "not run";
}

std::string checkText(const CheckReport& report) {
  // Names and strings come from files: a terminal must not take them for commands.
  std::string text = "Check of " + escapeControls(report.path) + "\n";
  if (!report.against.empty()) text += "against " + escapeControls(report.against) + "\n";
  for (const CheckItem& item : report.items) {
    std::string outcome = outcomeName(item.outcome);
    outcome.resize(9, ' ');
    text += outcome + item.name + ": " + escapeControls(item.detail) + "\n";
  }
  return text + checkSummary(report) + "\n";
}

std::string checkSummary(const CheckReport& report) {
  const int errors = report.count(CheckOutcome::Error);
  const int warnings = report.count(CheckOutcome::Warning);
  return std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") + std::to_string(warnings) +
         (warnings == 1 ? " warning" : " warnings");
}

}  // namespace oza
