#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/build.sh against a stand-in cmake that records its calls: a build
# folder is configured once for the same options and again whenever the
# build type, an option or the compiler changes, including an option dropped.
# usage: build_script_test.sh PATH_TO_BUILD_SH
set -euo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/bin"
cat >"$work/bin/cmake" <<'STUB'
#!/usr/bin/env bash
if [ "$1" = --build ]; then echo build >>"$OZA_TEST_LOG"; exit 0; fi
while [ $# -gt 0 ]; do
  case "$1" in -B) build=$2; shift ;; esac
  shift
done
[ -f "$build/CMakeCache.txt" ] && echo "configure over an old cache" >>"$OZA_TEST_LOG"
[ -n "${OZA_TEST_FAIL_CONFIGURE:-}" ] && exit 1
mkdir -p "$build" && touch "$build/build.ninja" "$build/CMakeCache.txt"
echo "configure ${CC:-}" >>"$OZA_TEST_LOG"
STUB
chmod +x "$work/bin/cmake"
export PATH=$work/bin:$PATH OZA_TEST_LOG=$work/log OZA_BUILD_DIR=$work/build
unset CC CXX OZA_BUILD_TYPE

# Runs build.sh with the given options and compares the calls it made.
expect() {
  local want=$1; shift
  : >"$OZA_TEST_LOG"
  "$script" "$@" >/dev/null || fail "build.sh $* failed"
  local got; got=$(paste -sd, "$OZA_TEST_LOG")
  [ "$got" = "$want" ] || fail "build.sh $* (${OZA_BUILD_TYPE:-} ${CC:-}): called '$got', wanted '$want'"
}

expect "configure ,build"
expect "build"
expect "configure ,build" -DOZA_BUILD_GUI=OFF
expect "build" -DOZA_BUILD_GUI=OFF
# Dropping the option configures from no cache, so its old value goes too.
expect "configure ,build"
OZA_BUILD_TYPE=Debug expect "configure ,build"
OZA_BUILD_TYPE=Debug expect "build"
expect "configure ,build"
CC=clang-16 expect "configure clang-16,build"
expect "configure ,build"

# A missing build.ninja configures even when the options are the same.
rm "$OZA_BUILD_DIR/build.ninja"
expect "configure ,build"

# A failed configure is retried on the next run instead of being trusted.
: >"$OZA_TEST_LOG"
if OZA_TEST_FAIL_CONFIGURE=1 "$script" -DOZA_SANITIZE=ON >/dev/null 2>&1; then fail "a failed configure succeeded"; fi
grep -q build "$OZA_TEST_LOG" && fail "built after a failed configure"
expect "configure ,build" -DOZA_SANITIZE=ON
echo "build script ok"
