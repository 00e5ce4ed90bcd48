#!/usr/bin/env bash
# Runs every fuzz target for a bounded time: run-fuzz.sh BIN_DIR SECONDS.
# Fails on any crash, hang, leak or sanitizer report. The committed seed
# corpora stay untouched: each run works on a copy.
set -uo pipefail
bin=$(cd "$1" && pwd)
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$bin"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  seeds="$root/tests/fuzz/corpus/${name#fuzz_}"
  work=$(mktemp -d)
  [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
  echo "== $name for ${seconds}s"
  if ! (cd "$work" && ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1 \
        "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        "$work" > "$work/log.txt" 2>&1); then
    echo "FAIL: $name"
    tail -40 "$work/log.txt"
    status=1
  else
    grep -E 'stat::number_of_executed_units|Done' "$work/log.txt" | tail -2
  fi
  rm -rf "$work"
done
exit $status
