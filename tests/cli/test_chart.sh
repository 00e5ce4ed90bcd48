# bazi, shensha and block on the command line.
T=$'\t'
expect_out "己卯${T}丙子${T}戊午${T}壬子${T}0${T}1${T}9${T}丁卯${T}丙子 乙亥 甲戌 癸酉 壬申 辛未 庚午 己巳 戊辰 丁卯${T}乙|癸辛己|己丁|癸" \
  bazi 2000-01-01 0 0 男
expect_out "庚午${T}壬午${T}癸卯${T}丙辰${T}0${T}0${T}10${T}癸酉${T}壬午 癸未 甲申 乙酉 丙戌 丁亥 戊子 己丑 庚寅 辛卯${T}己丁|己丁|乙|乙戊癸" \
  bazi 1990-06-07 8 0 男
# A date that does not exist or lies outside the lunar calendar: the notice, exit 2.
expect_fail 2 "请检查输入数据是否出错！" bazi 2013-02-29 0 0 男
expect_fail 2 "请检查输入数据是否出错！" bazi 1900-01-30 12 0 女
expect_fail 2 "请检查输入数据是否出错！" bazi 2101-01-01 12 0 女
# An hour that is not 0..23 or an hour item: a usage error naming the value.
for hour in 24 zero 1e10 12.5 -1 +5 "子 100" " 7"; do
  expect_fail 2 "the hour is 0..23 or an hour item such as 子 23, not $hour" bazi 2000-01-01 "$hour" 0 男
done
expect_out "$("$CLI" bazi 2000-01-01 23 0 男)" bazi 2000-01-01 "子 23" 0 男
expect_out "$("$CLI" bazi 2000-01-01 7 0 男)" bazi 2000-01-01 07 0 男
# Words that are not numbers: exit 1.
expect_fail 1 "'2000-x-1' is not a valid date" bazi 2000-x-1 0 0 男
expect_fail 1 "'zero' is not a valid integer value" bazi 2000-01-01 0 zero 男
expect_fail 2 "" bazi 2000-01-01 0 0
# Batch: one line per input, an empty line where the notice stopped it.
expect_stdin 2 $'2000-01-01 0 0 男\n2013-2-29 0 0 男\n1984-03-15 12 0 男\n' \
  "己卯${T}丙子${T}戊午${T}壬子${T}0${T}1${T}9${T}丁卯${T}丙子 乙亥 甲戌 癸酉 壬申 辛未 庚午 己巳 戊辰 丁卯${T}乙|癸辛己|己丁|癸

甲子${T}丁卯${T}戊申${T}戊午${T}0${T}0${T}7${T}戊午${T}丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉 甲戌 乙亥 丙子${T}癸|乙|戊庚壬|己丁" bazi -
got=$("$CLI" --encoding gbk bazi 2000-01-01 0 0 "$(printf '男' | iconv -f UTF-8 -t GBK)" | iconv -f GBK -t UTF-8 | cut -f1-7)
check "bazi in GBK" "$([ "$got" = "己卯${T}丙子${T}戊午${T}壬子${T}0${T}1${T}9" ]; echo $?)"

# The shensha lines of the shipped rule files.
expect_out "年柱：将星   咸池
月柱：天乙贵人 咸池 红鸾 勾绞煞   灾煞 空亡
日柱：天喜 勾绞煞 丧门  羊刃 将星 孤鸾煞
时柱：天乙贵人 咸池 红鸾 勾绞煞 月德贵人  灾煞 空亡" shensha 2000-01-01 0 0 男
expect_fail 2 "请检查输入数据是否出错！" shensha 2013-02-29 0 0 男

# The main block: 47 lines; its computed lines do not depend on the database.
block=$("$CLI" block 2000-01-01 0 0 男)
check "block has 47 lines" "$([ "$("$CLI" block 2000-01-01 0 0 男 | wc -l)" -eq 47 ]; echo $?)"
check "block 八字 line" "$([ "$(printf '%s\n' "$block" | sed -n 4p)" = "八字：己卯   丙子   戊午   壬子" ]; echo $?)"
check "block 流年 row from lunar 1999" "$(printf '%s\n' "$block" | sed -n 16p | grep -q '^流年：己卯   戊子'; echo $?)"
check "bazi --help" "$("$CLI" bazi --help | grep -q Usage; echo $?)"
