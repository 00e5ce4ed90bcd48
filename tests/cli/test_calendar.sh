# lunar, solar and terms on the command line.
T=$'\t'
expect_out "2020-05-23${T}2020${T}4${T}1${T}1${T}庚子(鼠年)闰四月初一" lunar 2020-05-23
expect_out "2013-09-21${T}2013${T}8${T}17${T}0${T}癸巳(蛇年)八月十七" lunar 2013-9-21
expect_out "1900-01-30${T}0${T}0${T}0${T}0${T}" lunar 1900-01-30
expect_out "2101-01-01${T}0${T}0${T}0${T}0${T}" lunar 2101-1-1
expect_fail 1 "'2013-2-30' is not a valid date" lunar 2013-2-30
expect_fail 2 "" lunar
expect_fail 2 "" lunar 2013-1-1 2013-1-2
# Batch: one result line per input, an empty line for an input that fails.
expect_stdin 1 $'2000-02-05\n2013-2-30\n1900-01-31\n' \
  "2000-02-05${T}2000${T}1${T}1${T}0${T}庚辰(龙年)一月初一

1900-01-31${T}1900${T}1${T}1${T}0${T}庚子(鼠年)一月初一" lunar -
# GBK output on request.
got=$("$CLI" --encoding gbk lunar 2013-9-21 | iconv -f GBK -t UTF-8)
check "lunar in GBK" "$([ "$got" = "2013-09-21${T}2013${T}8${T}17${T}0${T}癸巳(蛇年)八月十七" ]; echo $?)"

expect_out "2020-05-23" solar 2020-4-1L
expect_out "2020-04-23" solar 2020-4-1
expect_out "0001-01-01" solar 2020-4-30L
expect_out "0001-01-01" solar 2020-5-1L
expect_out "0001-01-01" solar 1900-1-1
expect_out "2000-02-05" solar 2000-1-1
expect_fail 1 "not a valid lunar date" solar 2020-x-1
expect_stdin 0 $'1999-1-1\n2001-1-1\n' $'1999-02-16\n2001-01-24' solar -

got=$("$CLI" terms 2000 | sed -n 3p)
check "terms 2000 gives 立春 at about 19:08 on 4 February" \
  "$(case "$got" in "立春${T}2000-02-04 19:0"*) echo 0 ;; *) echo 1 ;; esac)"
check "terms 2013 has 24 lines" "$([ "$("$CLI" terms 2013 | wc -l)" -eq 24 ]; echo $?)"
expect_fail 2 "" terms 1899
expect_fail 2 "" terms
check "--help names the commands" "$("$CLI" --help | grep -q lunar; echo $?)"
check "lunar --help" "$("$CLI" lunar --help | grep -q Usage; echo $?)"
check "terms 1900 opens with 小寒 at 02:05" "$([ "$("$CLI" terms 1900 | head -1)" = "小寒${T}1900-01-06 02:05:00" ]; echo $?)"
