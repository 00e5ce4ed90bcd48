# --output, --pdf and --quiet of the report commands.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
couple=(--man-name 张伟 --man-year 1985 --man-month 6 --man-day 18 --man-hour 8
        --woman-name 李娜 --woman-year 1987 --woman-month 10 --woman-day 3 --woman-hour 18)

shown=$("$CLI" marriage "${couple[@]}" --output "$dir/m.txt")
check "the report is still printed" "$([ "$(printf '%s\n' "$shown" | head -1)" = "男方基本信息：" ]; echo $?)"
check "--output holds exactly what was printed" "$(cmp -s <("$CLI" marriage "${couple[@]}") "$dir/m.txt"; echo $?)"
# Under --encoding gbk the typed texts are GBK too.
gbk_couple=()
for word in "${couple[@]}"; do gbk_couple+=("$(printf '%s' "$word" | iconv -f UTF-8 -t GBK)"); done
"$CLI" --encoding gbk marriage "${gbk_couple[@]}" --quiet --output="$dir/gbk.txt" >"$dir/quiet.out"
check "--quiet prints nothing" "$([ ! -s "$dir/quiet.out" ]; echo $?)"
check "--encoding gbk writes GBK with CR LF" \
  "$(cmp -s <(iconv -f GBK -t UTF-8 "$dir/gbk.txt" | tr -d '\r') "$dir/m.txt" && grep -q $'\r$' "$dir/gbk.txt"; echo $?)"
for report in chart constellation; do
  "$CLI" $report --name 王芳 --quiet --output "$dir/$report.txt"
  check "$report --output" "$(cmp -s <("$CLI" $report --name 王芳) "$dir/$report.txt"; echo $?)"
done
"$CLI" almanac 2013 9 21 --output "$dir/day.txt" --quiet
check "almanac --output" "$(cmp -s <("$CLI" almanac 2013 9 21) "$dir/day.txt"; echo $?)"

# A PDF, when this build has Qt's GUI module.
if "$CLI" almanac 2013 9 21 --quiet --pdf "$dir/day.pdf" 2>"$dir/err"; then
  check "the almanac PDF is A4 with its title" \
    "$(pdfinfo "$dir/day.pdf" | grep -q '^Title: *黄历 2013-09-21$' && pdfinfo "$dir/day.pdf" | grep -q 'A4'; echo $?)"
  check "the almanac PDF holds the day" "$(pdftotext "$dir/day.pdf" - | grep -q '当日统览:2013-9-21'; echo $?)"
  "$CLI" marriage "${couple[@]}" --quiet --pdf "$dir/m.pdf"
  check "the marriage PDF has its header" "$(pdftotext -f 2 -l 2 "$dir/m.pdf" - | grep -q '第 2 页 / 共'; echo $?)"
else
  check "a build without Qt says it cannot write PDF" "$(grep -q 'cannot write PDF' "$dir/err"; echo $?)"
fi

# A write that fails: exit 1 with the reason, nothing left, an old file intact.
expect_fail 1 "Cannot write file \"/proc/vantrel.txt\"." marriage "${couple[@]}" --output /proc/vantrel.txt
mkdir -p "$dir/taken/inside"
expect_fail 1 "Cannot write file \"$dir/taken\". Is a directory" chart --output "$dir/taken"
check "the folder in the way is intact" "$([ -d "$dir/taken/inside" ]; echo $?)"
check "no temporary file is left" "$([ -z "$(find "$dir" -name '.vantrel-*')" ]; echo $?)"
# A report stopped by a notice writes no file.
expect_fail 2 "女方姓名不能为空!" marriage --man-name 甲 --output "$dir/none.txt"
check "a stopped report writes no file" "$([ ! -e "$dir/none.txt" ]; echo $?)"
expect_fail 2 "needs a value" chart --output
