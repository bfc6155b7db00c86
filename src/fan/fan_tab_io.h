#pragma once

#include "fan/fan_location.h"
#include "fan/fan_writer.h"
#include "image/byte_image.h"

namespace oza {

class FanTab;

// Decodes the registers and the type-1 look-up table (type-1 tables and
// RV770 cards) and shows them in type1Frame. False when a register write is
// missing, the control mode is neither 2 nor 3, the duty scale is 0 or the
// table cannot be read.
bool loadType1FanSettings(const ByteImage& image, FanLocation& location, const FanCard& card, FanTab& tab,
                          bool fanTabSelected);

// Decodes a type-2 section and shows it in type2Frame; false when a marker is
// missing or the speed scale is 0.
bool loadType2FanSettings(const ByteImage& image, FanLocation& location, FanTab& tab, bool fanTabSelected);

// Writes what the user changed on the tab (see FanTab::changedSettings); a
// tab that is not enabled (the load could not read it) writes nothing.
std::optional<FanWriteError> saveFanSettings(ByteImage& image, const FanLocation& location, FanTab& tab, bool fanTabEnabled);

}  // namespace oza
