# bash completion for vantrel-cli. The commands and their options are read
# from the program's own --help, so they always match the installed version.

_vantrel_cli_commands() {
  "$1" --help 2>/dev/null | awk '/^Commands:/ { on = 1; next } on && /^  [a-z]/ { print $1 } /^$/ && on { exit }'
}

_vantrel_cli_options() {
  "$1" "$2" --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u
}

# The time zones of the system's time zone database, for --zone.
_vantrel_cli_zones() {
  awk '$1 == "Z" { print $2 } $1 == "L" { print $3 }' /usr/share/zoneinfo/tzdata.zi 2>/dev/null
}

# The birthplaces the program knows that begin with $2. Nothing when the
# program cannot list them (an older version without the places command).
_vantrel_cli_places() {
  local places
  places=$("$1" places "$2" 2>/dev/null) || return
  mapfile -t COMPREPLY < <(compgen -W "$places" -- "$2")
}

_vantrel_cli() {
  local cur prev cli=${COMP_WORDS[0]} command="" i
  COMPREPLY=()
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      --encoding) ((i++)) ;;
      -*) ;;
      *) command=${COMP_WORDS[i]}; break ;;
    esac
  done

  case $prev in
    --encoding)
      mapfile -t COMPREPLY < <(compgen -W "utf-8 gbk" -- "$cur")
      return ;;
    --output | --pdf | --ics)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      return ;;
    --kind)
      mapfile -t COMPREPLY < <(compgen -W "mobile qq any" -- "$cur")
      return ;;
    --calendar | --man-calendar | --woman-calendar)
      mapfile -t COMPREPLY < <(compgen -W "solar lunar" -- "$cur")
      return ;;
    --sex)
      mapfile -t COMPREPLY < <(compgen -W "男 女" -- "$cur")
      return ;;
    --fold | --man-fold | --woman-fold)
      mapfile -t COMPREPLY < <(compgen -W "first second" -- "$cur")
      return ;;
    --zone | --man-zone | --woman-zone)
      mapfile -t COMPREPLY < <(compgen -W "$(_vantrel_cli_zones)" -- "$cur")
      return ;;
    --place | --man-place | --woman-place)
      _vantrel_cli_places "$cli" "$cur"
      return ;;
  esac

  if [ -z "$command" ]; then
    mapfile -t COMPREPLY < <(compgen -W "$(_vantrel_cli_commands "$cli") --encoding --json --help --version" -- "$cur")
    return
  fi
  if [[ $cur == -* ]]; then
    local options
    options=$(_vantrel_cli_options "$cli" "$command")
    # The marriage report's person options come with both prefixes.
    if [ "$command" = marriage ]; then
      options=$(for o in $options; do
        case $o in --output | --pdf | --quiet | --help | --json) echo "$o" ;; *) echo "--man-${o#--}" "--woman-${o#--}" ;; esac
      done)
    fi
    mapfile -t COMPREPLY < <(compgen -W "$options --json --help" -- "$cur")
  elif [ "$command" = places ]; then
    _vantrel_cli_places "$cli" "$cur"
  fi
}

complete -F _vantrel_cli vantrel-cli
