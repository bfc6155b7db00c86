// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/check_rules.h"

#include "document/shown_values.h"
#include "text/number_text.h"

namespace oza {

namespace {

// The fan settings to check, or nothing with why there are none.
const FanReading* fanOf(const ImageFile& file, Finding& found) {
  if (!file.loaded()) {
    found.notRun(kNotLoaded);
    return nullptr;
  }
  if (!file.image->fan.usable) {
    found.notRun("no fan settings");
    return nullptr;
  }
  return &file.image->fan;
}

bool isType2(const FanReading& reading) { return reading.location.tableType == FanTableType::Type2; }

}  // namespace

void checkFanTable(const ImageFile& file, const ImageFile*, Finding& found) {
  const FanReading* reading = fanOf(file, found);
  if (!reading) return;
  if (reading->location.tableType == FanTableType::None) return found.notRun("the card has no look-up table");
  const ShownFan fan = shownFan(*reading);
  const bool type2 = isType2(*reading);
  const auto& thresholds = type2 ? fan.type2Thresholds : fan.type1Thresholds;
  const auto& speeds = type2 ? fan.type2Speeds : fan.type1Speeds;
  std::vector<std::string> problems;
  for (std::size_t k = 1; k < kFanTablePoints; ++k) {
    const double t0 = textValue(thresholds[k - 1]), t1 = textValue(thresholds[k]);
    const double s0 = textValue(speeds[k - 1]), s1 = textValue(speeds[k]);
    const std::string entry = "entry " + std::to_string(k);
    const std::string key = std::string(type2 ? "fan.table." : "fan.lookup.") + std::to_string(k) + ".";
    if (t1 <= t0) {
      problems.push_back(entry + " threshold " + decimalText(t1) + " after " + decimalText(t0));
      found.note(key + "threshold_c", t1);
    }
    if (s1 < s0) {
      problems.push_back(entry + " speed " + decimalText(s1) + " % after " + decimalText(s0) + " %");
      found.note(key + "speed_percent", s1);
    }
  }
  found.judge(CheckOutcome::Warning, problems, "thresholds rise, speeds do not fall");
}

void checkTminBelowTmax(const ImageFile& file, const ImageFile*, Finding& found) {
  const FanReading* reading = fanOf(file, found);
  if (!reading) return;
  if (isType2(*reading)) return found.notRun("a type-2 table has no Tmin and Tmax");
  const ShownFan fan = shownFan(*reading);
  const double tmin = textValue(fan.tmin), tmax = textValue(fan.tmax);
  found.note("fan.tmin_c", tmin);
  found.note("fan.tmax_c", tmax);
  if (tmin < tmax)
    found.passed("Tmin " + decimalText(tmin) + ", Tmax " + decimalText(tmax));
  else
    found.warning("Tmin " + decimalText(tmin) + " is not below Tmax " + decimalText(tmax));
}

void checkStoredTslope(const ImageFile& file, const ImageFile*, Finding& found) {
  const FanReading* reading = fanOf(file, found);
  if (!reading) return;
  if (isType2(*reading)) return found.notRun("a type-2 table has no Tslope");
  const ShownFan fan = shownFan(*reading);
  const std::optional<int> stored = storedTslopeIfOther(*reading);
  if (!stored) return found.passed("Tslope " + fan.computedTslope + " %");
  found.note("fan.stored_tslope_percent", double(*stored));
  found.note("fan.computed_tslope_percent", textValue(fan.computedTslope));
  found.warning("the image stores " + std::to_string(*stored) + " %; Tmin, Tmax and Duty cycle min give " +
                fan.computedTslope + " %, which a save writes once one of them changes");
}

}  // namespace oza
