#pragma once

#include "fan/fan_location.h"
#include "image/byte_image.h"

namespace oza {

class FanTab;

// Reads the three fan registers (type-1 tables and RV770 cards) and the
// type-1 look-up table into Frame4. False when a register write is missing,
// the control mode is neither 2 nor 3, the duty scale is 0 or the table
// cannot be read.
bool ReadFanSettings(const ByteImage& image, FanGlobals& globals, const FanCard& card, FanTab& tab,
                     bool fanTabSelected);

bool ReadFanLookUpTable(const ByteImage& image, FanGlobals& globals, const FanCard& card, FanTab& tab,
                        int DutyScale);

// Reads a type-2 table into Frame3; false when a marker is missing or the
// speed scale is 0.
bool ReadFanSettingsType2(const ByteImage& image, FanGlobals& globals, FanTab& tab, bool fanTabSelected);

// raw / scale as a rounded percentage; OverflowError for a scale of 0.
int percentOf(int raw, int scale);

}  // namespace oza
