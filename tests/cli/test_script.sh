# --script: Traditional Chinese through OpenCC, input in either script.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
py=/usr/bin/python3
[ -x "$py" ] || py=python3
# opencc_branch CONFIG FILE: the opencc command's conversion of FILE, except
# that a 丑 of FILE which OpenCC made 醜 (ugly) is the branch 丑 again; every
# other character is OpenCC's.
opencc_branch() {
  "$py" - "$1" "$2" <<'EOF'
import subprocess, sys
with open(sys.argv[2], encoding="utf-8") as f:
    source = f.read()
out = subprocess.run(["opencc", "-c", sys.argv[1]], input=source, capture_output=True, encoding="utf-8",
                     check=True).stdout
if len(out) != len(source):
    sys.exit("OpenCC changed the length of the text")
sys.stdout.buffer.write("".join("丑" if s == "丑" and o == "醜" else o for s, o in zip(source, out)).encode())
EOF
}
chart=(chart --name 张伟 --year 1990 --month 6 --day 7 --hour 8)
"$CLI" "${chart[@]}" >"$dir/s.txt"
for script in tw hk; do
  "$CLI" --script $script "${chart[@]}" >"$dir/$script.txt"
  opencc_branch s2$script.json "$dir/s.txt" >"$dir/s2$script.txt"
  check "--script $script is OpenCC's s2$script of the report" "$(cmp -s "$dir/$script.txt" "$dir/s2$script.txt"; echo $?)"
done
# The branch 丑 stays 丑 (OpenCC alone reads it as 醜, ugly): the life palaces
# of a couple, the 彭祖 line of an almanac page and the branches of the hours.
palaces=(marriage --man-name 甲 --woman-name 乙 --man-year 1980 --man-hour 8 --woman-year 1982 --woman-hour 8)
"$CLI" "${palaces[@]}" >"$dir/p.txt" 2>/dev/null
"$CLI" almanac 2024 2 7 >"$dir/a.txt"
"$CLI" bazi 1990-06-07 unknown 0 男 | sed -n '3,14p' | cut -c1-3 >"$dir/h.txt"
check "OpenCC alone makes the branch 醜" "$(opencc -c s2tw.json -i "$dir/p.txt" | grep -q '男命宮：醜'; echo $?)"
for script in tw hk; do
  "$CLI" --script $script "${palaces[@]}" >"$dir/p-$script.txt" 2>/dev/null
  check "--script $script: 男命宫 丑" "$(grep -qx '男命宮：丑 屬於東四命' "$dir/p-$script.txt"; echo $?)"
  check "--script $script: no 醜 in the marriage report" "$(grep -q 醜 "$dir/p-$script.txt"; [ $? -eq 1 ]; echo $?)"
  check "--script $script: the marriage report is OpenCC's but for 丑" \
    "$(cmp -s "$dir/p-$script.txt" <(opencc_branch s2$script.json "$dir/p.txt"); echo $?)"
  check "--script $script: 丑不冠带" "$("$CLI" --script $script almanac 2024 2 7 | grep -q ' 丑不冠帶主不還鄉$'; echo $?)"
  check "--script $script: the almanac is OpenCC's but for 丑" \
    "$(cmp -s <("$CLI" --script $script almanac 2024 2 7) <(opencc_branch s2$script.json "$dir/a.txt"); echo $?)"
  check "--script $script: the branches of the twelve hours" \
    "$(cmp -s <("$CLI" --script $script bazi 1990-06-07 unknown 0 男 | sed -n '3,14p' | cut -c1-3) "$dir/h.txt"; echo $?)"
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
