# --json: every command's objects against its published schema (docs/schema)
# and against the command's text output; the schemas as generated.
here=$(dirname "$SCRIPT")
python3 "$here/json_check.py" "$CLI" "$here/../../docs/schema"
check "--json of every command matches its schema and its text" $?
python3 "$here/../../tools/schema/make_schemas.py" --check "$here/../../docs/schema"
check "docs/schema is what tools/schema/make_schemas.py writes" $?
