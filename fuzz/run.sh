#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang 16 (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs one of them.
#   fuzz/run.sh load|save|profile [SECONDS]     (default 600)
#   fuzz/run.sh --build-only                    builds the three targets, runs none
# The seed corpus is fuzz/corpus/TARGET; what the run adds goes to
# build-fuzz/corpus/TARGET, findings (crash-*, leak-*) to build-fuzz/findings/TARGET.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: fuzz/run.sh load|save|profile [SECONDS] | fuzz/run.sh --build-only}
seconds=${2:-600}
case "$target" in load|save|profile|--build-only) ;; *) echo "unknown target $target" >&2; exit 2 ;; esac

"$root/scripts/deps.sh" --fuzz
build=${OZA_FUZZ_BUILD_DIR:-$root/build-fuzz}
# A build that is only to show the targets still compile needs neither
# optimisation nor debug information, and takes half the time without them.
type=RelWithDebInfo
[ "$target" = --build-only ] && type=None
CC=clang-16 CXX=clang++-16 OZA_BUILD_DIR=$build OZA_BUILD_TYPE=$type \
  "$root/scripts/build.sh" -DOZA_BUILD_FUZZERS=ON -DOZA_BUILD_GUI=OFF -DOZA_BUILD_TESTS=OFF
[ "$target" = --build-only ] && exit 0

mkdir -p "$build/corpus/$target" "$build/findings/$target"
exec "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/findings/$target/" "$build/corpus/$target" "$root/fuzz/corpus/$target"
