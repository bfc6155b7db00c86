#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR and checks what a Linux desktop
# gets: the programs, the desktop entry, the icons, the AppStream metainfo and
# the manual pages, each accepted by the tool that reads it.
# usage: install_test.sh BUILD_DIR WITH_GUI(0|1)
set -euo pipefail
build=$1
gui=$2
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$dest cmake --install "$build" >/dev/null
# The prefix the build was configured with: /usr/local by default, /usr in
# the Debian package.
installed=$(sed -n 's/^CMAKE_INSTALL_PREFIX:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$installed" ] || fail "no CMAKE_INSTALL_PREFIX in $build/CMakeCache.txt"
prefix=$dest$installed
outside=$(find "$dest" -mindepth 1 -path "$prefix" -prune -o -type f -print -o -type l -print)
[ -z "$outside" ] || fail "installed outside the prefix $installed: $outside"

files=(bin/oza-cli share/man/man1/oza-cli.1)
pages=(oza-cli)
if [ "$gui" = 1 ]; then
  files+=(bin/oza share/man/man1/oza.1 share/applications/org.example.oza.desktop
          share/metainfo/org.example.oza.metainfo.xml share/icons/hicolor/scalable/apps/org.example.oza.svg)
  for size in 16 24 32 48 64 128 256; do files+=("share/icons/hicolor/${size}x${size}/apps/org.example.oza.png"); done
  pages+=(oza)
fi
for f in "${files[@]}"; do [ -f "$prefix/$f" ] || fail "missing $f"; done
[ -x "$prefix/bin/oza-cli" ] || fail "oza-cli is not executable"
"$prefix/bin/oza-cli" --version | grep -q '^oza-cli ' || fail "installed oza-cli does not run"

for page in "${pages[@]}"; do
  warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
  MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1" 2>/dev/null | grep -q "^NAME" || fail "man $page renders no NAME"
done

if [ "$gui" = 1 ]; then
  desktop=$prefix/share/applications/org.example.oza.desktop
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$prefix/share/metainfo/org.example.oza.metainfo.xml" || fail "appstreamcli validate"
  grep -qx 'Icon=org.example.oza' "$desktop" || fail "the desktop entry names another icon"
  [ -x "$prefix/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")" ] || fail "Exec names no installed program"
  grep -q '<metadata_license>CC0-1.0</metadata_license>' "$prefix/share/metainfo/org.example.oza.metainfo.xml" ||
    fail "metadata licence"
  grep -q '<project_license>GPL-3.0-or-later</project_license>' "$prefix/share/metainfo/org.example.oza.metainfo.xml" ||
    fail "project licence"
fi
echo "install tree ok"
