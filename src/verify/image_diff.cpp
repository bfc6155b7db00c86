// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/image_diff.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <cstdint>

#include "image/hex_fields.h"
#include "image/id_tables.h"
#include "save/checksum.h"
#include "document/shown_values.h"
#include "text/latin1.h"
#include "text/message_text.h"
#include "verify/byte_ranges.h"
#include "verify/known_fields.h"
#include "verify/range_tables.h"

namespace oza {

namespace {

class Collector {
 public:
  Collector(const LoadedImage& a, const LoadedImage& b, std::vector<Difference>& out)
      : a_(a), b_(b), out_(out), tables_(a, b) {}
  // A row of a value key when the texts differ, named as the key table
  // labels it and carrying the key's values.
  void add(const std::string& key, const std::string& a, const std::string& b) {
    if (a == b) return;
    const std::optional<KeyRef> ref = findKey(key);
    if (!ref) return addRow(key, key, a, b);
    out_.push_back({ref->entry->labelOf(ref->index), a, b, key, ref->entry->value(a_, ref->index),
                    ref->entry->value(b_, ref->index), std::nullopt});
  }
  // A row of what no single key holds: a state, bytes.
  void addRow(const std::string& key, const std::string& what, const std::string& a, const std::string& b) {
    if (a != b) out_.push_back({what, a, b, key, a, b, std::nullopt});
  }
  // A row of differing bytes, which names the tables they lie in.
  void addBytes(const std::string& key, const std::string& what, const ByteRange& range) {
    const std::string table = tables_.of(range);
    const std::size_t before = out_.size();
    addRow(key, what + inTables(table), bytesText(a_.bytes, range), bytesText(b_.bytes, range));
    if (out_.size() > before) out_.back().table = table;
  }

 private:
  const LoadedImage& a_;
  const LoadedImage& b_;
  std::vector<Difference>& out_;
  RangeTables tables_;
};

// "bytes.0x1234-0x123f" for a range, as a key.
std::string rangeKey(const std::string& area, const ByteRange& range) {
  std::string key = area + "." + offsetText(range.first);
  if (range.last > range.first) key += "-" + offsetText(range.last);
  return key;
}

std::string count(std::int64_t n, const char* unit) { return std::to_string(n) + " " + unit; }

// The strings as the information tab shows them, in box order.
std::vector<std::string> shownStrings(const LoadedImage& image) {
  const InfoStrings& s = image.strings;
  std::vector<std::string> shown;
  for (const std::string* text : {&image.dateTime, &s.biosVersion, &s.chipType, &s.hardwareSpecs, &s.copyright,
                                  &s.atomBiosVersion, &s.powerCableMessage})
    shown.push_back(latin1ToUtf8(*text));
  return shown;
}

void diffInfo(const LoadedImage& a, const LoadedImage& b, Collector& out) {
  const char* const keys[] = {
      "strings.date",      "strings.bios_version",      "strings.chip_type",          "strings.hardware_specs",
      "strings.copyright", "strings.atom_bios_version", "strings.power_cable_message"};
  const std::vector<std::string> ia = shownStrings(a);
  const std::vector<std::string> ib = shownStrings(b);
  for (std::size_t i = 0; i < std::size(keys); ++i) {
    out.add(keys[i], ia[i], ib[i]);
    // The two strings the tab does not show as text follow the chip type.
    if (i == 2) {
      out.add("strings.card_interface", latin1ToUtf8(a.strings.cardInterface), latin1ToUtf8(b.strings.cardInterface));
      out.add("memory.type", latin1ToUtf8(a.strings.ramType), latin1ToUtf8(b.strings.ramType));
    }
  }
  out.add("ids.sub_vendor", subVendorText(a.subVendorId), subVendorText(b.subVendorId));
  auto card = [](const LoadedImage& image) {
    return "0x" + hexText(image.cardId, 4) + " - " + videoCardText(image.cardId);
  };
  out.add("ids.card", card(a), card(b));
  out.add("pre_modified", a.preModified ? "yes" : "no", b.preModified ? "yes" : "no");
}

// What clock info block `i` shows: GPU, RAM and voltage; empty beyond the records.
std::array<std::string, 3> shownBlock(const LoadedImage& image, int i) {
  if (i >= static_cast<int>(image.clockInfos.size())) return {};
  const ClockInfo& info = image.clockInfos[static_cast<std::size_t>(i)];
  return {megahertzText(info.engineClock), megahertzText(info.memoryClock), voltageText(info.voltage)};
}

void diffClocks(const LoadedImage& a, const LoadedImage& b, Collector& out) {
  out.add("clock_info.count", std::to_string(a.clockRecordCount), std::to_string(b.clockRecordCount));
  const int records = std::min(std::max(a.clockRecordCount, b.clockRecordCount), kClockBlocks);
  for (int i = 0; i < records; ++i) {
    const std::string key = "clock_info." + std::to_string(i) + ".";
    const auto ba = shownBlock(a, i);
    const auto bb = shownBlock(b, i);
    out.add(key + "gpu_mhz", ba[0], bb[0]);
    out.add(key + "memory_mhz", ba[1], bb[1]);
    out.add(key + "voltage_v", ba[2], bb[2]);
  }
  const PowerPlayStates& sa = a.states();
  const PowerPlayStates& sb = b.states();
  out.add("states.count", std::to_string(sa.classification.size()), std::to_string(sb.classification.size()));
  auto state = [](const PowerPlayStates& states, std::size_t s) -> std::string {
    if (s >= states.classification.size()) return "";
    std::string text = std::to_string(s) + stateDescription(states.classification[s]) + "; clock infos";
    for (int slot = 1; slot <= states.slotCount(); ++slot)
      text += (slot == 1 ? " " : ", ") + std::to_string(states.clockIndex(static_cast<int>(s), slot).value_or(-1));
    return text;
  };
  const std::size_t states = std::max(sa.classification.size(), sb.classification.size());
  for (std::size_t s = 0; s < states; ++s)
    out.addRow("states." + std::to_string(s), "PowerPlay state " + std::to_string(s), state(sa, s), state(sb, s));
  const auto overdrive = [](const LoadedImage& image, std::optional<std::uint32_t> OverdriveClocks::*field) {
    return overdriveText(image.overdrive ? *image.overdrive.*field : std::nullopt);
  };
  out.add("overdrive.gpu_mhz", overdrive(a, &OverdriveClocks::engineClock),
          overdrive(b, &OverdriveClocks::engineClock));
  out.add("overdrive.memory_mhz", overdrive(a, &OverdriveClocks::memoryClock),
          overdrive(b, &OverdriveClocks::memoryClock));
  out.add("overdrive.gpu_limit_mhz", overdrive(a, &OverdriveClocks::engineLimit),
          overdrive(b, &OverdriveClocks::engineLimit));
  out.add("overdrive.memory_limit_mhz", overdrive(a, &OverdriveClocks::memoryLimit),
          overdrive(b, &OverdriveClocks::memoryLimit));
}

std::string controlMode(const ShownFan& fan) {
  if (!fan.transferFunction) return "";
  return *fan.transferFunction ? "transfer function" : "look up table";
}

std::string registerValue(const LoadedImage& image, int n) {
  const std::optional<std::int64_t>& position = image.fan.location.registerPositions[static_cast<std::size_t>(n)];
  if (!position) return "";
  const std::optional<std::string> value = readDWordHex(image.bytes, *position);
  return value ? "0x" + *value : "";
}

// One fan table's points: `key` "fan.lookup" for the type-1 table.
void diffFanTable(const std::array<std::string, kFanTablePoints>& thresholdsA,
                  const std::array<std::string, kFanTablePoints>& speedsA,
                  const std::array<std::string, kFanTablePoints>& thresholdsB,
                  const std::array<std::string, kFanTablePoints>& speedsB, const std::string& key, Collector& out) {
  for (std::size_t k = 0; k < kFanTablePoints; ++k) {
    const std::string point = key + "." + std::to_string(k) + ".";
    out.add(point + "threshold_c", thresholdsA[k], thresholdsB[k]);
    out.add(point + "speed_percent", speedsA[k], speedsB[k]);
  }
}

// The type-1 look-up table, then the type-2 fan table.
void diffFanTables(const ShownFan& fa, const ShownFan& fb, Collector& out) {
  diffFanTable(fa.type1Thresholds, fa.type1Speeds, fb.type1Thresholds, fb.type1Speeds, "fan.lookup", out);
  diffFanTable(fa.type2Thresholds, fa.type2Speeds, fb.type2Thresholds, fb.type2Speeds, "fan.table", out);
}

void diffFan(const LoadedImage& a, const LoadedImage& b, Collector& out) {
  const ShownFan fa = shownFan(a.fan);
  const ShownFan fb = shownFan(b.fan);
  auto usable = [](const LoadedImage& image) {
    if (!image.fan.usable) return std::string("none");
    return std::string(image.fan.location.tableType == FanTableType::Type2 ? "type 2 table" : "type 1 settings");
  };
  out.add("fan.settings", usable(a), usable(b));
  out.add("fan.mode", controlMode(fa), controlMode(fb));
  const struct {
    const char* key;
    std::string ShownFan::*box;
  } boxes[] = {{"fan.tmin_c", &ShownFan::tmin},
               {"fan.tmax_c", &ShownFan::tmax},
               {"fan.tslope_percent", &ShownFan::tslope},
               {"fan.duty_min_percent", &ShownFan::dutyCycleMin},
               {"fan.hysteresis_percent", &ShownFan::hysteresis},
               {"fan.tmin_hysteresis_c", &ShownFan::tminHysteresis},
               {"fan.spin_up_cycle_percent", &ShownFan::spinUpCycle},
               {"fan.spin_up_time", &ShownFan::spinUpTime},
               {"fan.pwm_ramp_percent", &ShownFan::pwmRamp},
               {"fan.table.hysteresis_c", &ShownFan::type2Hysteresis}};
  for (const auto& box : boxes) out.add(box.key, fa.*box.box, fb.*box.box);
  out.add("fan.pwm_ramp_on", fa.pwmRampOn ? "yes" : "no", fb.pwmRampOn ? "yes" : "no");
  diffFanTables(fa, fb, out);
  // Bits of the registers that no box shows (a stored Tslope, for one).
  for (int n = 0; n < 3; ++n) out.add("fan.register." + std::to_string(n), registerValue(a, n), registerValue(b, n));
}

// The chain of PCI images, image by image, and what follows it.
void diffPciChain(const LoadedImage& a, const LoadedImage& b, Collector& out) {
  const PciImageChain& ca = a.pciImages;
  const PciImageChain& cb = b.pciImages;
  out.add("images.count", std::to_string(ca.images.size()), std::to_string(cb.images.size()));
  const std::size_t n = std::max(ca.images.size(), cb.images.size());
  for (std::size_t i = 0; i < n; ++i) {
    const PciImage* pa = i < ca.images.size() ? &ca.images[i] : nullptr;
    const PciImage* pb = i < cb.images.size() ? &cb.images[i] : nullptr;
    const std::string key = "images." + std::to_string(i) + ".";
    const auto text = [](const PciImage* p, auto field) { return p ? field(*p) : std::string(); };
    const auto field = [&](const char* name, auto get) { out.add(key + name, text(pa, get), text(pb, get)); };
    field("offset", [](const PciImage& p) { return offsetText(p.offset); });
    field("length_bytes", [](const PciImage& p) { return std::to_string(p.length); });
    field("code_type", [](const PciImage& p) { return codeTypeName(p.codeType); });
    field("vendor_id", [](const PciImage& p) { return "0x" + hexText(p.vendorId, 4); });
    field("device_id", [](const PciImage& p) { return "0x" + hexText(p.deviceId, 4); });
    field("last", [](const PciImage& p) { return std::string(p.last ? "yes" : "no"); });
  }
  out.add("images.tail_bytes", std::to_string(ca.tailBytes), std::to_string(cb.tailBytes));
  out.add("images.tail_data_bytes", std::to_string(ca.tailData), std::to_string(cb.tailData));
}

void diffBytes(const LoadedImage& a, const LoadedImage& b, Collector& out) {
  const ByteImage& ia = a.bytes;
  const ByteImage& ib = b.bytes;
  out.add("size_bytes", count(ia.size(), "bytes"), count(ib.size(), "bytes"));
  out.add("byte_sum", std::to_string(byteSum(ia)), std::to_string(byteSum(ib)));

  const std::vector<KnownField> known = knownFieldsOfEither(a, b);
  const std::vector<KnownField> areas = correctionAreasOfEither(ia, ib);

  for (const auto& [name, area] :
       {std::pair{kHeaderArea, "bytes.correction_header"}, std::pair{kFillerArea, "bytes.correction_filler"}}) {
    std::vector<Span> named;
    for (const KnownField& f : areas)
      if (f.name == name) named.push_back({f.first, f.last});
    for (const ByteRange& range : differingRanges(ia, ib, std::move(named)))
      out.addBytes(rangeKey(area, range), std::string(name) + " " + rangeText(range), range);
  }
  std::vector<KnownField> knownOrArea = known;
  knownOrArea.insert(knownOrArea.end(), areas.begin(), areas.end());
  const std::vector<ByteRange> outside = rangesOutside(ia, ib, knownOrArea);
  if (outside.empty()) return;
  std::int64_t bytes = 0;
  for (const ByteRange& range : outside) bytes += range.differing;
  const auto ranges = static_cast<std::int64_t>(outside.size());
  out.addRow("bytes.outside", "Bytes outside known fields", "",
             count(bytes, bytes == 1 ? "byte differs" : "bytes differ") + " in " +
                 count(ranges, ranges == 1 ? "range" : "ranges"));
  const std::size_t shown = std::min(outside.size(), kLargestRangeList);
  for (std::size_t r = 0; r < shown; ++r)
    out.addBytes(rangeKey("bytes", outside[r]), "Bytes " + rangeText(outside[r]), outside[r]);
  if (outside.size() > shown)
    out.addRow("bytes.further", "Bytes in further ranges", "",
               count(static_cast<std::int64_t>(outside.size() - shown), "ranges not listed"));
}

}  // namespace

std::vector<Difference> diffImages(const LoadedImage& a, const LoadedImage& b) {
  std::vector<Difference> differences;
  Collector out(a, b, differences);
  diffInfo(a, b, out);
  diffClocks(a, b, out);
  diffFan(a, b, out);
  diffPciChain(a, b, out);
  diffBytes(a, b, out);
  return differences;
}

std::string differenceRowsText(const std::vector<Difference>& differences) {
  std::string text = "What\tIn A\tIn B\n";
  // Values come from files: a tab or a line end in one must not shift the
  // columns, nor an escape sequence command the terminal.
  for (const Difference& d : differences)
    text += escapeControls(d.what) + "\t" + escapeControls(d.a) + "\t" + escapeControls(d.b) + "\n";
  return text;
}

std::string differencesText(const std::string& pathA, const std::string& pathB,
                            const std::vector<Difference>& differences) {
  std::string text = "A: " + escapeControls(pathA) + "\nB: " + escapeControls(pathB) + "\n";
  if (differences.empty()) return text + differenceSummary(differences) + "\n";
  return text + differenceRowsText(differences) + differenceSummary(differences) + "\n";
}

std::string differenceSummary(const std::vector<Difference>& differences) {
  const std::size_t n = differences.size();
  if (n == 0) return "The images are equal.";
  return std::to_string(n) + (n == 1 ? " difference" : " differences");
}

}  // namespace oza
