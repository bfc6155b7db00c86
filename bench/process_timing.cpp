// SPDX-License-Identifier: GPL-3.0-or-later

#include "process_timing.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace oza::bench {

double processSeconds(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  // posix_spawn starts the child without copying this process's pages, so
  // that the time is the child's own; what the child says goes nowhere.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const bool started = posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  int status = 0;
  if (started) waitpid(child, &status, 0);
  const auto end = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&actions);
  return started ? std::chrono::duration<double>(end - start).count() : 0;
}

namespace {

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

void sideBySide(benchmark::State& state, const ProcessRun& measured, const ProcessRun& yardstick) {
  std::vector<double> ours, theirs;
  for (auto _ : state) {
    theirs.push_back(processSeconds(yardstick.program, yardstick.arguments));
    ours.push_back(processSeconds(measured.program, measured.arguments));
  }
  state.counters["x_" + yardstick.name] = median(ours) / median(theirs);
  state.counters[measured.name + "_ms"] = median(ours) * 1e3;
  state.counters[yardstick.name + "_ms"] = median(theirs) * 1e3;
}

}  // namespace oza::bench
