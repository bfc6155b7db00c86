#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages oza and oza-cli into dist/ (or $OZA_DIST_DIR),
# checks them with lintian and lists what each installs.
#   scripts/package.sh                 build, lintian, dpkg -c
#   scripts/package.sh --install [IMAGE]
#                                      then install them with apt-get, run the
#                                      installed programs (oza-cli check IMAGE
#                                      when one is given) and remove them again
# The package is built from the tracked files as they stand in the work tree
# (committed or not), exported to a temporary folder, so that build folders
# and stray files never reach it. Its tests run during the build, offscreen;
# DEB_BUILD_OPTIONS=nocheck skips them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
install=0
image=
case "${1:-}" in
  --install) install=1; image=${2:-} ;;
  '') ;;
  *) echo "usage: scripts/package.sh [--install [IMAGE]]" >&2; exit 2 ;;
esac
"$root/scripts/deps.sh" --package

dist=${OZA_DIST_DIR:-$root/dist}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
source=$work/oza-$version
mkdir "$source"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  # A stash commit holds the tracked files with their uncommitted changes;
  # without any change there is none, and HEAD is what stands.
  tree=$(git -C "$root" stash create)
  git -C "$root" archive "${tree:-HEAD}" | tar -x -C "$source"
else
  tar -C "$root" --exclude='./build*' --exclude=./dist -c . | tar -x -C "$source"
fi

(cd "$source" && dpkg-buildpackage --build=binary --no-sign -j"$(nproc)")

mkdir -p "$dist"
rm -f "$dist"/oza*_"$version"_*.deb "$dist"/oza_"$version"_*.changes "$dist"/oza_"$version"_*.buildinfo
mv "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$dist"/
changes=$(ls "$dist"/oza_"$version"_*.changes)
lintian --fail-on error,warning --info "$changes"
for deb in "$dist"/oza*_"$version"_*.deb; do
  echo "== $(basename "$deb")"
  dpkg -c "$deb"
done

[ $install = 1 ] || exit 0
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get install -y -qq "$dist"/oza_"$version"_*.deb "$dist"/oza-cli_"$version"_*.deb
# The packages came from this run: remove them again however the checks end.
trap '"${as_root[@]}" apt-get remove -y -qq oza oza-cli >/dev/null; rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen /usr/bin/oza --version
/usr/bin/oza-cli --version
[ -n "$image" ] && /usr/bin/oza-cli check "$image"
for installed in /usr/share/applications/org.example.oza.desktop /usr/share/metainfo/org.example.oza.metainfo.xml \
  /usr/share/man/man1/oza.1.gz /usr/share/man/man1/oza-cli.1.gz; do
  [ -f "$installed" ] || { echo "missing after the install: $installed" >&2; exit 1; }
done
find /usr/share/icons/hicolor -name 'org.example.oza.*' | grep -q . || { echo "no icon installed" >&2; exit 1; }
desktop-file-validate /usr/share/applications/org.example.oza.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.example.oza.metainfo.xml
man -l /usr/share/man/man1/oza-cli.1.gz >/dev/null
echo "The packages install and their programs run."
