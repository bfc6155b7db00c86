#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the benchmarks (a release build in build-bench/): the load,
# save, profile and oza-cli timings, then the window's start against a bare Qt
# window (offscreen unless QT_QPA_PLATFORM says otherwise). Arguments go to
# both benchmark programs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${OZA_BENCH_BUILD_DIR:-$root/build-bench}
"$root/scripts/deps.sh" --bench
OZA_BUILD_DIR=$build OZA_BUILD_TYPE=Release "$root/scripts/build.sh" -DOZA_BUILD_BENCHMARKS=ON
"$build/bench/oza_bench" "$@"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/oza_window_bench" "$@"
