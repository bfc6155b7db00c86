#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures (once) and builds into build/ (or $OZA_BUILD_DIR) with any extra CMake options given.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${OZA_BUILD_DIR:-$root/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${OZA_BUILD_TYPE:-Release} "$@"
fi
cmake --build "$build" -j "$(nproc)"
