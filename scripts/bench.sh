#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the benchmarks (a release build in build-bench/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" --bench
OZA_BUILD_DIR=${OZA_BENCH_BUILD_DIR:-$root/build-bench} OZA_BUILD_TYPE=Release \
  "$root/scripts/build.sh" -DOZA_BUILD_BENCHMARKS=ON -DOZA_BUILD_GUI=OFF
exec "${OZA_BENCH_BUILD_DIR:-$root/build-bench}/bench/oza_bench" "$@"
