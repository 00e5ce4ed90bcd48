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

# Values of the newer options, and place names from the program itself.
check "--fold values complete" "$([ "$(complete_words "$CLI" chart --man-fold s)" = second ]; echo $?)"
check "--zone values come from the time zone database" \
  "$(complete_words "$CLI" solartime --zone Asia/Shang | grep -qx Asia/Shanghai; echo $?)"
places=$("$CLI" places 北)
check "the program lists places" "$(grep -qx 北京 <<<"$places"; echo $?)"
check "--place completes the program's places" \
  "$([ "$(complete_words "$CLI" bazi --place 北)" = "$places" ]; echo $?)"
check "--woman-place completes them as well" \
  "$([ "$(complete_words "$CLI" marriage --woman-place 北)" = "$places" ]; echo $?)"
check "the places command completes its prefix" \
  "$([ "$(complete_words "$CLI" places 北)" = "$places" ]; echo $?)"
# A program that cannot list places (an older one) completes nothing and
# prints nothing into the command line being typed.
old=$(mktemp)
printf '#!/bin/sh\necho "unknown command $1" >&2\nexit 2\n' >"$old"
chmod +x "$old"
check "a failing places lookup completes nothing, silently" \
  "$([ -z "$(complete_words "$old" bazi --place 北 2>&1)" ]; echo $?)"
rm -f "$old"

# The zsh completion, with zsh's completion builtins standing in: each prints
# the words it would offer.
zcompletion="$(dirname "$SCRIPT")/../../packaging/completion/_vantrel-cli"
zsh_words() {
  local prefix=${!#}
  zsh -f -c '
    compadd() {
      while [[ $1 == -* && $1 != -- ]]; do
        [[ $1 == -a ]] && { print -l -- ${(P)2}; return; }
        shift
      done
      [[ $1 == -- ]] && shift
      print -l -- "$@"
    }
    _describe() { print -l -- ${(P)4%%:*}; }
    _values() { shift; print -l -- "$@"; }
    _multi_parts() { print -l -- ${(P)2}; }
    _files() { print -- "<files>"; }
    file=$1; shift
    words=("$@"); CURRENT=$#; PREFIX=${words[CURRENT]}
    source "$file"' _ "$zcompletion" "$@" | grep -- "^$prefix"
}
if command -v zsh >/dev/null; then
  check "zsh: commands complete" "$(zsh_words "$CLI" sol | grep -qx solartime; echo $?)"
  check "zsh: a command's options complete" "$(zsh_words "$CLI" chart --pd | grep -qx -- --pdf; echo $?)"
  check "zsh: the marriage options carry both prefixes" \
    "$(zsh_words "$CLI" marriage --man-pl | grep -qx -- --man-place; echo $?)"
  check "zsh: --encoding values complete" "$([ "$(zsh_words "$CLI" --encoding g)" = gbk ]; echo $?)"
  check "zsh: --place completes the program's places" \
    "$([ "$(zsh_words "$CLI" chart --place 北)" = "$places" ]; echo $?)"
fi

# The package's changelog names the program's version.
changelog="$(dirname "$SCRIPT")/../../packaging/changelog"
check "the changelog's newest entry is version $version" \
  "$(head -1 "$changelog" | grep -q "^vantrel ($version) "; echo $?)"
