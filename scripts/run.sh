#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds OZA and starts it, optionally with an image (or Profiles.xml) path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" --gui
"$root/scripts/build.sh"
exec "${OZA_BUILD_DIR:-$root/build}/oza" "$@"
