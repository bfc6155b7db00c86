#pragma once

#include <cstdint>

#include "fan/fan_location.h"
#include "image/byte_image.h"

namespace oza {

class FanTab;

// Writes the fan tab at the positions the load found. A field whose control
// still shows what the load showed keeps its bytes; Tslope and the values
// the look-up mode forces are always written. Result codes: 0 success (or
// nothing to write), 1 a failure inside it (a type-2 value that does not fit
// a byte), 2..12 the field that could not be written, 13 the type-1 look-up
// table, 14..16 a type-2 section, "P" or "O" marker missing.
std::int16_t WriteFanSettings(ByteImage& image, const FanGlobals& globals, FanTab& tab, bool fanTabEnabled);

bool WriteFanLookUpTable(ByteImage& image, const FanGlobals& globals, FanTab& tab, int scale);

}  // namespace oza
