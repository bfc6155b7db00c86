#include "powerplay/clock_tab_io.h"

#include <algorithm>
#include <vector>

#include "powerplay/clock_tab.h"

namespace oza {

bool loadClockInfos(const ByteImage& image, std::int64_t clockPosition, int& recordCount, ClockTab& tab) {
  recordCount = std::min(recordCount, kMaxRecords);
  const std::vector<ClockInfo> records = readClockInfos(image, clockPosition, recordCount);
  tab.showClockInfos(records);
  return static_cast<int>(records.size()) == recordCount;
}

bool loadOverdrive(const ByteImage& image, ClockTab& tab) {
  for (Control* label : {&tab.standardGpuClock, &tab.standardRamClock, &tab.ramLimit, &tab.gpuLimit})
    label->setText("MHz");
  const std::optional<OverdriveClocks> clocks = readOverdrive(image);
  if (!clocks) return false;
  tab.showOverdrive(*clocks);
  return clocks->complete();
}

std::optional<ClockWriteError> saveClockSettings(ByteImage& image, const ClockLocation& location, int recordCount,
                                                 ClockTab& tab) {
  tab.showStates(location.states.value_or(PowerPlayStates{}));
  return writeClockSettings(image, location, tab.changedSettings(recordCount));
}

}  // namespace oza
