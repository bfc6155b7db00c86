// SPDX-License-Identifier: GPL-3.0-or-later

// The window opening an image against a bare Qt window, each a new process
// from start to end: `x_bare` is the ratio of their medians.
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
  bench::sideBySide(state, {"window", OZA_WINDOW_WITH_IMAGE, {image}}, {"bare", OZA_BARE_WINDOW, {}});
}
BENCHMARK(WindowAgainstBareWindow)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of any window that shows the same texts: each in a plain label.
void LabelsWindowAgainstBareWindow(benchmark::State& state) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  bench::sideBySide(state, {"labels", OZA_LABELS_WINDOW, {}}, {"bare", OZA_BARE_WINDOW, {}});
}
BENCHMARK(LabelsWindowAgainstBareWindow)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace oza

BENCHMARK_MAIN();
