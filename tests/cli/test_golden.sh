# The outputs of a few dozen commands, byte for byte as reviewed: any change
# to a report, the almanac, a dialog's result or a conversion shows here.
# tools/update-golden.sh rewrites the expected file after a reviewed change.
golden="$(dirname "$SCRIPT")/golden"
got=$(mktemp)
trap 'rm -f "$got"' EXIT
bash "$(dirname "$SCRIPT")/../../tools/update-golden.sh" "$CLI" "$got" >/dev/null
cmp -s "$got" "$golden/expected.txt" || diff "$golden/expected.txt" "$got" | head -20
check "every golden output is as reviewed" "$(cmp -s "$got" "$golden/expected.txt"; echo $?)"
