#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/ (or $OZA_BUILD_DIR) with any extra CMake options given.
# The build type ($OZA_BUILD_TYPE, default Release), the options and the
# compilers ($CC, $CXX) are kept in the build folder; when any of them differs
# from the last configure, the folder is configured afresh, so an option
# dropped from the command line does not linger in CMake's cache.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${OZA_BUILD_DIR:-$root/build}
args=(-G Ninja "-DCMAKE_BUILD_TYPE=${OZA_BUILD_TYPE:-Release}" "$@")
stamp=$build/oza-configure-args
wanted=$(printf '%s\n' "CC=${CC:-}" "CXX=${CXX:-}" "${args[@]}")
if [ ! -f "$build/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$wanted" ]; then
  # A configure that fails must not leave a stamp claiming it succeeded.
  rm -f "$stamp" "$build/CMakeCache.txt"
  cmake -S "$root" -B "$build" "${args[@]}"
  printf '%s\n' "$wanted" >"$stamp"
fi
cmake --build "$build" -j "$(nproc)"
