// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

struct ReadFailure;

// What a load asks after a GDDR5 image of 64 kB or less.
inline constexpr const char* kGddr5Question = "File may be corrupted. Show more detailed information?";

// A file that cannot even be opened as a file, as opposed to one whose
// content is refused.
bool cannotOpen(const ReadFailure& failure);

// The first line of the message of a file the load could not read.
std::string readFailureMessage(const ReadFailure& failure);

}  // namespace oza
