// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>

#include "fan/fan_location.h"
#include "fan/fan_settings.h"
#include "image/byte_image.h"

namespace oza {

using FanRegisterPositions = std::array<std::optional<std::int64_t>, 3>;

// The immediates of the three register writes (type-1 tables and RV770
// cards), each where it was found.
FanRegisterPositions findFanRegisters(const ByteImage& image, std::int32_t fanControlPosition, bool rv770);

// The fields of the three registers; nothing when a register write is
// missing or runs past the image, or the control mode is neither 2 nor 3.
std::optional<FanRegisterValues> decodeFanRegisters(const ByteImage& image, const FanRegisterPositions& positions);

// The type-1 look-up table of the data section at `section`, as far as the
// image holds it.
FanTableBytes readType1Table(const ByteImage& image, std::int64_t section);

// A type-2 section as far as it could be read: a missing marker leaves what
// follows it unread, and a table cut off by the image's end is kept as far
// as it goes, since the tab shows it so.
struct Type2Reading {
  std::int16_t speedScale = 0;  // raw speed that means 100 %
  int hysteresis = 0;
  std::optional<std::int64_t> hysteresisMarker;  // "O", known once the table's marker is found too
  std::optional<std::int64_t> tableMarker;       // "P"
  FanTableBytes table;
  // Every marker was found and the whole table read.
  bool complete() const { return tableMarker && table.whole(); }
};

Type2Reading decodeType2Settings(const ByteImage& image, std::int32_t fanControlPosition);

// raw / scale as a rounded percentage; nothing for a scale of 0.
std::optional<int> percentOf(int raw, int scale);

}  // namespace oza
