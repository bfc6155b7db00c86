// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "fan/fan_location.h"
#include "fan/fan_settings.h"
#include "image/byte_image.h"

namespace oza {

// Finds the three register writes (type-1 tables and RV770 cards) and reads
// their fields. False when a register write is missing or the control mode
// is neither 2 nor 3.
bool decodeFanRegisters(const ByteImage& image, FanLocation& location, const FanCard& card,
                        FanRegisterValues& registers);

// The type-1 look-up table. True without reading when there is none (an
// RV770 card without a data section); false when the section is missing or
// runs past the image.
bool decodeType1Table(const ByteImage& image, FanLocation& location, const FanCard& card, FanTableBytes& table);

// A type-2 section: its speed scale, hysteresis and table. False when the
// section or a marker is missing or the table runs past the image.
bool decodeType2Settings(const ByteImage& image, FanLocation& location, FanSettings& settings);

// raw / scale as a rounded percentage; nothing for a scale of 0.
std::optional<int> percentOf(int raw, int scale);

}  // namespace oza
