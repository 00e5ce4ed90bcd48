# jq: the jie instants stored in Tgcode.dll.
T=$'\t'
got=$("$CLI" jq 2013)
check "jq 2013 has the twelve jie" "$([ "$(printf '%s\n' "$got" | wc -l)" -eq 12 ]; echo $?)"
check "jq 2013 opens with 小寒 on 5 January" \
  "$(case "$(printf '%s\n' "$got" | head -1)" in "小寒${T}2013-01-05 "??:??:??) echo 0 ;; *) echo 1 ;; esac)"
check "jq 2013 has 立春 at 00:13" \
  "$(case "$(printf '%s\n' "$got" | sed -n 2p)" in "立春${T}2013-02-04 00:1"[234]":"??) echo 0 ;; *) echo 1 ;; esac)"
check "jq 2013 closes with 大雪 in December" \
  "$(case "$(printf '%s\n' "$got" | tail -1)" in "大雪${T}2013-12-"*) echo 0 ;; *) echo 1 ;; esac)"
names=$(printf '%s\n' "$got" | cut -f1 | tr '\n' ' ')
check "jq 2013 lists the jie in calendar order" \
  "$([ "$names" = "小寒 立春 惊蛰 清明 立夏 芒种 小暑 立秋 白露 寒露 立冬 大雪 " ]; echo $?)"
expect_out "" jq 1899
expect_out "" jq 2101
expect_fail 2 "is not a year" jq 20x3
expect_fail 2 "" jq
expect_fail 2 "" jq 2013 2014
got=$("$CLI" --encoding gbk jq 2000 | head -1 | iconv -f GBK -t UTF-8)
check "jq in GBK" "$(case "$got" in "小寒${T}2000-01-06 09:0"*) echo 0 ;; *) echo 1 ;; esac)"
