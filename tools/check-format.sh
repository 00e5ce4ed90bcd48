#!/usr/bin/env bash
# Checks every C++ source against .clang-format (check-format.sh), or applies
# it (check-format.sh --fix). Generated sources the build writes are not in
# git and so not checked; committed generated tables keep their layout with
# clang-format off/on.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
# Without a git checkout there is nothing listed, and clang-format would read
# standard input and find nothing wrong.
[ ${#files[@]} -gt 0 ] || { echo "FAIL: no C++ sources listed (not a git checkout?)"; exit 1; }
command -v clang-format >/dev/null || { echo "FAIL: clang-format is missing (make deps installs it)"; exit 1; }
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! clang-format --dry-run --Werror "${files[@]}" 2>"$log"; then
  head -40 "$log"
  echo "FAIL: $(grep -c 'error:' "$log") places differ from .clang-format (make format mends them)"
  exit 1
fi
echo "every C++ source follows .clang-format"
