// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/byte_image.h"

namespace oza {

// How the card sets its core voltage (VDDC), by the control id of its
// voltage object.
enum class VoltageControl {
  Hardware,  // by the chip itself: no levels to choose from
  Gpio,      // through GPIO pins, one level per pin pattern
  I2c,       // through a regulator on the I²C bus
};

// The VDDC object of the VoltageObjectInfo table (revision 1.1 with its
// formula, 1.2 with its lookup table), as the driver reads it.
struct VoltageRegulator {
  int contentRevision = 0;  // 1 or 2
  VoltageControl control = VoltageControl::Hardware;
  int i2cId = 0;  // the regulator's id, for VoltageControl::I2c
  bool halfMillivoltStep = false;
  // The object's size byte is not what its entries take. The driver walks
  // the objects by their entry count, so a wrong size is not what it reads.
  bool sizeDisagrees = false;
  // The levels the driver can set, lowest first, in mV; empty when it
  // cannot build them (no step, no entries, more steps than it holds).
  std::vector<std::uint16_t> levels;
};

// The image's VDDC object; none when the image lists no VoltageObjectInfo of
// revision 1.1 or 1.2, the table holds no VDDC object, or the object reaches
// outside the image.
std::optional<VoltageRegulator> readVddcRegulator(const ByteImage& image);

// "GPIO", "I2C regulator 3", "chip".
std::string voltageControlText(const VoltageRegulator& regulator);

// The level the driver's power management sets for `millivolts`: the lowest
// at or above it. None above the highest level, where the driver refuses the
// state; `millivolts` itself when there are no levels.
std::optional<int> driverLevel(const VoltageRegulator& regulator, int millivolts);
// The level the BIOS's own SetVoltage table sets: the highest at or below
// `millivolts`, the lowest below all of them; `millivolts` when there are
// no levels.
int biosLevel(const VoltageRegulator& regulator, int millivolts);

}  // namespace oza
