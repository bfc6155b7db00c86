#include "verify/image_diff.h"

#include <algorithm>
#include <cstdint>

#include "image/hex_fields.h"
#include "text/latin1.h"
#include "text/message_text.h"
#include "save/checksum.h"
#include "verify/byte_ranges.h"
#include "verify/known_fields.h"

namespace oza {

namespace {

class Collector {
 public:
  explicit Collector(std::vector<Difference>& out) : out_(out) {}
  void add(const std::string& what, const std::string& a, const std::string& b) {
    if (a != b) out_.push_back({what, a, b});
  }

 private:
  std::vector<Difference>& out_;
};

std::string count(std::int64_t n, const char* unit) { return std::to_string(n) + " " + unit; }

void diffInfo(const Session& a, const Session& b, Collector& out) {
  const char* const shown[] = {"Date",      "BIOS version",     "Chip type",          "Hardware specs",
                               "Copyright", "AtomBIOS version", "Power cable message"};
  const InfoTab& ia = a.form.info;
  const InfoTab& ib = b.form.info;
  for (int i = 0; i < 7; ++i) {
    out.add(shown[i], ia.infoText[i].text(), ib.infoText[i].text());
    // The two strings the tab does not show as text follow the chip type.
    if (i == 2) {
      out.add("Card interface", latin1ToUtf8(a.strings.cardInterface), latin1ToUtf8(b.strings.cardInterface));
      out.add("RAM type", latin1ToUtf8(a.strings.ramType), latin1ToUtf8(b.strings.ramType));
    }
  }
  out.add("Sub vendor ID", ia.subVendor.text(), ib.subVendor.text());
  auto card = [](const Session& s) { return "0x" + hexText(s.cardId, 4) + " - " + s.form.info.videoCard.text(); };
  out.add("Video card ID", card(a), card(b));
  out.add("Pre-modified", ia.preModified.checked() ? "yes" : "no", ib.preModified.checked() ? "yes" : "no");
}

void diffClocks(const Session& a, const Session& b, Collector& out) {
  const ClockTab& ca = a.form.clock;
  const ClockTab& cb = b.form.clock;
  out.add("Clock info records", ca.recordCount.text(), cb.recordCount.text());
  const int records = std::min(std::max(ca.statesShown(), cb.statesShown()), kClockBlocks);
  for (int i = 0; i < records; ++i) {
    const std::string block = "Clock info " + std::to_string(i);
    out.add(block + " GPU (MHz)", ca.gpuClock[i].text(), cb.gpuClock[i].text());
    out.add(block + " RAM (MHz)", ca.memoryClock[i].text(), cb.memoryClock[i].text());
    out.add(block + " voltage (V)", ca.voltage[i].text(), cb.voltage[i].text());
  }
  const PowerPlayStates& sa = ca.powerPlayStates();
  const PowerPlayStates& sb = cb.powerPlayStates();
  out.add("PowerPlay states", std::to_string(sa.classification.size()), std::to_string(sb.classification.size()));
  auto state = [](const PowerPlayStates& states, std::size_t s) -> std::string {
    if (s >= states.classification.size()) return "";
    std::string text = std::to_string(s) + stateDescription(states.classification[s]) + "; clock infos";
    for (int slot = 1; slot <= states.slotCount(); ++slot)
      text += (slot == 1 ? " " : ", ") + std::to_string(states.clockIndex(static_cast<int>(s), slot));
    return text;
  };
  const std::size_t states = std::max(sa.classification.size(), sb.classification.size());
  for (std::size_t s = 0; s < states; ++s)
    out.add("PowerPlay state " + std::to_string(s), state(sa, s), state(sb, s));
  out.add("Standard clock GPU", ca.standardGpuClock.text(), cb.standardGpuClock.text());
  out.add("Standard clock RAM", ca.standardRamClock.text(), cb.standardRamClock.text());
  out.add("Upper limit GPU", ca.gpuLimit.text(), cb.gpuLimit.text());
  out.add("Upper limit RAM", ca.ramLimit.text(), cb.ramLimit.text());
}

std::string controlMode(const FanTab& fan) {
  if (fan.transferFunctionMode.checked()) return "transfer function";
  if (fan.lookUpTableMode.checked()) return "look up table";
  return "";
}

std::string registerValue(const Session& s, int n) {
  const std::int32_t position = s.fanLocation.registerPositions[n];
  if (position == 0 || !s.image.contains(position + 3)) return "";
  return "0x" + readDWordHex(s.image, position);
}

void diffFan(const Session& a, const Session& b, Collector& out) {
  const FanTab& fa = a.form.fan;
  const FanTab& fb = b.form.fan;
  auto usable = [](const Session& s) {
    if (!s.form.fanTabButton.enabled()) return std::string("none");
    return std::string(s.fanLocation.tableType == FanTableType::Type2 ? "type 2 table" : "type 1 settings");
  };
  out.add("Fan settings", usable(a), usable(b));
  out.add("Fan control mode", controlMode(fa), controlMode(fb));
  const struct {
    const char* what;
    const Control FanTab::*box;
  } boxes[] = {{"Tmin (\xC2\xB0" "C)", &FanTab::tmin},
               {"Tmax (\xC2\xB0" "C)", &FanTab::tmax},
               {"Tslope (%)", &FanTab::tslope},
               {"Duty cycle min (%)", &FanTab::dutyCycleMin},
               {"Hysteresis (%)", &FanTab::hysteresis},
               {"Tmin hysteresis (\xC2\xB0" "C)", &FanTab::tminHysteresis},
               {"Spin up cycle (%)", &FanTab::spinUpCycle},
               {"Spin up time", &FanTab::spinUpTime},
               {"PWM ramp (%)", &FanTab::pwmRamp},
               {"Fan table hysteresis (\xC2\xB0" "C)", &FanTab::type2Hysteresis}};
  for (const auto& box : boxes) out.add(box.what, (fa.*box.box).text(), (fb.*box.box).text());
  out.add("PWM ramp on", fa.pwmRampOn.checked() ? "1" : "0", fb.pwmRampOn.checked() ? "1" : "0");
  for (int k = 0; k < kFanTablePoints; ++k) {
    const std::string entry = " " + std::to_string(k);
    out.add("Look-up threshold" + entry + " (\xC2\xB0" "C)", fa.type1Threshold[k].text(), fb.type1Threshold[k].text());
    out.add("Look-up fan speed" + entry + " (%)", fa.type1Speed[k].text(), fb.type1Speed[k].text());
  }
  for (int k = 0; k < kFanTablePoints; ++k) {
    const std::string entry = " " + std::to_string(k);
    out.add("Fan table threshold" + entry + " (\xC2\xB0" "C)", fa.type2Threshold[k].text(), fb.type2Threshold[k].text());
    out.add("Fan table speed" + entry + " (%)", fa.type2Speed[k].text(), fb.type2Speed[k].text());
  }
  // Bits of the registers that no box shows (a stored Tslope, for one).
  for (int n = 0; n < 3; ++n) out.add("Fan register " + std::to_string(n), registerValue(a, n), registerValue(b, n));
}

void diffBytes(const Session& a, const Session& b, Collector& out) {
  const ByteImage& ia = a.image;
  const ByteImage& ib = b.image;
  out.add("Length", count(ia.size(), "bytes"), count(ib.size(), "bytes"));
  out.add("Byte sum", std::to_string(byteSum(ia)), std::to_string(byteSum(ib)));

  const std::vector<KnownField> known = knownFieldsOfEither(a, b);
  const std::vector<KnownField> areas = correctionAreasOfEither(ia, ib);

  for (const char* name : {kHeaderArea, kFillerArea}) {
    auto inArea = [&](std::int64_t p) {
      return std::any_of(areas.begin(), areas.end(),
                         [&](const KnownField& f) { return f.name == name && p >= f.first && p <= f.last; });
    };
    for (const ByteRange& range : differingRanges(ia, ib, inArea))
      out.add(std::string(name) + " " + rangeText(range), bytesText(ia, range), bytesText(ib, range));
  }
  const std::vector<ByteRange> outside = differingRanges(ia, ib, [&](std::int64_t p) {
    return !insideAny(known, p) && !insideAny(areas, p);
  });
  if (outside.empty()) return;
  std::int64_t bytes = 0;
  for (const ByteRange& range : outside) bytes += range.differing;
  const auto ranges = static_cast<std::int64_t>(outside.size());
  out.add("Bytes outside known fields", "",
          count(bytes, bytes == 1 ? "byte differs" : "bytes differ") + " in " + count(ranges, ranges == 1 ? "range" : "ranges"));
  const std::size_t shown = std::min(outside.size(), kLargestRangeList);
  for (std::size_t r = 0; r < shown; ++r)
    out.add("Bytes " + rangeText(outside[r]), bytesText(ia, outside[r]), bytesText(ib, outside[r]));
  if (outside.size() > shown)
    out.add("Bytes in further ranges", "", count(static_cast<std::int64_t>(outside.size() - shown), "ranges not listed"));
}

}  // namespace

std::vector<Difference> diffImages(const Session& a, const Session& b) {
  std::vector<Difference> differences;
  Collector out(differences);
  diffInfo(a, b, out);
  diffClocks(a, b, out);
  diffFan(a, b, out);
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
