# --json: every command's objects against its published schema (docs/schema)
# and against the command's text output; the schemas as generated. Debian's
# python3-jsonschema validates.
here=$(dirname "$SCRIPT")
py=/usr/bin/python3
[ -x "$py" ] || py=python3
"$py" "$here/json_check.py" "$CLI" "$here/../../docs/schema"
check "--json of every command matches its schema and its text" $?
"$py" "$here/../../tools/schema/make_schemas.py" --check "$here/../../docs/schema"
check "docs/schema is what tools/schema/make_schemas.py writes" $?
