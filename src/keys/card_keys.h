// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "keys/value_keys.h"

namespace oza {

// The read-only keys of what the driver takes from the card's tables besides
// the clock info records: FirmwareInfo, the voltage regulator and the
// thermal controller.
std::vector<ValueKey> cardKeys();

// The most levels a regulator key names.
inline constexpr int kRegulatorLevelKeys = 32;

}  // namespace oza
