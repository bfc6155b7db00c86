// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <vector>

#include "image/byte_image.h"
#include "powerplay/clock_location.h"

namespace oza {

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

// What the boxes of the first records ask a save to write, up to the first
// box whose text is no value its field can take (`illegal`); that record
// holds the fields before it.
struct ClockChanges {
  std::vector<ClockInfoChange> records;
  bool illegal = false;
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
std::expected<void, ClockWriteError> writeClockInfos(ByteImage& image, std::int64_t clockPosition,
                                                     const std::vector<ClockInfoChange>& changes);

// Writes the changes into the records the load found at `location`. Stops
// at the first field outside the image; an illegal value fails after the
// fields before it are written.
std::expected<void, ClockWriteError> writeClockSettings(ByteImage& image, const ClockLocation& location,
                                                        const ClockChanges& changes);

// The Overdrive standard clocks and upper limits, in 10 kHz; a field that
// lies outside the image has no value, and neither have those after it.
struct OverdriveClocks {
  // Where each field lies: from the block's fields, which begin here.
  static constexpr std::int64_t kEngineOffset = 0, kMemoryOffset = 4, kMemoryLimitOffset = 24, kEngineLimitOffset = 28;
  std::int64_t fields = 0;
  std::optional<std::uint32_t> engineClock;
  std::optional<std::uint32_t> memoryClock;
  std::optional<std::uint32_t> memoryLimit;
  std::optional<std::uint32_t> engineLimit;
  bool complete() const { return engineClock && memoryClock && memoryLimit && engineLimit; }
};
// Nothing when the image has no Overdrive block.
std::optional<OverdriveClocks> readOverdrive(const ByteImage& image);

}  // namespace oza
