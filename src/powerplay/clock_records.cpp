#include "powerplay/clock_records.h"

#include <algorithm>

#include "text/number_text.h"
#include "powerplay/clock_location.h"

namespace oza {

namespace {

const std::vector<std::uint8_t> kOverdriveSignature = {0x59, 0x00, 0x01, 0x04};
// From the signature: standard engine and memory clocks, then the limits.
constexpr std::int64_t kOverdriveFields = 8;
constexpr std::int64_t kOverdriveEngine = 0;
constexpr std::int64_t kOverdriveMemory = 4;
constexpr std::int64_t kOverdriveMemoryLimit = 24;
constexpr std::int64_t kOverdriveEngineLimit = 28;

}  // namespace

std::string clockWriteMessage(ClockWriteError) {
  return "Unable to write clock settings. This may be due to illegal values set. - Debug information: "
         "'WriteClockSettings' reported error.";
}

std::vector<ClockInfo> readClockInfos(const ByteImage& image, std::int64_t clockPosition, int count) {
  std::vector<ClockInfo> records;
  try {
    for (int i = 0; i < count; ++i) {
      const std::int64_t record = clockPosition + std::int64_t{kRecordSize} * i;
      ClockInfo info;
      info.engineClock = image.clock(record + kEngineClockOffset);
      info.memoryClock = image.clock(record + kMemoryClockOffset);
      info.voltage = static_cast<std::uint16_t>(image.word(record + kVoltageOffset));
      records.push_back(info);
    }
  } catch (const OutOfImage&) {
  }
  return records;
}

std::optional<ClockWriteError> writeClockInfos(ByteImage& image, std::int64_t clockPosition,
                                               const std::vector<ClockInfoChange>& changes) {
  try {
    for (std::size_t r = 0; r < changes.size(); ++r) {
      const ClockInfoChange& change = changes[r];
      const std::int64_t record = clockPosition + std::int64_t{kRecordSize} * static_cast<std::int64_t>(r);
      if (change.engineClock) image.setClock(record + kEngineClockOffset, *change.engineClock);
      if (change.memoryClock) image.setClock(record + kMemoryClockOffset, *change.memoryClock);
      if (!change.voltage) continue;
      if (change.voltageNone && image.word(record + kVoltageOffset) > kLargestVoltage) continue;
      image.setWord(record + kVoltageOffset, *change.voltage);
    }
  } catch (const OutOfImage&) {
    return ClockWriteError::OutsideImage;
  }
  return std::nullopt;
}

std::optional<ClockWriteError> writeClockSettings(ByteImage& image, const ClockLocation& location,
                                                  const ClockChanges& changes) {
  // A save never writes records it cannot find (position 0 is the image's start).
  if (location.clockPosition == 0) return ClockWriteError::RecordsNotFound;
  if (const auto error = writeClockInfos(image, location.clockPosition, changes.records)) return error;
  if (changes.illegal) return ClockWriteError::IllegalValue;
  return std::nullopt;
}

std::optional<OverdriveClocks> readOverdrive(const ByteImage& image) {
  const std::int64_t signature = image.find(kOverdriveSignature, 1, image.last() - 5);
  if (signature < 0) return std::nullopt;
  const std::int64_t fields = signature + kOverdriveFields;
  OverdriveClocks clocks;
  try {
    clocks.engineClock = image.clock(fields + kOverdriveEngine);
    clocks.memoryClock = image.clock(fields + kOverdriveMemory);
    clocks.memoryLimit = image.clock(fields + kOverdriveMemoryLimit);
    clocks.engineLimit = image.clock(fields + kOverdriveEngineLimit);
  } catch (const OutOfImage&) {
  }
  return clocks;
}

}  // namespace oza
