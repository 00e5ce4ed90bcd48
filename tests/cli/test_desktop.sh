# --version and --help of both programs, the manual page in step with
# --help, and the bash completion.
bin=$(dirname "$CLI")
version=$(sed -n 's/^project(Vantrel VERSION \([0-9.]*\).*/\1/p' "$(dirname "$SCRIPT")/../../CMakeLists.txt")
expect_out "vantrel-cli $version" --version
if [ -x "$bin/vantrel" ]; then
  check "vantrel --version" "$([ "$(env -u DISPLAY "$bin/vantrel" --version)" = "vantrel $version" ]; echo $?)"
  check "vantrel --help needs no display and names the data files" \
    "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$bin/vantrel" --help | grep -q 'KelFile.dll'; echo $?)"
fi

# The manual page lists every command and every option of its usage.
page="$bin/../man/vantrel-cli.1.gz"
if [ -s "$page" ]; then
  text=$(zcat "$page")
  commands=$("$CLI" --help | awk '/^Commands:/ { on = 1; next } on && /^  [a-z]/ { print $1 } /^$/ && on { exit }')
  check "the command list is read" "$([ "$(wc -w <<<"$commands")" -ge 15 ]; echo $?)"
  for command in $commands; do
    check "the manual page has $command" "$(grep -q "^\.SS $command\$" <<<"$text"; echo $?)"
    for option in $("$CLI" "$command" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
      check "the manual page has $command $option" "$(grep -qF -- "$option" <<<"$text"; echo $?)"
    done
  done
fi

# The bash completion: commands, options read from --help, --encoding values.
completion="$(dirname "$SCRIPT")/../../packaging/completion/vantrel-cli.bash"
complete_words() {
  bash -c '
    complete() { :; }
    compopt() { :; }
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _vantrel_cli
    printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@"
}
check "commands complete" "$(complete_words "$CLI" ma | grep -qx marriage; echo $?)"
check "a command's options complete" "$(complete_words "$CLI" chart --ou | grep -qx -- --output; echo $?)"
check "the marriage options carry both prefixes" \
  "$(complete_words "$CLI" marriage --woman-h | grep -qx -- --woman-hour; echo $?)"
check "--encoding values complete" "$([ "$(complete_words "$CLI" --encoding g)" = gbk ]; echo $?)"
