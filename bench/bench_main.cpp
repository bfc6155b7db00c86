// SPDX-License-Identifier: GPL-3.0-or-later

// Timings of the load and save pipelines, the profile editor and oza-cli,
// each next to one plain pass that sums the same bytes, measured in the same
// run: the counter `x_sum` is how many such passes one operation costs.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <sstream>
#include <stdlib.h>

#include "cli/cli.h"
#include "platform/scripted_platform.h"
#include "process_timing.h"
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
// unit: the worst the correction can meet. Written to disk, the save waits
// for the storage twice (the file, then its folder); written to memory
// (/dev/shm), it measures what the program itself does.
void SaveWorstCorrection(benchmark::State& state, bool toMemory) {
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
  std::string memoryFolder = "/dev/shm/oza-bench-XXXXXX";
  if (toMemory && !mkdtemp(memoryFolder.data())) return state.SkipWithError("no folder in /dev/shm");
  const std::string target = toMemory ? memoryFolder + "/saved.rom" : scratch().file("saved.rom");
  bool saved = true;
  measure(
      state, fileBytes(path), [&] { saved = saveBiosFile(session) && saved; },
      [&] {
        session.show(raised);
        platform.queueSavePath(target);
        platform.queueAnswer(MessageAnswer::Yes);
      });
  if (toMemory) std::filesystem::remove_all(memoryFolder);
  if (!saved) state.SkipWithError("the save did not write its file");
}
BENCHMARK_CAPTURE(SaveWorstCorrection, to_disk, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SaveWorstCorrection, to_memory, true)->Unit(benchmark::kMicrosecond);

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

// oza-cli dump of a 128 kB image as a new process, start to end, side by side
// with `cat` of the same file. OZA_BENCH_IMAGE names another image to dump
// instead.
void CliDumpAgainstCat(benchmark::State& state) {
  const char* given = std::getenv("OZA_BENCH_IMAGE");
  const std::string path = given ? given : imageFile(131072, "process.rom");
  bench::sideBySide(state, {"dump", OZA_CLI_PATH, {"dump", path}}, {"cat", "cat", {path}});
}
BENCHMARK(CliDumpAgainstCat)->Iterations(400)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace oza

BENCHMARK_MAIN();
