# calendar-day and month: the month calendar's texts on the command line.
T=$'\t'
expect_out "1111${T}冬月${T}十一${T}${T}${T}元旦节${T}子鼠${T}摩羯座" calendar-day 1901-01-01
expect_out "1118${T}冬月${T}十八${T}${T}${T}${T}午马${T}摩羯座" calendar-day 2050-12-31
expect_out "817${T}八月${T}十七${T}${T}${T}${T}巳蛇${T}处女座" calendar-day 2013-9-21
expect_out "815${T}八月${T}十五${T}中秋节${T}${T}${T}巳蛇${T}处女座" calendar-day 2013-09-19
expect_out "-401${T}闰四${T}初一${T}${T}${T}${T}子鼠${T}双子座" calendar-day 2020-05-23
expect_out "-1111${T}闰冬${T}十一${T}${T}${T}元旦节${T}丑牛${T}摩羯座" calendar-day 2034-01-01
expect_out "1224${T}腊月${T}廿四${T}${T}立春${T}${T}辰龙${T}水瓶座" calendar-day 2013-02-04
expect_out "815${T}八月${T}十五${T}中秋节${T}${T}国庆节${T}巳蛇${T}天秤座" calendar-day 2001-10-01
expect_out "717${T}七月${T}十七${T}${T}处暑${T}${T}巳蛇${T}处女座" calendar-day 2013-08-23
# Outside 1901..2050 only the Gregorian festival and the constellation remain.
expect_out "0${T}${T}${T}${T}${T}${T}${T}摩羯座" calendar-day 1900-12-31
expect_out "0${T}${T}${T}${T}${T}元旦节${T}${T}摩羯座" calendar-day 2051-1-1
expect_fail 1 "'2013-2-30' is not a valid date" calendar-day 2013-2-30
expect_fail 2 "" calendar-day
expect_fail 2 "" calendar-day 2013-1-1 2013-1-2
# Batch: one line per input, an empty line for an input that fails.
expect_stdin 1 $'2013-02-09\n2013-2-30\n2013-02-10\n' \
  "1229${T}腊月${T}廿九${T}除夕${T}${T}${T}辰龙${T}水瓶座

101${T}正月${T}初一${T}春节${T}${T}${T}巳蛇${T}水瓶座" calendar-day -
got=$("$CLI" --encoding gbk calendar-day 2013-2-10 | iconv -f GBK -t UTF-8)
check "calendar-day in GBK" "$([ "$got" = "101${T}正月${T}初一${T}春节${T}${T}${T}巳蛇${T}水瓶座" ]; echo $?)"

# February 2013 starts on a Friday; the first day is selected.
expect_out "$(cat <<'EOF'
2013年2月  辰龙  1日 水瓶座
   日      一      二      三      四      五      六
                                          [1]      2
                                          廿一    廿二
   3       4       5       6       7       8       9
  廿三    立春    廿五    廿六    廿七    廿八    除夕
   10      11      12      13      14      15      16
  春节    初二    初三    初四   情人节   初六    初七
   17      18      19      20      21      22      23
  初八    雨水    初十    十一    十二    十三    十四
   24      25      26      27      28
 元宵节   十六    十七    十八    十九
EOF
)" month 2013 2
# A month of 31 days from a Saturday reaches the 37th cell.
expect_out "$(cat <<'EOF'
2014年3月  午马  31日 白羊座
   日      一      二      三      四      五      六
                                                   1
                                                  二月
   2       3       4       5       6       7       8
  初二    初三    初四    初五    惊蛰    初七   妇女节
   9       10      11      12      13      14      15
  初九    初十    十一    十二    十三    十四    十五
   16      17      18      19      20      21      22
  十六    十七    十八    十九    二十    春分    廿二
   23      24      25      26      27      28      29
  廿三    廿四    廿五    廿六    廿七    廿八    廿九
   30     [31]
  三十    三月
EOF
)" month 2014 3 --day 31
got=$("$CLI" month 2013 2 --day 31 | sed -n '1p;11p')
check "month 2013 2 --day 31 selects the 28th" \
  "$([ "$got" = "2013年2月  巳蛇  28日 双鱼座"$'\n'"   24      25      26      27     [28]" ]; echo $?)"
# The columns are eight display columns wide, a Chinese character taking two:
# in the week of 8 February 2015, 二十 is the first text and 情人节 the seventh.
line=$("$CLI" month 2015 2 | sed -n 6p | iconv -f UTF-8 -t GBK)
column() { printf '%s' "$line" | LC_ALL=C cut -b "$1" | iconv -f GBK -t UTF-8; }
check "month 2015 2 first column" "$([ "$(column 3-6)" = "二十" ]; echo $?)"
check "month 2015 2 seventh column" "$([ "$(column 50-55)" = "情人节" ]; echo $?)"
expect_fail 2 "the year must lie in 1901..2050" month 1900 12
expect_fail 2 "the year must lie in 1901..2050" month 2051 1
expect_fail 2 "the month must lie in 1..12" month 2013 0
expect_fail 2 "the month must lie in 1..12" month 2013 13
expect_fail 2 "the day must lie in 1..31" month 2013 2 --day 0
expect_fail 2 "" month 2013
expect_fail 2 "unknown option" month 2013 2 --week 1
expect_fail 1 "'x' is not a valid integer value" month 2013 x
check "month --help" "$("$CLI" month --help | grep -q Usage; echo $?)"
