#!/usr/bin/env bash
# Checks every C++ source against .clang-format (check-format.sh), or applies
# it (check-format.sh --fix). Generated sources the build writes are not in
# git and so not checked; committed generated tables keep their layout with
# clang-format off/on.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/vantrel-format.$$; then
  head -40 /tmp/vantrel-format.$$
  echo "FAIL: $(grep -c 'error:' /tmp/vantrel-format.$$) places differ from .clang-format (make format mends them)"
  rm -f /tmp/vantrel-format.$$
  exit 1
fi
rm -f /tmp/vantrel-format.$$
echo "every C++ source follows .clang-format"
