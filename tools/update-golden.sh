#!/usr/bin/env bash
# Writes the golden outputs of the command line: update-golden.sh CLI [OUT].
# Each case of tests/cli/golden/cases.txt is run and written as a heading
# "=== ARGS", its standard output (GBK bytes shown as hex) and its exit code.
# Ages ("年龄：41岁") depend on today's year and are masked. Without OUT it
# rewrites tests/cli/golden/expected.txt.
set -uo pipefail
cli=$1
root=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-$root/tests/cli/golden/expected.txt}
{
  while IFS= read -r line; do
    [ -z "$line" ] && continue
    read -r -a words <<<"$line"
    echo "=== $line"
    if [ "${words[0]}" = "--encoding" ]; then
      "$cli" "${words[@]}" 2>/dev/null | od -An -tx1 | tr -s ' '
      echo "exit ${PIPESTATUS[0]}"
    else
      "$cli" "${words[@]}" 2>/dev/null | sed 's/年龄：[0-9]*岁/年龄：?岁/g'
      echo "exit ${PIPESTATUS[0]}"
    fi
  done <"$root/tests/cli/golden/cases.txt"
} >"$out"
