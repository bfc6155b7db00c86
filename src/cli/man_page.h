// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

// The oza-cli(1) page from its source: the line "@SYNOPSIS@" becomes every
// command of the command table, the line "@KEYS@" every value key with its
// terms, meaning and control, so that the page cannot drift from the program.
std::string manPage(const std::string& source);

}  // namespace oza
