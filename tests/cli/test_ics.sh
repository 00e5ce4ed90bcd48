# terms --ics: the calendar file read back with python3-icalendar and
# compared with the terms the text output prints.
py=/usr/bin/python3
[ -x "$py" ] || py=python3
"$py" "$(dirname "$SCRIPT")/ics_check.py" "$CLI"
check "terms --ics read back by icalendar equals terms" $?
