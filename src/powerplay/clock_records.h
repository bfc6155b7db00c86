#pragma once

#include <cstdint>

#include "image/byte_image.h"
#include "powerplay/clock_location.h"

namespace oza {

class ClockTab;

// A 16-byte clock info record: GPU clock at 0, memory clock at 3 (24 bits,
// 10 kHz), voltage at 6 (16 bits, mV).
inline constexpr int kRecordSize = 16;
inline constexpr int kMaxRecords = 16;
// Voltage fields above this are no voltage and show as "---".
inline constexpr std::uint32_t kLargestVoltage = 3000;

// Shows records 0 .. States - 1 (States capped at 16) in the clock blocks.
// False when a record reaches outside the image; blocks filled before keep
// their texts.
bool ReadClocksAndVoltages(const ByteImage& image, std::int64_t ClockPosition, int& States, ClockTab& tab);

// Writes the GPU, memory and voltage boxes back into the `records` records
// the load found at `location` (at most 16). A box that still shows what the
// load showed keeps its field's bytes. False at the first illegal value or
// field outside the image; the fields written before stay written.
bool WriteClockSettings(ByteImage& image, ClockTab& tab, const ClockLocation& location, int records);

// Reads the Overdrive standard clocks and upper limits into Label101..104.
bool GetOverDrive(const ByteImage& image, ClockTab& tab);

}  // namespace oza
