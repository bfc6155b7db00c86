// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "image/byte_image.h"
#include "powerplay/powerplay_states.h"

namespace oza {

// Where the clock info records start, and on a table read through its
// header (revision 4, or a usable revision 5) its states.
struct ClockLocation {
  std::optional<std::int64_t> clockPosition;  // none: not found
  std::optional<PowerPlayStates> states;
};

// Follows the AtomBIOS pointer chain to the PowerPlay table. A revision-4
// table, or a revision-5 one with 16-byte records at an offset inside the
// image, gives the records and the states; any other the first of the four
// clock table signatures found. A header-read table whose records are not 16
// bytes long, or a chain or table reaching outside the image, gives none.
ClockLocation findClockLocation(const ByteImage& image);

// Number of 16-byte records between clockPosition and the clock info end
// signature; 0 when that distance is no multiple of 16 or on any error.
int countClockRecords(const ByteImage& image, std::int64_t clockPosition);

}  // namespace oza
