// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace oza::bench {

// Seconds of one run of `program` as a new process, start to end, its output
// and messages thrown away; 0 when it cannot be started.
double processSeconds(const std::string& program, const std::vector<std::string>& arguments);

// The middle value of `values`, which must not be empty.
double median(std::vector<double> values);

}  // namespace oza::bench
