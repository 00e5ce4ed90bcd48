# almanac: the checks of the page's pickers, in their order.
expect_fail 2 "请选择年!" almanac "" "" ""
expect_fail 2 "请选择年!" almanac " " 09 21
expect_fail 2 "请选择月!" almanac 2013 "" 21
expect_fail 2 "请选择日!" almanac 2013 09 ""
expect_fail 2 "请选择有效的日期!" almanac 2013 02 30
expect_fail 2 "请选择有效的日期!" almanac 2013 x 1
# The notice alone goes to stderr, and nothing to stdout.
got=$("$CLI" almanac 2013 02 30 2>/dev/null)
check "a notice prints nothing" "$([ -z "$got" ]; echo $?)"
err=$("$CLI" --encoding gbk almanac 2013 "" 21 2>&1 >/dev/null | iconv -f GBK -t UTF-8)
check "the notice in GBK" "$([ "$err" = "请选择月!" ]; echo $?)"
# The three picker texts are required.
expect_fail 2 "" almanac 2013 09
expect_fail 2 "" almanac 2013 09 21 1
check "almanac --help" "$("$CLI" almanac --help | grep -q "YEAR MONTH DAY"; echo $?)"
# A day of the built almanac table, the month typed with one digit.
expect_out "当日统览:2013-9-21  八月十七 星期六 青龙黄道日

岁次:癸巳年 辛酉月 庚寅日

每日胎神占方:碓磨炉外正北

五行:松柏木 执执位

冲:冲猴(甲申)煞北

彭祖百忌:庚不经络织机虚张 寅不祭祀神鬼不尝

吉神宜趋:月德 解神 五合 鸣吠 青龙

宜:陈词讼 沐浴 捕捉 馀事勿取

凶神宜忌:劫煞 小耗 归忌

忌:祭祀 移徙 入宅 移柩 斋醮" almanac 2013 9 21
got=$("$CLI" almanac 2000 01 01 | sed -n 3p)
check "2000-01-01 in the built table" "$([ "$got" = "岁次:己卯年 丙子月 戊午日" ]; echo $?)"
# A day outside the table prints nothing and succeeds.
expect_out "" almanac 2101 01 01
expect_out "" almanac 1900 12 31
TMPDIR_ALMANAC=$(mktemp -u)
# The range form prints each day as the one-day form does, one after
# another: here over 2023's 闰二月 (from 03-22) and 清明 (04-05).
expected=""
for n in $(seq 0 26); do
  d=$(date -u -d "2023-03-15 + $n days" +"%Y %m %d")
  expected+="$("$CLI" almanac $d)"$'\n'
done
check "almanac FROM TO equals the one-day form" \
  "$([ "$("$CLI" almanac 2023-03-15 2023-04-10)"$'\n' = "$expected" ]; echo $?)"
check "the range holds the leap month" "$("$CLI" almanac 2023-03-15 2023-04-10 | grep -q '闰二月初一'; echo $?)"
# -: one date a line, the same pages.
check "almanac - equals the range form" \
  "$([ "$(printf '2023-03-21\n2023-03-22\n' | "$CLI" almanac -)" = "$("$CLI" almanac 2023-03-21 2023-03-22)" ]; echo $?)"
printf '2023-03-21\nnot a date\n2023-03-22\n' | "$CLI" almanac - >"$TMPDIR_ALMANAC.out" 2>"$TMPDIR_ALMANAC.err"; rc=$?
check "almanac - goes on after a bad line (exit 2)" \
  "$([ "$rc" = 2 ] && grep -q '^line 2: ' "$TMPDIR_ALMANAC.err" && [ "$(grep -c '^当日统览' "$TMPDIR_ALMANAC.out")" = 2 ]; echo $?)"
rm -f "$TMPDIR_ALMANAC.out" "$TMPDIR_ALMANAC.err"
expect_fail 2 "" almanac 2023-04-10 2023-03-15
expect_fail 2 "1901-01-01" almanac 1900-12-31
# --explain: after the page, one line per word, with its spirits and rule.
got=$("$CLI" almanac 2013 9 21 --explain)
check "--explain: the page first" "$([ "$(printf '%s\n' "$got" | head -19)" = "$("$CLI" almanac 2013 9 21)" ]; echo $?)"
check "--explain: no burial on 2013-09-21, for 劫煞 and the settlement" \
  "$(printf '%s\n' "$got" | grep '^宜 馀事勿取：' | grep -q '安葬.*（劫煞所忌，从宜亦从忌）'; echo $?)"
check "--explain: one line per forbidden word" "$([ "$(printf '%s\n' "$got" | grep -c '^忌 ')" = 5 ]; echo $?)"
check "--explain: 2026-12-10 诸事皆忌 for 月破" \
  "$("$CLI" almanac 2026-12-10 --explain | grep -q '^忌 诸事不宜：月破.*无德 → 诸事皆忌$'; echo $?)"
