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
# The page's date is the date of the newest release in the package's
# changelog, not the day of the build, so a rebuild gives the same page.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  released=$(sed -n 's/^ -- .*>  //p' "$(dirname "$0")/../packaging/changelog" | head -1)
  SOURCE_DATE_EPOCH=$(date -d "$released" +%s)
  export SOURCE_DATE_EPOCH
fi
printf '%s\n' "$text" | scdoc | gzip -9n >"$output.tmp"
mv "$output.tmp" "$output"
