#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program's own options, run as a user runs them.
# usage: command_line_test.sh PATH_TO_OZA
set -uo pipefail
oza=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

# Help and version need no window system.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$oza" --help 2>/dev/null); rc=$?
[ $rc = 0 ] || fail "--help exit $rc"
grep -q '^Usage: oza \[options\] \[file\]' <<<"$out" || fail "--help text: $out"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$oza" --version 2>/dev/null); rc=$?
[ $rc = 0 ] || fail "--version exit $rc"
[ "$out" = "OZA 1.12" ] || fail "--version text: $out"

err=$(QT_QPA_PLATFORM=offscreen "$oza" --frobnicate 2>&1 >/dev/null); rc=$?
[ $rc = 2 ] || fail "unknown option exit $rc"
grep -q "frobnicate" <<<"$err" || fail "unknown option message: $err"

# A signal that ends a program ends the window while its start-up message is
# open too (before its event loop runs), and ends it by that signal.
ulimit -c 0
for signal in TERM INT HUP USR1 QUIT; do
  QT_QPA_PLATFORM=offscreen "$oza" /nonexistent/card.rom >/dev/null 2>&1 &
  pid=$!
  sleep 3
  kill -s "$signal" "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    fail "SIG$signal left the window running"
  fi
  wait "$pid"; rc=$?
  [ "$rc" = $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal ended the window with exit $rc"
done
echo "command line ok"
