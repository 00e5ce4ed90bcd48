#!/usr/bin/env bash
# Runs one script of command-line cases: harness.sh CLI SCRIPT.
# The script calls the helpers below; the run fails when any case fails.
set -u
CLI=$1
SCRIPT=$2
failures=0
cases=0

# expect_out EXPECTED ARGS...: stdout must equal EXPECTED and the exit code be 0.
expect_out() {
  local expected=$1; shift
  cases=$((cases + 1))
  local got rc
  got=$("$CLI" "$@" 2>/tmp/vantrel-cli-err.$$); rc=$?
  if [ "$rc" -ne 0 ] || [ "$got" != "$expected" ]; then
    failures=$((failures + 1))
    echo "FAIL: vantrel-cli $*"
    echo "  exit $rc, stderr: $(cat /tmp/vantrel-cli-err.$$)"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$got") | head -20 | sed 's/^/  /'
  fi
}

# expect_stdin CODE INPUT EXPECTED ARGS...: with INPUT on stdin, stdout must
# equal EXPECTED and the exit code be CODE.
expect_stdin() {
  local code=$1 input=$2 expected=$3; shift 3
  cases=$((cases + 1))
  local got rc
  got=$(printf '%s' "$input" | "$CLI" "$@" 2>/tmp/vantrel-cli-err.$$); rc=$?
  if [ "$rc" -ne "$code" ] || [ "$got" != "$expected" ]; then
    failures=$((failures + 1))
    echo "FAIL: (stdin) vantrel-cli $*"
    echo "  exit $rc (expected $code), stderr: $(cat /tmp/vantrel-cli-err.$$)"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$got") | head -20 | sed 's/^/  /'
  fi
}

# check NAME CONDITION-RESULT: records a case decided by the script itself
# (pass 0 for success).
check() {
  cases=$((cases + 1))
  if [ "$2" -ne 0 ]; then failures=$((failures + 1)); echo "FAIL: $1"; fi
}

# expect_fail CODE STDERR ARGS...: the exit code must be CODE and stderr
# contain STDERR (an empty STDERR accepts anything).
expect_fail() {
  local code=$1 message=$2; shift 2
  cases=$((cases + 1))
  local err rc
  "$CLI" "$@" >/dev/null 2>/tmp/vantrel-cli-err.$$; rc=$?
  err=$(cat /tmp/vantrel-cli-err.$$)
  if [ "$rc" -ne "$code" ] || { [ -n "$message" ] && [[ "$err" != *"$message"* ]]; }; then
    failures=$((failures + 1))
    echo "FAIL: vantrel-cli $*"
    echo "  expected exit $code and '$message', got exit $rc and '$err'"
  fi
}

# shellcheck source=/dev/null
source "$SCRIPT"
rm -f /tmp/vantrel-cli-err.$$
echo "$((cases - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
