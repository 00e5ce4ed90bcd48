# marriage, chart and constellation on the command line.
work_err=$(mktemp)
trap 'rm -f "$work_err"' EXIT
couple=(--man-name 张三 --man-year 1985 --man-month 6 --man-day 15 --man-hour 10 --man-minute 30
        --woman-name 李四 --woman-year 1987 --woman-month 3 --woman-day 8 --woman-hour 23 --woman-minute 5)

out=$("$CLI" marriage "${couple[@]}"); rc=$?
check "marriage runs" "$rc"
check "marriage opens with the man's heading" "$([ "$(printf '%s\n' "$out" | head -1)" = "男方基本信息：" ]; echo $?)"
check "the hour option forms the hour item" \
  "$(printf '%s\n' "$out" | grep -qx '您出生公历：1987年03月08日23点5分'; echo $?)"
check "marriage ends with the closing remark" \
  "$([ "$(printf '%s\n' "$out" | tail -1)" = "特别声明：以上分析只做参考，即使分析不佳世上也有欢喜冤家或旷世奇缘的情感。" ]; echo $?)"
# A whole hour item is taken as given.
out2=$("$CLI" marriage "${couple[@]}" --woman-hour "子 23")
check "a whole hour item" "$([ "$out" = "$out2" ]; echo $?)"

expect_fail 2 "男方姓名不能为空!" marriage
expect_fail 2 "女方姓名不能为空!" marriage --man-name 甲
expect_fail 2 "请选择男方出生年!" marriage --man-name 甲 --man-year " "
expect_fail 2 "请检查输入数据是否出错！" marriage --man-name 甲 --man-calendar lunar --man-year 2020 --man-month 1 --man-day 30
expect_fail 1 "'2013-2-30' is not a valid date" marriage --man-name 甲 --man-year 2013 --man-month 2 --man-day 30
expect_fail 2 "unknown option" marriage --man-nam 甲
expect_fail 2 "" marriage --man-calendar julian
# An error after the heading: the pane so far is printed, then the error.
out=$("$CLI" marriage --man-name 甲 --man-minute x 2>/tmp/vantrel-rep.$$); rc=$?
check "an error exits 1" "$([ "$rc" -eq 1 ]; echo $?)"
check "the pane so far is printed" "$([ "$(printf '%s\n' "$out" | wc -l)" -eq 5 ]; echo $?)"
check "the error follows" "$(grep -q "'x' is not a valid integer value" /tmp/vantrel-rep.$$; echo $?)"
rm -f /tmp/vantrel-rep.$$

out=$("$CLI" chart)
check "chart with the defaults" "$(printf '%s\n' "$out" | grep -qx '八字：己未   丙子   癸酉   壬子'; echo $?)"
check "chart heading" "$(printf '%s\n' "$out" | grep -qx '您出生公历：1980年01月01日0点0分'; echo $?)"
expect_fail 2 "请选择出生小时!" chart --hour " "
out=$("$CLI" constellation --month 5 --day 20)
check "constellation of 20 May" "$(printf '%s\n' "$out" | grep -qx '星座：金牛座 '; echo $?)"
check "the constellation report casts no chart" "$(printf '%s\n' "$out" | grep -q '八字：'; [ $? -ne 0 ]; echo $?)"
check "the constellation headings" "$([ "$(printf '%s\n' "$out" | grep -c '^【')" -eq 3 ]; echo $?)"

# A notice after the man's section: his section is printed as the window
# keeps it, then the notice; a notice before anything is written prints nothing.
man=(--man-name 张三 --man-year 1985 --man-month 6 --man-day 15 --man-hour 10 --man-minute 30)
full_man=$("$CLI" marriage "${couple[@]}" | sed -n '/^---/q;p')
for stop in "--woman-name=" "--woman-year= " "--woman-month= " "--woman-day= " "--woman-hour= "; do
  out=$("$CLI" marriage "${man[@]}" --woman-name 李四 "$stop" 2>"$work_err"); rc=$?
  check "marriage stopped by $stop exits 2" "$([ "$rc" -eq 2 ]; echo $?)"
  check "marriage stopped by $stop keeps the man's section" \
    "$([ "$(printf '%s\n' "$out" | head -n "$(printf '%s\n' "$full_man" | wc -l)")" = "$full_man" ]; echo $?)"
  check "marriage stopped by $stop gives one notice" "$([ "$(wc -l <"$work_err")" -eq 1 ]; echo $?)"
done
check "the man's section is 52 lines" "$([ "$("$CLI" marriage --man-name 甲 2>/dev/null | wc -l)" -eq 52 ]; echo $?)"
out=$("$CLI" marriage 2>/dev/null)
check "a notice before anything is written prints nothing" "$([ -z "$out" ]; echo $?)"

# A broken second file is an error naming it, never a report with blank
# ten gods and nayin.
broken=$(mktemp -d)
cp -r "$(dirname "$CLI")"/vantrel-cli "$(dirname "$CLI")"/KelFile.dll "$(dirname "$CLI")"/shensha "$broken"/
for damage in missing empty garbage; do
  case $damage in
    missing) rm -f "$broken/Tgcode.dll" ;;
    empty) : >"$broken/Tgcode.dll" ;;
    garbage) head -c 4096 /dev/urandom >"$broken/Tgcode.dll" ;;
  esac
  for cmd in chart block; do
    args=(); [ $cmd = block ] && args=(1990-01-01 12 0 男)
    out=$("$broken/vantrel-cli" $cmd "${args[@]}" 2>"$work_err"); rc=$?
    check "$cmd with a $damage Tgcode.dll exits 1" "$([ "$rc" -eq 1 ]; echo $?)"
    check "$cmd with a $damage Tgcode.dll names the file" "$(grep -q 'Tgcode.dll' "$work_err"; echo $?)"
    check "$cmd with a $damage Tgcode.dll prints no blank chart" "$([ -z "$out" ]; echo $?)"
  done
done
rm -rf "$broken"
