// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>

#include "fan/fan_location.h"
#include "fan/fan_settings.h"
#include "image/byte_image.h"

namespace oza {

// Why the fan settings could not be written. The numbers are shown in the
// message and stay as they are.
enum class FanWriteError : std::int16_t {
  Type2Value = 1,  // a type-2 value that does not fit a byte or lies outside the image
  ControlMode = 2,
  Tmin = 3,
  Tmax = 4,
  Tslope = 5,
  DutyMin = 6,
  Hysteresis = 7,
  SpinUpCycle = 8,
  TminHysteresis = 9,
  SpinUpTime = 10,
  PwmRampOn = 11,
  PwmRamp = 12,
  LookUpTable = 13,
  NoType2Section = 14,
  NoType2TableMarker = 15,
  NoType2HysteresisMarker = 16,
};

// "Unable to write fan settings. ... 'WriteFanSettings' <number>."
std::string fanWriteMessage(FanWriteError error);

// Writes the changed values at the positions the load found.
std::expected<void, FanWriteError> writeFanSettings(ByteImage& image, const FanLocation& location,
                                                    const FanChanges& changes);

}  // namespace oza
