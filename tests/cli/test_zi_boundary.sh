# --zi and the boundary notices on the command line.
T=$'\t'
# 2024-01-01 23:30: the day and hour pillars under each rule; the default is same-day.
check "zi same-day" "$([ "$("$CLI" bazi 2024-01-01 23 30 男 | cut -f3,4)" = "甲子${T}甲子" ]; echo $?)"
check "zi default" "$([ "$("$CLI" bazi --zi same-day 2024-01-01 23 30 男)" = "$("$CLI" bazi 2024-01-01 23 30 男)" ]; echo $?)"
check "zi next-day" "$([ "$("$CLI" bazi --zi next-day 2024-01-01 23 30 男 | cut -f3,4)" = "乙丑${T}丙子" ]; echo $?)"
check "zi late" "$([ "$("$CLI" bazi --zi late 2024-01-01 23 30 男 | cut -f3,4)" = "甲子${T}丙子" ]; echo $?)"
expect_fail 2 "--zi is same-day, next-day or late, not early" bazi --zi early 2024-01-01 23 30 男
# --zi same-day gives the same bytes as no --zi, in every command that casts.
same_as_default() {
  local with without
  with=$("$CLI" "$@" --zi same-day 2>&1; echo "exit $?")
  without=$("$CLI" "$@" 2>&1; echo "exit $?")
  [ "$with" = "$without" ] && [ "${with%exit 0}" != "$with" ]
}
check "--zi same-day: bazi" "$(same_as_default bazi 2024-01-01 23 30 男; echo $?)"
check "--zi same-day: block" "$(same_as_default block 2024-01-01 23 30 男; echo $?)"
check "--zi same-day: chart" "$(same_as_default chart --year 2024 --month 1 --day 1 --hour 23 --minute 30; echo $?)"
check "--zi same-day: marriage" "$(same_as_default marriage --man-name 甲 --woman-name 乙 --man-year 2024 --man-hour 23 --man-minute 55; echo $?)"
check "--zi same-day: the batch" "$([ "$(printf '2024-01-01 23 30 男\n2023-12-31 23 30 女\n' | "$CLI" bazi --zi=same-day -)" = \
  "$(printf '2024-01-01 23 30 男\n2023-12-31 23 30 女\n' | "$CLI" bazi -)" ]; echo $?)"
check "--zi same-day is not next-day" "$([ "$("$CLI" bazi --zi same-day 2024-01-01 23 30 男)" != "$("$CLI" bazi --zi next-day 2024-01-01 23 30 男)" ]; echo $?)"
# The reports name the rule for a birth in that hour, and only then.
check "chart names 子时换日" "$("$CLI" chart --zi next-day --year 2024 --month 1 --day 1 --hour 23 --minute 30 |
  grep -qx '子时：按子时换日，23点起日柱取次日，时柱为次日子时'; echo $?)"
check "chart 八字 under 子时换日" "$("$CLI" chart --zi next-day --year 2024 --month 1 --day 1 --hour 23 --minute 30 |
  grep -qx '八字：癸卯   甲子   乙丑   丙子'; echo $?)"
check "marriage names 晚子时" "$("$CLI" marriage --zi late --man-name 甲 --woman-name 乙 --man-year 2024 --man-hour 23 |
  grep -c '^子时：按晚子时' | grep -qx 1; echo $?)"
check "no rule line at 22:30" "$("$CLI" chart --zi next-day --hour 22 --minute 30 | grep -q '^子时：'; [ $? -eq 1 ]; echo $?)"
check "no rule line by default" "$("$CLI" chart --hour 23 --minute 30 | grep -q '^子时：'; [ $? -eq 1 ]; echo $?)"

# 立春 2024 fell at 16:27 Beijing time: 16:22 warns on standard error, 15:57 does not.
err=$("$CLI" bazi 2024-02-04 16 22 男 2>&1 >/dev/null)
check "5 minutes before 立春 warns" "$([ "$err" = "出生时刻距立春仅 5 分钟，月柱取决于准确时刻" ]; echo $?)"
err=$("$CLI" bazi 2024-02-04 15 57 男 2>&1 >/dev/null)
check "30 minutes before 立春 is quiet" "$([ -z "$err" ]; echo $?)"
check "the warning leaves the report as it was" "$([ "$("$CLI" chart --year 2024 --month 2 --day 4 --hour 16 --minute 22 2>/dev/null |
  grep -c 距)" = 0 ]; echo $?)"
err=$("$CLI" chart --year 2024 --month 2 --day 4 --hour 16 --minute 22 2>&1 >/dev/null)
check "the chart report warns" "$([ "$err" = "出生时刻距立春仅 5 分钟，月柱取决于准确时刻" ]; echo $?)"
err=$("$CLI" marriage --man-name 甲 --woman-name 乙 --woman-year 2024 --woman-month 2 --woman-day 4 --woman-hour 16 --woman-minute 22 2>&1 >/dev/null)
check "the marriage report says whose birth" "$(printf '%s\n' "$err" | grep -qx '女方：出生时刻距立春仅 5 分钟，月柱取决于准确时刻'; echo $?)"
# From standard input each warning names its line, as the line's failures do;
# the results stay one a line.
births=$'2024-02-04 15 57 男\n2024-02-04 16 22 女\n2013-2-30 1 1 男\n2024-06-10 23 50 男\n'
for command in bazi shensha block; do
  err=$(printf '%s' "$births" | "$CLI" $command - 2>&1 >/dev/null)
  check "$command -: the warnings name their lines" "$([ "$err" = "line 2: 出生时刻距立春仅 5 分钟，月柱取决于准确时刻
line 3: 请检查输入数据是否出错！
line 4: 出生时刻距午夜（0点）仅 10 分钟，日柱和时柱取决于准确时刻" ]; echo $?)"
  check "$command -: one result a line" "$([ "$(printf '%s' "$births" | "$CLI" $command - 2>/dev/null | wc -l)" -eq 4 ]; echo $?)"
done
err=$(printf '%s' "$births" | "$CLI" --json bazi - 2>&1 >/dev/null)
check "bazi - --json: the warnings on stderr name their lines" "$([ "$err" = "line 2: 出生时刻距立春仅 5 分钟，月柱取决于准确时刻
line 4: 出生时刻距午夜（0点）仅 10 分钟，日柱和时柱取决于准确时刻" ]; echo $?)"
err=$(printf '2024-02-04 16 22 女\n' | "$CLI" --script tw bazi - 2>&1 >/dev/null)
check "bazi - in 繁體" "$([ "$err" = "line 1: 出生時刻距立春僅 5 分鐘，月柱取決於準確時刻" ]; echo $?)"
# True solar time moves 11:20 Beijing time at 114°E to 10:45: 15 minutes before 午.
err=$("$CLI" bazi 2024-03-10 11 20 男 2>&1 >/dev/null)
check "11:20 by the clock is quiet" "$([ -z "$err" ]; echo $?)"
err=$("$CLI" bazi --longitude 114 2024-03-10 11 20 男 2>&1 >/dev/null)
check "true solar time near 11:00 warns" "$([ "$err" = "出生时刻距巳午两时辰交界（11点）仅 15 分钟，时柱取决于准确时刻" ]; echo $?)"
check "its hour pillar is 巳" "$([ "$("$CLI" bazi --longitude 114 2024-03-10 11 20 男 2>/dev/null | cut -f4)" = "丁巳" ]; echo $?)"

# An hour not known: the twelve possible hour pillars.
table=$("$CLI" bazi 1990-06-07 unknown 0 男)
check "bazi unknown: a heading, a column line and twelve rows" "$([ "$(printf '%s\n' "$table" | wc -l)" -eq 14 ]; echo $?)"
check "bazi unknown: the 子 row" "$(printf '%s\n' "$table" | sed -n 3p | grep -q '^子时   23-01点   壬子   劫财   '; echo $?)"
check "bazi unknown: the 亥 row" "$(printf '%s\n' "$table" | sed -n 14p | grep -q '^亥时   21-23点   癸亥   比肩'; echo $?)"
check "chart --hour unknown" "$("$CLI" chart --hour unknown --year 1990 --month 6 --day 7 | grep -qx '您出生公历：1990年06月07日时辰不详'; echo $?)"
expect_fail 2 "请选择男方出生小时!" marriage --man-name 甲 --woman-name 乙 --man-hour unknown
check "marriage --hour-table" "$("$CLI" marriage --man-name 甲 --woman-name 乙 --man-hour unknown --hour-table |
  sed -n 1,2p | tr '\n' '|' | grep -q '^男方：甲|时辰不详：年柱 己未   月柱 丙子   日柱 癸酉'; echo $?)"
