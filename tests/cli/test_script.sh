# --script: Traditional Chinese through OpenCC, input in either script.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
chart=(chart --name 张伟 --year 1990 --month 6 --day 7 --hour 8)
"$CLI" "${chart[@]}" >"$dir/s.txt"
for script in tw hk; do
  "$CLI" --script $script "${chart[@]}" >"$dir/$script.txt"
  opencc -c s2$script.json -i "$dir/s.txt" -o "$dir/s2$script.txt"
  check "--script $script is OpenCC's s2$script of the report" "$(cmp -s "$dir/$script.txt" "$dir/s2$script.txt"; echo $?)"
done
check "--script tw writes 繁體" "$(grep -qx '農曆：庚午(馬年)五月十五' "$dir/tw.txt"; echo $?)"
check "--script simplified changes nothing" \
  "$(cmp -s <("$CLI" --script simplified "${chart[@]}") "$dir/s.txt"; echo $?)"
expect_fail 2 "unknown script big5" --script big5 "${chart[@]}"
# The marriage report and its file, in GBK too.
couple=(marriage --man-name 张伟 --woman-name 李娜 --woman-year 1982)
"$CLI" "${couple[@]}" >"$dir/m.txt"
"$CLI" --script tw "${couple[@]}" --quiet --output "$dir/m-tw.txt"
check "the written file is converted" "$(cmp -s "$dir/m-tw.txt" <(opencc -c s2tw.json -i "$dir/m.txt"); echo $?)"
# Under --encoding gbk the typed names are GBK too.
gbk=(marriage --man-name "$(printf 张伟 | iconv -f UTF-8 -t GBK)" --woman-name "$(printf 李娜 | iconv -f UTF-8 -t GBK)" --woman-year 1982)
"$CLI" --encoding gbk --script tw "${gbk[@]}" --quiet --output "$dir/m-gbk.txt" 2>/dev/null
check "GBK holds the traditional report" \
  "$(cmp -s <(iconv -f GBK -t UTF-8 "$dir/m-gbk.txt" | tr -d '\r') "$dir/m-tw.txt"; echo $?)"
# Other commands convert too; numbers and English messages stay as they are.
check "the almanac in 繁體" "$([ "$("$CLI" --script tw almanac 2024 2 10)" = "$("$CLI" almanac 2024 2 10 | opencc -c s2tw.json)" ]; echo $?)"
# Warnings on standard error follow the script.
err=$("$CLI" --script tw bazi 2024-02-04 16 22 男 2>&1 >/dev/null)
check "a warning in 繁體" "$([ "$err" = "出生時刻距立春僅 5 分鐘，月柱取決於準確時刻" ]; echo $?)"
# A birthplace typed in either script is found.
T=$'\t'
check "烏魯木齊 is 乌鲁木齐" \
  "$([ "$("$CLI" bazi --place 烏魯木齊 2000-01-01 12 0 男)" = "$("$CLI" bazi --place 乌鲁木齐 2000-01-01 12 0 男)" ]; echo $?)"
check "臺北 is found" "$("$CLI" bazi --place 臺北 2000-01-01 12 0 男 >/dev/null; echo $?)"
