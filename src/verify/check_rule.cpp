// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/check_rule.h"

#include "powerplay/clock_records.h"
#include "text/number_text.h"

namespace oza {

void Finding::judge(CheckOutcome failed, const std::vector<std::string>& problems, std::string ok) {
  if (problems.empty()) return passed(std::move(ok));
  std::string list;
  for (const std::string& p : problems) list += (list.empty() ? "" : "; ") + p;
  set(failed, std::move(list));
}

std::vector<ClockValues> clockValues(const LoadedImage& image) {
  std::vector<ClockValues> infos;
  int block = 0;
  for (const ClockInfo& record : image.clockInfos) {
    infos.push_back({block++, megahertz(record.engineClock), megahertz(record.memoryClock), volts(record.voltage)});
  }
  return infos;
}

std::string byteCount(std::int64_t n) { return std::to_string(n) + " bytes"; }
std::string mhzText(double value) { return decimalText(value) + " MHz"; }
std::string blockName(int i) { return "clock info " + std::to_string(i); }

}  // namespace oza
