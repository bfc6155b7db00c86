#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A lower layer of the model (the document below the presenters, the
# presenters below the session) includes no header of a layer above it: one
# would close a cycle of includes. A folder that is gone fails
# too, so that a rename cannot leave the rule checking nothing.
set -euo pipefail
usage="usage: model_includes_test.sh SRC_FOLDER LOWER_FOLDER... -- UPPER_FOLDER..."
src=${1:?$usage}
shift
lower=()
while (($#)) && [[ $1 != -- ]]; do
  lower+=("$1")
  shift
done
(($#)) || { echo "$usage" >&2; exit 2; }
shift
(($# && ${#lower[@]})) || { echo "$usage" >&2; exit 2; }
upper=$(IFS='|'; echo "$*")
status=0
for folder in "${lower[@]}"; do
  if [[ ! -d "$src/$folder" ]]; then
    echo "$src/$folder: no such folder" >&2
    status=1
    continue
  fi
  while IFS= read -r found; do
    echo "$found: $folder/ includes a header of a layer above it" >&2
    status=1
  done < <(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"($upper)/" "$src/$folder" || true)
done
exit $status
