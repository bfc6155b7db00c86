#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgtest-dev libgl-dev
          fonts-dejavu-core nlohmann-json3-dev desktop-file-utils appstream man-db locales)
case "${1:-}" in
  --gui) packages+=(qt6-qpa-plugins) ;;
  --fuzz) packages+=(clang-16 libclang-rt-16-dev libc++-16-dev libc++abi-16-dev) ;;
  --bench) packages+=(libbenchmark-dev) ;;
  --format) packages+=(clang-format-14) ;;
  --package) packages+=(build-essential dpkg-dev debhelper lintian libgtest-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
