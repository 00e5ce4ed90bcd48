# solartime: the true solar time of a clock time.
out=$("$CLI" solartime 2000-06-15 12:00 --longitude 87.62)
check "Urumqi: the longitude correction" "$(grep -qx '经度时差：-129分31秒' <<<"$out"; echo $?)"
check "Urumqi: the true solar time" "$(grep -q '^真太阳时：2000-06-15 09:50' <<<"$out"; echo $?)"
out=$("$CLI" solartime 1986-08-06 08:30 --longitude 87.62)
check "the shown total gives the shown result: 08:30:00 - 3:15:27 = 05:14:33" \
  "$(grep -qx '合计：-195分27秒（-3小时15分）' <<<"$out" && grep -qx '真太阳时：1986-08-06 05:14:33' <<<"$out"; echo $?)"
out=$("$CLI" solartime 1986-01-09 08:30 --longitude 87.62)
check "the shown parts add up to the shown total" "$(awk -F'：' '
  /^(夏令时|经度时差|均时差|合计)：/ {
    v = $2; sub(/（.*/, "", v); sign = (substr(v, 1, 1) == "-") ? -1 : 1; gsub(/[-+秒]/, "", v)
    split(v, p, "分"); s = sign * (p[1] * 60 + p[2])
    if ($1 == "合计") total = s; else sum += s
  }
  END { exit !(sum == total) }' <<<"$out"; echo $?)"
first=$("$CLI" solartime 1986-09-14 01:30 --longitude 116.4 | grep '^夏令时')
second=$("$CLI" solartime 1986-09-14 01:30 --longitude 116.4 --fold second | grep '^夏令时')
check "the fold's first reading is summer time" "$([ "$first" = '夏令时：-60分0秒（此时刻出现两次，按第一次计）' ]; echo $?)"
check "the fold's second reading is standard time" "$([ "$second" = '夏令时：+0分0秒（此时刻出现两次，按第二次计）' ]; echo $?)"
# A clock time that summer time skipped is a validation message, in the
# command's own report and in a chart corrected for its birthplace alike.
expect_fail 2 "did not happen in Asia/Shanghai" solartime 1986-05-04 02:30 --longitude 116.4
expect_fail 2 "did not happen in Asia/Shanghai" chart --year 1988 --month 4 --day 17 --hour 2 --minute 30 --place 北京
expect_fail 2 "did not happen in Asia/Shanghai" marriage --woman-year 1988 --woman-month 4 --woman-day 17 --woman-hour 2 --woman-minute 30 --woman-place 北京
expect_fail 2 "the longitude is a number of degrees" solartime 2000-01-01 12:00 --longitude east
expect_fail 2 "the clock time is HH:MM" solartime 2000-01-01 24:00 --longitude 100
expect_fail 2 "--fold is first or second" solartime 2000-01-01 12:00 --longitude 100 --fold third
expect_fail 1 "is not a time zone this system knows" solartime 2000-01-01 12:00 --longitude 100 --zone Mars/Base

# The chart commands cast the true solar time when --longitude is given.
T=$'\t'
check "a correction across midnight moves the day pillar" \
  "$([ "$("$CLI" bazi --longitude 75.99 2000-03-01 1 30 男 | cut -f1-4)" = "庚辰${T}戊寅${T}丁巳${T}辛亥" ]; echo $?)"
check "a correction back across 立春 moves the year and month" \
  "$([ "$("$CLI" bazi --longitude 75.99 2000-02-04 21 0 男 | cut -f1-4)" = "己卯${T}丁丑${T}壬辰${T}己酉" ]; echo $?)"
check "without the option nothing changes" \
  "$([ "$("$CLI" bazi 2000-03-01 1 30 男 | cut -f1-4)" = "庚辰${T}戊寅${T}戊午${T}癸丑" ]; echo $?)"
out=$("$CLI" chart --name 甲 --year 2000 --month 3 --day 1 --hour 1 --minute 30 --longitude 75.99)
check "the birth line shows the corrected time" "$(grep -qx '您出生公历：2000年02月29日22点21分' <<<"$out"; echo $?)"
check "the line after it tells the correction" \
  "$([ "$(grep -A1 '^您出生公历' <<<"$out" | tail -1)" = '真太阳时：按东经75.99度校正-3小时8分（北京时间2000-03-01 01:30）' ]; echo $?)"
out=$("$CLI" marriage --man-name 甲 --man-year 1985 --man-month 6 --man-day 18 --man-hour 8 --man-longitude 87.6 \
      --woman-name 乙 --woman-year 1987 --woman-month 10 --woman-day 3 --woman-hour 18)
check "each person of the marriage report is corrected on their own" \
  "$([ "$(grep -c '^真太阳时：' <<<"$out")" -eq 1 ] && grep -qx '您出生公历：1987年10月03日18点0分' <<<"$out"; echo $?)"
# A correction out of the calendar's range gets the program's refusal.
expect_fail 2 "请检查输入数据是否出错！" chart --year 1900 --month 1 --day 31 --hour 0 --minute 30 --longitude 75
expect_fail 2 "--zone and --fold go with --place or --longitude" chart --zone Asia/Tokyo

# Named birthplaces.
check "places completes a prefix" "$([ "$("$CLI" places 乌鲁)" = 乌鲁木齐 ]; echo $?)"
check "places lists every known place" "$([ "$("$CLI" places | wc -l)" -ge 340 ]; echo $?)"
out=$("$CLI" solartime 2000-06-15 12:00 --place 乌鲁木齐)
check "a named place gives its longitude" "$(grep -qx '出生地：乌鲁木齐（Asia/Shanghai）' <<<"$out" && grep -q '^经度时差：-129分3' <<<"$out"; echo $?)"
out=$("$CLI" solartime 1975-07-01 12:00 --place 香港)
check "Hong Kong keeps its own zone and summer time" \
  "$(grep -qx '出生地：香港（Asia/Hong_Kong）' <<<"$out" && grep -qx '夏令时：-60分0秒' <<<"$out"; echo $?)"
expect_fail 2 "near matches: 乌鲁木齐" solartime 2000-01-01 12:00 --place 乌鲁木
expect_fail 2 "--place names its own longitude and zone" solartime 2000-01-01 12:00 --place 上海 --zone Asia/Tokyo
out=$("$CLI" chart --name x --place 喀什 --year 2000 --month 3 --day 1 --hour 1 --minute 30)
check "chart --place tells the place" "$(grep -q '^真太阳时：按喀什校正-3小时8分' <<<"$out"; echo $?)"
out=$("$CLI" marriage --man-name 甲 --man-place 哈尔滨 --woman-name 乙 --woman-place 乌鲁木齐)
check "each person of the marriage report with their own place" \
  "$([ "$(grep -c '^真太阳时：按' <<<"$out")" -eq 2 ]; echo $?)"
# Before the calendar's range the clock time would land on the wrong day:
# refused with the notice every command gives out of range.
expect_fail 2 "请检查输入数据是否出错！" solartime 1899-12-29 12:00 --longitude 120
got=$("$CLI" --json solartime 1850-6-1 12:00 --longitude 120 2>/dev/null)
check "--json: the refusal as a notice object" \
  "$([ "$got" = '{"version":1,"notice":"请检查输入数据是否出错！"}' ]; echo $?)"
got=$("$CLI" solartime 1900-01-31 00:10 --longitude 120 | sed -n 2p)
check "1900-01-31 is read as it is" "$([ "$got" = "时钟时间：1900-01-31 00:10（Asia/Shanghai地方平时，子午线东经121.43度）" ]; echo $?)"
