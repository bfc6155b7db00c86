#pragma once

#include <cstdint>
#include <optional>

#include "image/byte_image.h"
#include "powerplay/clock_location.h"
#include "powerplay/clock_records.h"

namespace oza {

class ClockTab;

// Shows records 0 .. recordCount - 1 (recordCount capped at 16) in the clock
// blocks. False when a record reaches outside the image; blocks filled before
// keep their texts.
bool loadClockInfos(const ByteImage& image, std::int64_t clockPosition, int& recordCount, ClockTab& tab);

// Shows the Overdrive standard clocks and upper limits; false when the image
// has no Overdrive block or not all of it.
bool loadOverdrive(const ByteImage& image, ClockTab& tab);

// Writes what the user changed in the blocks of the `recordCount` records the
// load found at `location`; the state list is shown afresh first, as a save
// always did.
std::optional<ClockWriteError> saveClockSettings(ByteImage& image, const ClockLocation& location, int recordCount,
                                                 ClockTab& tab);

}  // namespace oza
