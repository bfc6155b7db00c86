#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source and script the licence line at its top (after a
# shebang), so that a file copied out of the tree still says under which
# licence it may be used.
#   scripts/spdx.sh           adds the line where it is missing
#   scripts/spdx.sh --check   lists the files without it and exits 1 if any
# It walks the folders rather than asking git, so it also sees files not yet
# added and works in an exported tree without .git.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tag='SPDX-License-Identifier: GPL-3.0-or-later'

check=0
case "${1:-}" in
  --check) check=1 ;;
  '') ;;
  *) echo "usage: scripts/spdx.sh [--check]" >&2; exit 2 ;;
esac

# One file per line, relative to the root; build folders live at the top and
# are never among the folders walked.
sources() {
  cd "$root"
  [ -f CMakeLists.txt ] && echo CMakeLists.txt
  local folders=()
  for folder in src tests fuzz bench scripts .ci debian; do [ -d "$folder" ] && folders+=("$folder"); done
  [ ${#folders[@]} -eq 0 ] && return
  find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' -o -name CMakeLists.txt -o -name '*.sh' \
    -o -name '*.py' -o -path .ci/run -o -path debian/rules \) | LC_ALL=C sort
}

comment_for() {
  case "$1" in
    *.cpp | *.h) echo "// $tag" ;;
    *) echo "# $tag" ;;
  esac
}

# The line counts only near the top, where a reader looks for it; a file
# that merely quotes it further down (as this script does) still lacks it.
has_tag() { head -n 3 -- "$1" | grep -qF "$tag"; }

missing=0
while IFS= read -r file; do
  has_tag "$root/$file" && continue
  missing=$((missing + 1))
  if [ $check = 1 ]; then
    echo "$file"
    continue
  fi
  line=$(comment_for "$file")
  path=$root/$file
  tmp=$(mktemp "$path.XXXXXX")
  {
    if head -n 1 -- "$path" | grep -q '^#!'; then
      head -n 1 -- "$path"
      echo "$line"
      tail -n +2 -- "$path"
    else
      echo "$line"
      # A blank line keeps the licence apart from a header's first directive.
      case "$file" in *.cpp | *.h) [ -s "$path" ] && echo ;; esac
      cat -- "$path"
    fi
  } >"$tmp"
  chmod --reference="$path" "$tmp"
  mv -- "$tmp" "$path"
  echo "added: $file"
done < <(sources)

if [ $check = 1 ] && [ $missing -gt 0 ]; then
  echo "$missing file(s) without '$tag' (scripts/spdx.sh adds it)" >&2
  exit 1
fi
exit 0
