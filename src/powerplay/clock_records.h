#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/byte_image.h"
#include "powerplay/clock_location.h"

namespace oza {

class ClockTab;

// A 16-byte clock info record: engine clock at 0, memory clock at 3 (24 bits,
// 10 kHz), voltage at 6 (16 bits, mV).
inline constexpr int kRecordSize = 16;
inline constexpr std::int64_t kEngineClockOffset = 0;
inline constexpr std::int64_t kMemoryClockOffset = 3;
inline constexpr std::int64_t kVoltageOffset = 6;
inline constexpr int kMaxRecords = 16;
inline constexpr std::uint32_t kLargestClock = 0xFFFFFF;
// Voltage fields above this are no voltage and show as "---".
inline constexpr std::uint32_t kLargestVoltage = 3000;
// What a save writes for a voltage of 0 or none.
inline constexpr std::uint16_t kNoVoltage = 0xFF01;

struct ClockInfo {
  std::uint32_t engineClock = 0;  // 10 kHz
  std::uint32_t memoryClock = 0;  // 10 kHz
  std::uint16_t voltage = 0;      // mV; above kLargestVoltage none
};

// What a save writes into one record; a field without a value keeps its bytes.
struct ClockInfoChange {
  std::optional<std::uint32_t> engineClock;
  std::optional<std::uint32_t> memoryClock;
  std::optional<std::uint16_t> voltage;
  // The voltage was given as none: a field that holds no voltage keeps its
  // bytes, one that holds a voltage gets `voltage`.
  bool voltageNone = false;
};

enum class ClockWriteError {
  RecordsNotFound,  // the load found no records
  IllegalValue,     // a box holds no value its field can take
  OutsideImage,
};

// The message a save shows for `error`.
std::string clockWriteMessage(ClockWriteError error);

// The `count` records from `clockPosition`; fewer when a record reaches
// outside the image.
std::vector<ClockInfo> readClockInfos(const ByteImage& image, std::int64_t clockPosition, int count);

// Writes the changes into the records from `clockPosition`, one record each,
// in order; the fields written before a failure stay written.
std::optional<ClockWriteError> writeClockInfos(ByteImage& image, std::int64_t clockPosition,
                                               const std::vector<ClockInfoChange>& changes);

// Shows records 0 .. recordCount - 1 (recordCount capped at 16) in the clock
// blocks. False when a record reaches outside the image; blocks filled before
// keep their texts.
bool readClocksAndVoltages(const ByteImage& image, std::int64_t clockPosition, int& recordCount, ClockTab& tab);

// Writes the GPU, memory and voltage boxes back into the `recordCount`
// records the load found at `location` (at most 16). A box that still shows
// what the load showed keeps its field's bytes. Stops at the first illegal
// value or field outside the image; the fields written before stay written.
std::optional<ClockWriteError> writeClockSettings(ByteImage& image, ClockTab& tab, const ClockLocation& location,
                                                  int recordCount);

// The Overdrive standard clocks and upper limits, in 10 kHz; a field that
// lies outside the image has no value, and neither have those after it.
struct OverdriveClocks {
  std::optional<std::uint32_t> engineClock;
  std::optional<std::uint32_t> memoryClock;
  std::optional<std::uint32_t> memoryLimit;
  std::optional<std::uint32_t> engineLimit;
  bool complete() const { return engineClock && memoryClock && memoryLimit && engineLimit; }
};
// Nothing when the image has no Overdrive block.
std::optional<OverdriveClocks> readOverdrive(const ByteImage& image);

// Reads the Overdrive standard clocks and upper limits into their labels.
bool loadOverdrive(const ByteImage& image, ClockTab& tab);

}  // namespace oza
