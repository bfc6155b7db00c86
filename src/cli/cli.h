// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace oza {

// The headless front end: runs a command over the same core as the window
// and prints one JSON object. Exit codes: 0 done, 1 stopped at a failure
// (its messages are in the JSON), 2 usage error (message on `err`).
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace oza
