#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds OZA with its benchmarks and runs every test (widgets offscreen),
# builds the fuzz targets, then builds the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer and runs them again (set
# OZA_SKIP_SANITIZERS=1 to skip that last pass). The benchmarks and the fuzz
# targets are built only, not run, so that a change that breaks them fails
# here rather than when someone next measures or fuzzes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/deps.sh" --bench
"$root/scripts/deps.sh" --format
"$root/scripts/build.sh" -DOZA_BUILD_BENCHMARKS=ON
export QT_QPA_PLATFORM=offscreen
(cd "${OZA_BUILD_DIR:-$root/build}" && ctest --output-on-failure -j "$(nproc)")

"$root/fuzz/run.sh" --build-only

if [ "${OZA_SKIP_SANITIZERS:-0}" != 1 ]; then
  OZA_BUILD_DIR=${OZA_SANITIZE_BUILD_DIR:-$root/build-sanitize} OZA_BUILD_TYPE=Debug \
    "$root/scripts/build.sh" -DOZA_SANITIZE=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd "${OZA_SANITIZE_BUILD_DIR:-$root/build-sanitize}" && ctest --output-on-failure -j "$(nproc)")
fi
