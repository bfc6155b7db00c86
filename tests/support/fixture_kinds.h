// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>

#include "support/fixture_image.h"

namespace oza::test {

// One fixture image of every kind the program tells apart, by file name.
std::map<std::string, FixtureImage> fixtureKinds();

}  // namespace oza::test
