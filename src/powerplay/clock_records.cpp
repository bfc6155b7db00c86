// SPDX-License-Identifier: GPL-3.0-or-later

#include "powerplay/clock_records.h"

#include <algorithm>

#include "text/number_text.h"
#include "powerplay/clock_location.h"

namespace oza {

namespace {

const std::vector<std::uint8_t> kOverdriveSignature = {0x59, 0x00, 0x01, 0x04};
// From the signature: standard engine and memory clocks, then the limits.
constexpr std::int64_t kOverdriveFields = 8;
constexpr std::int64_t kOverdriveEngine = OverdriveClocks::kEngineOffset;
constexpr std::int64_t kOverdriveMemory = OverdriveClocks::kMemoryOffset;
constexpr std::int64_t kOverdriveMemoryLimit = OverdriveClocks::kMemoryLimitOffset;
constexpr std::int64_t kOverdriveEngineLimit = OverdriveClocks::kEngineLimitOffset;

}  // namespace

std::string clockWriteMessage(ClockWriteError) {
  return "Unable to write clock settings. This may be due to illegal values set. - Debug information: "
         "'WriteClockSettings' reported error.";
}

std::vector<ClockInfo> readClockInfos(const ByteImage& image, std::int64_t clockPosition, int count) {
  std::vector<ClockInfo> records;
  ImageReader read(image);
  for (int i = 0; i < count; ++i) {
    const std::int64_t record = clockPosition + std::int64_t{kRecordSize} * i;
    ClockInfo info;
    info.engineClock = read.clock(record + kEngineClockOffset);
    info.memoryClock = read.clock(record + kMemoryClockOffset);
    info.voltage = static_cast<std::uint16_t>(read.word(record + kVoltageOffset));
    if (!read.ok()) break;
    records.push_back(info);
  }
  return records;
}

std::expected<void, ClockWriteError> writeClockInfos(ByteImage& image, std::int64_t clockPosition,
                                                     const std::vector<ClockInfoChange>& changes) {
  for (std::size_t r = 0; r < changes.size(); ++r) {
    const ClockInfoChange& change = changes[r];
    const std::int64_t record = clockPosition + std::int64_t{kRecordSize} * static_cast<std::int64_t>(r);
    const bool written = (!change.engineClock || image.setClock(record + kEngineClockOffset, *change.engineClock)) &&
                         (!change.memoryClock || image.setClock(record + kMemoryClockOffset, *change.memoryClock));
    if (!written) return std::unexpected(ClockWriteError::OutsideImage);
    if (!change.voltage) continue;
    const std::optional<std::uint32_t> stored = image.word(record + kVoltageOffset);
    if (!stored) return std::unexpected(ClockWriteError::OutsideImage);
    if (change.voltageNone && *stored > kLargestVoltage) continue;
    if (!image.setWord(record + kVoltageOffset, *change.voltage)) return std::unexpected(ClockWriteError::OutsideImage);
  }
  return {};
}

std::expected<void, ClockWriteError> writeClockSettings(ByteImage& image, const ClockLocation& location,
                                                        const ClockChanges& changes) {
  if (!location.clockPosition) return std::unexpected(ClockWriteError::RecordsNotFound);
  if (const auto written = writeClockInfos(image, *location.clockPosition, changes.records); !written) return written;
  if (changes.illegal) return std::unexpected(ClockWriteError::IllegalValue);
  return {};
}

std::optional<OverdriveClocks> readOverdrive(const ByteImage& image) {
  const std::optional<std::int64_t> signature = image.find(kOverdriveSignature, 1, image.last() - 5);
  if (!signature) return std::nullopt;
  const std::int64_t fields = *signature + kOverdriveFields;
  OverdriveClocks clocks;
  clocks.fields = fields;
  // A field outside the image ends the block: those after it have no value either.
  if (!(clocks.engineClock = image.clock(fields + kOverdriveEngine))) return clocks;
  if (!(clocks.memoryClock = image.clock(fields + kOverdriveMemory))) return clocks;
  if (!(clocks.memoryLimit = image.clock(fields + kOverdriveMemoryLimit))) return clocks;
  clocks.engineLimit = image.clock(fields + kOverdriveEngineLimit);
  return clocks;
}

}  // namespace oza
