#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats the C++ sources with clang-format 14 and the tree's .clang-format.
#   scripts/format.sh           rewrites the files in place
#   scripts/format.sh --check   changes nothing, lists the files that would change and exits 1 if any
# Another clang-format version lays some lines out differently, so the
# version is fixed; $CLANG_FORMAT names another binary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check=0
case "${1:-}" in
  --check) check=1 ;;
  '') ;;
  *) echo "usage: scripts/format.sh [--check]" >&2; exit 2 ;;
esac
tool=${CLANG_FORMAT:-clang-format-14}
command -v "$tool" >/dev/null || "$root/scripts/deps.sh" --format

cd "$root"
mapfile -t files < <(find src tests fuzz bench -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort)
if [ $check = 0 ]; then
  exec "$tool" -i --style=file "${files[@]}"
fi
unformatted=()
for file in "${files[@]}"; do
  "$tool" --style=file --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
[ ${#unformatted[@]} -eq 0 ] && exit 0
printf '%s\n' "${unformatted[@]}"
echo "${#unformatted[@]} file(s) not formatted (scripts/format.sh formats them)" >&2
exit 1
