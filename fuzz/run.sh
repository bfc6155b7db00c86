#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang 16 (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs one of them.
#   fuzz/run.sh load|save|profile [SECONDS]     (default 600)
# The seed corpus is fuzz/corpus/TARGET; what the run adds goes to
# build-fuzz/corpus/TARGET, findings (crash-*, leak-*) to build-fuzz/findings/TARGET.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: fuzz/run.sh load|save|profile [SECONDS]}
seconds=${2:-600}
case "$target" in load|save|profile) ;; *) echo "unknown target $target" >&2; exit 2 ;; esac

"$root/scripts/deps.sh" --fuzz
build=${OZA_FUZZ_BUILD_DIR:-$root/build-fuzz}
if [ ! -f "$build/build.ninja" ]; then
  CC=clang-16 CXX=clang++-16 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOZA_BUILD_FUZZERS=ON -DOZA_BUILD_GUI=OFF -DOZA_BUILD_TESTS=OFF
fi
cmake --build "$build" --target "fuzz_$target"

mkdir -p "$build/corpus/$target" "$build/findings/$target"
exec "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/findings/$target/" "$build/corpus/$target" "$root/fuzz/corpus/$target"
