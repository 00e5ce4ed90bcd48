#!/usr/bin/env bash
# Builds one manual page: build-man.sh SOURCE.scd OUTPUT.gz [CLI].
# With CLI, the line "@COMMANDS@" of the source becomes the commands and
# their usage as the program itself describes them (vantrel-cli
# --help-commands), so the page and --help cannot drift apart.
set -euo pipefail
source=$1
output=$2
cli=${3:-}
text=$(cat "$source")
if [ -n "$cli" ]; then
  commands=$("$cli" --help-commands)
  text=${text/@COMMANDS@/$commands}
fi
printf '%s\n' "$text" | scdoc | gzip -9n >"$output.tmp"
mv "$output.tmp" "$output"
