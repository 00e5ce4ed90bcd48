#!/usr/bin/env bash
# Runs every fuzz target for a bounded time:
#   run-fuzz.sh BIN_DIR SECONDS [CORPUS_DIR]
# Fails on any crash, hang, leak or sanitizer report. The committed seed
# corpora stay untouched. Without CORPUS_DIR each run works on a copy that
# is thrown away; with it, each target's corpus is kept in CORPUS_DIR/NAME
# (seeded from the committed corpus the first time) and grows run by run.
set -uo pipefail
bin=$(cd "$1" && pwd)
seconds=${2:-60}
keep=${3:-}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$bin"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  seeds="$root/tests/fuzz/corpus/${name#fuzz_}"
  if [ -n "$keep" ]; then
    work="$keep/$name"
    mkdir -p "$work"
    # New seeds join; what the corpus already holds stays.
    [ -d "$seeds" ] && cp -rn "$seeds"/. "$work"/
    log="$keep/$name.log"
  else
    work=$(mktemp -d)
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
    log="$work/log.txt"
  fi
  echo "== $name for ${seconds}s"
  if ! (cd "$work" && ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1 \
        "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        "$work" > "$log" 2>&1); then
    echo "FAIL: $name"
    tail -40 "$log"
    status=1
  else
    grep -E 'stat::number_of_executed_units|Done' "$log" | tail -2
  fi
  [ -n "$keep" ] || rm -rf "$work"
done
exit $status
