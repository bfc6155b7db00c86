// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace oza::bench {

// Seconds of one run of `program` as a new process, start to end, its output
// and messages thrown away; 0 when it cannot be started.
double processSeconds(const std::string& program, const std::vector<std::string>& arguments);

// A program run for a benchmark, and the name its figures are reported by.
struct ProcessRun {
  std::string name;
  std::string program;
  std::vector<std::string> arguments;
};

// Runs `yardstick` and `measured` alternately, once each per iteration of
// `state`, so that whatever else the machine does weighs on both alike.
// Reports each one's median time as `NAME_ms` and the ratio of the medians
// as `x_YARDSTICK`.
void sideBySide(benchmark::State& state, const ProcessRun& measured, const ProcessRun& yardstick);

}  // namespace oza::bench
