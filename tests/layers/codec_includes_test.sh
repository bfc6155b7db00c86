#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The format codecs depend on nothing but each other and the standard
# library: no header of the model (controls, platform, tabs, session, ...)
# or of a front end may appear in a codec folder. The codec target compiles
# with the codec folders alone on its include path; this also covers headers
# that no codec source includes.
set -euo pipefail
src=${1:?usage: codec_includes_test.sh SRC_FOLDER CODEC_FOLDER...}
shift
codecs=" $* "
status=0
for folder in "$@"; do
  while IFS=: read -r file line include; do
    target=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$include")
    if [[ "$codecs" != *" $target "* ]]; then
      echo "$file:$line: a codec includes $target/: $include" >&2
      status=1
    fi
  done < <(grep -rnE '^#include "[a-z_]+/' "$src/$folder" || true)
done
exit $status
