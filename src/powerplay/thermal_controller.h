// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "image/byte_image.h"

namespace oza {

// The thermal controller the PowerPlay table names: the only fan data the
// driver reads.
struct ThermalController {
  int type = 0;      // ATOM_PP_THERMALCONTROLLER_*
  bool fan = false;  // a fan is connected to it
  int pulsesPerRevolution = 0;
  // Hundreds of RPM; the driver reads them only with a pulse count.
  int fanMinRpm = 0;
  int fanMaxRpm = 0;

  // The chip's own controller (RV6xx or RV770), which runs the fan from the
  // image's fan settings.
  bool internal() const { return type == 7 || type == 8; }
};

// The controller of a PowerPlay table of revision 4 or later; none for an
// older table or one too short (by its size or the image's) to hold it.
std::optional<ThermalController> readThermalController(const ByteImage& image);

// "RV770 (internal)", "external GPIO", "none", "type 42".
std::string thermalControllerText(int type);

}  // namespace oza
