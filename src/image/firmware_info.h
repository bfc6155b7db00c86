// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "image/byte_image.h"

namespace oza {

// What the driver takes from the FirmwareInfo table of a revision 1.3 or 1.4
// image: the clocks and voltage the boot state runs at, whatever its clock
// info record says, and the range the clock PLLs can put out.
struct FirmwareInfo {
  int contentRevision = 0;            // 3 or 4
  std::uint32_t bootEngineClock = 0;  // 10 kHz
  std::uint32_t bootMemoryClock = 0;  // 10 kHz
  // mV; none in a revision-1.3 table, which holds padding where 1.4 holds it.
  std::optional<std::uint16_t> bootVoltage;
  std::uint32_t engineClockPllMin = 0;  // PLL output, 10 kHz
  std::uint32_t engineClockPllMax = 0;
  std::uint32_t memoryClockPllMin = 0;
  std::uint32_t memoryClockPllMax = 0;
};

// The image's FirmwareInfo; none when it lists none, the table is of another
// revision, or it is shorter (by its size or the image's) than its fields.
std::optional<FirmwareInfo> readFirmwareInfo(const ByteImage& image);

}  // namespace oza
