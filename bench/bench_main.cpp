// SPDX-License-Identifier: GPL-3.0-or-later

// Timings of the load and save pipelines, the profile editor and oza-cli,
// each next to one plain pass that sums the same bytes, measured in the same
// run: the counter `x_sum` is how many such passes one operation costs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <sstream>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/cli.h"
#include "platform/scripted_platform.h"
#include "profile_editor/profile_editor.h"
#include "profile_editor/profile_loading.h"
#include "profile_editor/profile_saving.h"
#include "save/checksum.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "support/fixture_image.h"
#include "support/profile_fixture.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using Clock = std::chrono::steady_clock;

test::TempDir& scratch() {
  static test::TempDir dir;
  return dir;
}

// Seconds of one pass summing `bytes`, the yardstick of every benchmark.
double sumPass(const std::string& bytes) {
  const int reps = 2000;
  std::uint64_t total = 0;
  const auto start = Clock::now();
  for (int i = 0; i < reps; ++i) {
    total += std::accumulate(bytes.begin(), bytes.end(), std::uint64_t{0},
                             [](std::uint64_t s, char c) { return s + static_cast<unsigned char>(c); });
    benchmark::DoNotOptimize(total);
  }
  return std::chrono::duration<double>(Clock::now() - start).count() / reps;
}

// Runs `operation` (after an untimed `setup`) for the benchmark and reports
// its cost in sum passes.
template <typename Operation, typename Setup>
void measure(benchmark::State& state, const std::string& bytes, Operation operation, Setup setup) {
  const double yardstick = sumPass(bytes);
  double seconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    setup();
    state.ResumeTiming();
    const auto start = Clock::now();
    operation();
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
  }
  state.counters["x_sum"] = seconds / static_cast<double>(state.iterations()) / yardstick;
  state.counters["sum_us"] = yardstick * 1e6;
}

template <typename Operation>
void measure(benchmark::State& state, const std::string& bytes, Operation operation) {
  measure(state, bytes, operation, [] {});
}

std::string imageFile(std::size_t size, const std::string& name) {
  test::FixtureImage fixture(size);
  test::Type1Fields fields;
  fields.tslope = 54;  // as the fan page computes it, so that saving leaves it
  fixture.registers = test::registersFor(fields);
  if (size > 65536) fixture.ramType = "GDDR5";
  const std::string path = scratch().file(name);
  fixture.save(path);
  return path;
}

std::string fileBytes(const std::string& path) {
  const auto bytes = test::readBytes(path);
  return {bytes.begin(), bytes.end()};
}

void LoadPipeline(benchmark::State& state) {
  const std::size_t size = static_cast<std::size_t>(state.range(0));
  const std::string path = imageFile(size, "load" + std::to_string(size) + ".rom");
  measure(state, fileBytes(path), [&] {
    ScriptedPlatform platform;
    Session session(platform);
    session.start();
    benchmark::DoNotOptimize(loadBiosFile(session, path));
  });
}
BENCHMARK(LoadPipeline)->Arg(65536)->Arg(131072)->Unit(benchmark::kMicrosecond);

// A save whose checksum correction uses up all of the filler area but one
// unit: the worst the correction can meet.
void SaveWorstCorrection(benchmark::State& state) {
  const std::string path = imageFile(65536, "save.rom");
  ScriptedPlatform platform;
  Session session(platform);
  session.start();
  loadBiosFile(session, path);
  // The image as loaded, with the sum raised by the room less one in bytes
  // no writer owns; its checksum stays the loaded one, which the save
  // restores.
  LoadedImage raised = *session.image();
  std::int64_t raise = correctionRoomDown(raised.bytes) - 1;
  for (std::int64_t p = 0x3000; raise > 0 && raised.bytes.contains(p); ++p) {
    const std::uint8_t byte = *raised.bytes.at(p);
    const int step = static_cast<int>(std::min<std::int64_t>(raise, 255 - byte));
    if (!raised.bytes.set(p, static_cast<std::uint8_t>(byte + step))) break;
    raise -= step;
  }
  const std::string target = scratch().file("saved.rom");
  bool saved = true;
  measure(
      state, fileBytes(path), [&] { saved = saveBiosFile(session) && saved; },
      [&] {
        session.show(raised);
        platform.queueSavePath(target);
        platform.queueAnswer(MessageAnswer::Yes);
      });
  if (!saved) state.SkipWithError("the save did not write its file");
}
BENCHMARK(SaveWorstCorrection)->Unit(benchmark::kMicrosecond);

std::string largeProfile() {
  std::string text = test::realisticProfile();
  std::string filler;
  while (text.size() + filler.size() + 40 < 200000) filler += "    <Feature name=\"Other\" value=\"1\" />\r\n";
  text.insert(text.find("</Profiles>"), filler);
  return text.substr(0, 200000);
}

void ProfileLoadAndSave(benchmark::State& state) {
  const std::string path = scratch().file("Profiles.xml");
  test::writeText(path, largeProfile());
  const std::string target = scratch().file("saved.xml");
  measure(state, fileBytes(path), [&] {
    ScriptedPlatform platform;
    platform.defaultAnswer = MessageAnswer::Yes;
    ProfileEditor editor(platform, "");
    std::string file = path;
    loadProfile(editor, file);
    platform.queueSavePath(target);
    benchmark::DoNotOptimize(saveProfile(editor));
  });
}
BENCHMARK(ProfileLoadAndSave)->Unit(benchmark::kMicrosecond);

// oza-cli dump of 100 images, all in this process.
void CliDumpHundredImages(benchmark::State& state) {
  std::vector<std::string> paths;
  for (int i = 0; i < 100; ++i) paths.push_back(imageFile(i % 2 ? 131072 : 65536, "dump" + std::to_string(i) + ".rom"));
  std::string all;
  for (const auto& p : paths) all += fileBytes(p);
  measure(state, all, [&] {
    for (const auto& p : paths) {
      std::ostringstream out, err;
      benchmark::DoNotOptimize(runCli({"dump", p}, out, err));
    }
  });
}
BENCHMARK(CliDumpHundredImages)->Unit(benchmark::kMillisecond);

// Seconds of one run of a program as a new process, start to end, its
// output thrown away.
double processSeconds(const char* program, const std::vector<const char*>& arguments) {
  std::vector<char*> argv{const_cast<char*>(program)};
  for (const char* argument : arguments) argv.push_back(const_cast<char*>(argument));
  argv.push_back(nullptr);
  // posix_spawn starts the child without copying this process's pages, so
  // that the time is the child's own.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = Clock::now();
  pid_t child = 0;
  const bool started = posix_spawnp(&child, program, &actions, nullptr, argv.data(), environ) == 0;
  int status = 0;
  if (started) waitpid(child, &status, 0);
  const auto end = Clock::now();
  posix_spawn_file_actions_destroy(&actions);
  return started ? std::chrono::duration<double>(end - start).count() : 0;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// oza-cli dump of a 128 kB image as a new process, start to end, side by side
// with `cat` of the same file: runs of the two alternate, so that whatever
// else the machine does weighs on both alike. `x_cat` is the ratio of their
// medians. OZA_BENCH_IMAGE names another image to dump instead.
void CliDumpAgainstCat(benchmark::State& state) {
  const char* given = std::getenv("OZA_BENCH_IMAGE");
  const std::string path = given ? given : imageFile(131072, "process.rom");
  std::vector<double> dump, cat;
  for (auto _ : state) {
    cat.push_back(processSeconds("cat", {path.c_str()}));
    dump.push_back(processSeconds(OZA_CLI_PATH, {"dump", path.c_str()}));
  }
  state.counters["x_cat"] = median(dump) / median(cat);
  state.counters["dump_ms"] = median(dump) * 1e3;
  state.counters["cat_ms"] = median(cat) * 1e3;
}
BENCHMARK(CliDumpAgainstCat)->Iterations(400)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace oza

BENCHMARK_MAIN();
