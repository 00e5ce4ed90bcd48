#!/usr/bin/env bash
# Checks that each core folder includes only its own headers and those of
# the layers below it:
#
#   common < calendar < data < chart < almanac < divination < reports
#
# (the link order of the core libraries, cmake/Core.cmake), and that the
# command line includes nothing of the window's folder app/.
# Usage: tools/check-layers.sh [SOURCE_DIR]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
layers=(common calendar data chart almanac divination reports)
status=0

for i in "${!layers[@]}"; do
  folder=${layers[$i]}
  allowed=("${layers[@]:0:$((i + 1))}")
  for file in "$root/$folder"/*.h "$root/$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r line; do
      included=${line#*\"}
      top=${included%%/*}
      [ "$top" = "$included" ] && continue  # a file of the generated folder
      ok=0
      for a in "${allowed[@]}"; do [ "$top" = "$a" ] && ok=1; done
      if [ $ok -eq 0 ]; then
        echo "${file#"$root"/}: includes $included, a layer above $folder or outside the core" >&2
        status=1
      fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
  done
done

for file in "$root"/cli/*.h "$root"/cli/*.cpp; do
  [ -e "$file" ] || continue
  if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"app/' "$file"; then
    echo "${file#"$root"/}: the command line includes the window's folder app/" >&2
    status=1
  fi
done
exit $status
