# choose-day: the wedding day of a couple, other activities, the reasons of
# one day, the files, and the messages of bad input.
couple=(--from 2027-01-01 --to 2027-12-31 --man-name 张伟 --man-year 1998 --man-month 3 --man-day 5
        --woman-name 李娜 --woman-year 2000 --woman-month 7 --woman-day 9)
expect_out "择日：嫁娶
日期范围：2027-01-01 至 2027-12-31
男方（张伟）：年柱戊寅 日柱辛亥
女方（李娜）：年柱庚辰 日柱戊辰
共查365天，可选65天

1. 2027-01-11 周一 腊月初四 庚寅日 得分13；宜嫁娶；不将；天德；月德；等第上次；女命妨翁姑、周堂值翁（俗例，未采用）；不冲男方寅年、女方辰年；非岁破、月破、四离、四绝、往亡" \
  choose-day "${couple[@]}" --limit 1
expect_out "2027-05-29 不选：黄历不宜嫁娶；日支申冲男方寅年" choose-day "${couple[@]}" --explain 2027-05-29
got=$("$CLI" choose-day "${couple[@]}" --explain 2027-01-11)
check "a chosen day says its rank" "$([[ $got == "2027-01-11 可选（第1名）："* ]]; echo $?)"
# No listed day clashes either partner's year (寅 and 辰): no 申 or 戌 day.
got=$("$CLI" choose-day "${couple[@]}" | sed -n '7,$p' | awk '{print $5}' | grep -cE '(申|戌)日')
check "no day clashes the couple" "$([ "$got" = 0 ]; echo $?)"
# The popular rules make the list shorter, and only when asked for.
all=$("$CLI" choose-day "${couple[@]}" | sed -n 5p)
popular=$("$CLI" choose-day "${couple[@]}" --popular-rules | sed -n 6p)
check "popular rules off by default" "$([ "$all" = "共查365天，可选65天" ]; echo $?)"
check "popular rules shorten the list" "$([[ $popular == 共查365天，可选* && $popular != "$all" ]]; echo $?)"
# Another activity with people, and with none.
got=$("$CLI" choose-day --activity 入宅 --from 2027-03-01 --to 2027-03-31 --person-name 王芳 --person-year 1990 \
  --person-month 2 --person-day 3 --person-name 赵强 --person-year 1985 --person-month 6 --person-day 1 | sed -n 3,4p)
check "two persons" "$([ "$got" = "王芳：年柱己巳 日柱己亥
赵强：年柱乙丑 日柱辛未" ]; echo $?)"
got=$("$CLI" choose-day --activity 祭祀 --from 2027-03-01 --to 2027-03-31 | sed -n 3p)
check "the almanac alone" "$([[ $got == 共查31天，可选* ]]; echo $?)"
# JSON, and the calendar file.
got=$("$CLI" --json choose-day "${couple[@]}" --limit 2 | python3 -c 'import json,sys; j=json.load(sys.stdin); print(j["activity"], len(j["days"]), j["days"][0]["date"], j["days"][0]["rank"])')
check "--json" "$([ "$got" = "嫁娶 2 2027-01-11 1" ]; echo $?)"
dir=$(mktemp -d)
"$CLI" choose-day "${couple[@]}" --limit 3 --ics "$dir/days.ics" --quiet
check "--ics: three all-day events" "$([ "$(grep -c 'DTSTART;VALUE=DATE:' "$dir/days.ics")" = 3 ]; echo $?)"
check "--ics: stable UIDs" "$(grep -q 'UID:chosen-day-20270111-e5ab81e5a8b6@vantrel' "$dir/days.ics"; echo $?)"
rm -rf "$dir"
# Bad input: a message in Chinese, exit 2, nothing on standard output.
expect_fail 2 "开始日期（2027-02-01）晚于结束日期（2027-01-01）。" choose-day --from 2027-02-01 --to 2027-01-01 --man-year 1990 --woman-year 1991
expect_fail 2 "日期范围须在1901-01-01至2100-12-31之间。" choose-day --from 1900-06-01 --to 1901-01-31 --man-year 1990 --woman-year 1991
expect_fail 2 "日期范围最多十年。" choose-day --from 2020-01-01 --to 2031-01-01 --man-year 1990 --woman-year 1991
expect_fail 2 "未知的事项：“飞升”。" choose-day --activity 飞升
expect_fail 2 "嫁娶择日须有男女双方的出生资料。" choose-day --man-year 1990
expect_fail 2 "女方的出生日期有误，请检查输入数据是否出错！" choose-day --man-year 1990 --woman-year 1991 --woman-month 2 --woman-day 30
expect_fail 2 "结束日期“2027-13-01”不是有效的日期。" choose-day --to 2027-13-01 --man-year 1990 --woman-year 1991
got=$("$CLI" choose-day --from 2027-02-01 --to 2027-01-01 --man-year 1990 --woman-year 1991 2>/dev/null)
check "a notice prints nothing" "$([ -z "$got" ]; echo $?)"
expect_fail 2 "" choose-day --activity 入宅 --man-year 1990
# The couple's birthplace moves a birth just after midnight back a day.
got=$("$CLI" choose-day --from 2027-01-01 --to 2027-01-31 --man-year 1998 --man-month 3 --man-day 5 --man-hour 0 \
  --man-minute 10 --man-place 喀什 --woman-year 2000 --woman-month 7 --woman-day 9 | sed -n 3p)
check "--man-place corrects the birth" "$([ "$got" = "男方：年柱戊寅 日柱庚戌" ]; echo $?)"
expect_fail 2 "" choose-day --activity 入宅 --man-place 喀什
