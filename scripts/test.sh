#!/usr/bin/env bash
# Builds OZA and runs every test (widgets offscreen).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${OZA_BUILD_DIR:-$root/build}"
ctest --output-on-failure -j "$(nproc)"
