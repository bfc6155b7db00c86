// SPDX-License-Identifier: GPL-3.0-or-later

// The window opening an image against a bare Qt window, each a new process
// from start to end, run alternately so that whatever else the machine does
// weighs on both alike: `x_bare` is the ratio of their medians.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "process_timing.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

void WindowAgainstBareWindow(benchmark::State& state) {
  // The window opens the image without a question: no dialog waits.
  test::TempDir dir;
  const char* given = std::getenv("OZA_BENCH_IMAGE");
  std::string image = given ? given : dir.file("card.rom");
  if (!given) test::FixtureImage(65536).save(image);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::vector<double> window, bare;
  for (auto _ : state) {
    bare.push_back(bench::processSeconds(OZA_BARE_WINDOW, {}));
    window.push_back(bench::processSeconds(OZA_WINDOW_WITH_IMAGE, {image}));
  }
  state.counters["x_bare"] = bench::median(window) / bench::median(bare);
  state.counters["window_ms"] = bench::median(window) * 1e3;
  state.counters["bare_ms"] = bench::median(bare) * 1e3;
}
BENCHMARK(WindowAgainstBareWindow)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace oza

BENCHMARK_MAIN();
