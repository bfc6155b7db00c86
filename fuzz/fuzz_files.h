// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace oza::fuzz {

// A path of this process for a scratch file, in memory where the system
// offers it.
std::string scratchPath(const std::string& name);
void writeScratch(const std::string& path, const std::uint8_t* data, std::size_t size);

// Ends the run as a finding: an invariant of the program does not hold.
[[noreturn]] void violated(const char* what);

}  // namespace oza::fuzz
