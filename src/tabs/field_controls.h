// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "controls/control.h"

namespace oza {

// Gives each of `controls` that shows a value of the field table its caption
// and, for a number box, the rule its text is read by.
void describeFields(const std::vector<Control*>& controls);

}  // namespace oza
