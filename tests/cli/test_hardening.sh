# Hostile input and tampered data files on the command line.
T=$'\t'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A copy of the program folder whose data files a case may damage.
program_copy() {
  local dir="$work/$1"
  mkdir -p "$dir"
  cp "$CLI" "$dir/"
  cp -r "$(dirname "$CLI")/KelFile.dll" "$(dirname "$CLI")/Tgcode.dll" "$(dirname "$CLI")/shensha" "$dir/"
  chmod -R u+w "$dir"
  echo "$dir"
}

# Stored numbers out of range count as no row: the jie instants and the weights.
dir=$(program_copy jq)
sqlite3 "$dir/Tgcode.dll" "UPDATE JQ SET SJ = 1e300 WHERE YearA = 2013"
sqlite3 "$dir/Tgcode.dll" "UPDATE JQ SET SJ = -1e300 WHERE YearA = 2014"
got=$("$dir/vantrel-cli" jq 2013 2>&1); rc=$?
check "jq over instants of 1e300 prints no row" "$([ "$rc" -eq 0 ] && [ -z "$got" ]; echo $?)"
got=$("$dir/vantrel-cli" jq 2014 2>&1); rc=$?
check "jq over instants of -1e300 prints no row" "$([ "$rc" -eq 0 ] && [ -z "$got" ]; echo $?)"
check "a chart still casts over tampered instants" \
  "$("$dir/vantrel-cli" bazi 2013-02-04 0 0 男 >/dev/null; echo $?)"
sqlite3 "$dir/KelFile.dll" "UPDATE chenggu1 SET weight = 1e308; UPDATE chenggu2 SET weight = -5"
got=$("$dir/vantrel-cli" chart 2>&1); rc=$?
check "a chart report over tampered weights ends normally" "$([ "$rc" -eq 0 ]; echo $?)"

# Typed texts reach a terminal escaped; redirected output stays byte for byte.
# A terminal needs a pseudo-terminal; a machine without one (a container with
# no devpts) leaves these two cases to the unit tests of the escaping itself.
# script runs the command with $SHELL, which a bare environment may not set,
# and the quoting below is bash's.
on_terminal() { SHELL=/bin/bash script -qec "$1" /dev/null </dev/null; }
pty_probe=$(on_terminal 'test -t 1 && echo on-a-terminal' 2>&1)
if [[ "$pty_probe" == *on-a-terminal* ]]; then
  got=$(on_terminal "'$CLI' lunar $'\\e[31mred'" 2>&1)
  check "an escape sequence is shown escaped on a terminal" \
    "$(case "$got" in *'\x1b[31mred'*) printf '%s' "$got" | grep -q $'\e'; [ $? -ne 0 ]; echo $? ;; *) echo 1 ;; esac)"
  got=$(on_terminal "'$CLI' netname $'\\xff\\xfeab'")
  check "broken UTF-8 becomes U+FFFD on a terminal" \
    "$(case "$got" in *$'\xef\xbf\xbd\xef\xbf\xbdAB'*) echo 0 ;; *) echo 1 ;; esac)"
else
  echo "SKIP: no pseudo-terminal here ($pty_probe); the terminal cases did not run"
fi
got=$("$CLI" lunar $'\e[31mred' 2>&1 >/dev/null)
check "redirected error output keeps the bytes" "$(printf '%s' "$got" | grep -q $'\e\\[31mred'; echo $?)"
got=$("$CLI" netname $'\xff\xfeab' | head -1 | od -An -tx1 | tr -d ' \n')
check "redirected output keeps broken UTF-8" "$(case "$got" in *fffe4142*) echo 0 ;; *) echo 1 ;; esac)"

# Batch input: a NUL inside a line, and a line over 64 KiB.
got=$(printf '2013-09\0-21\n2013-09-21\n' | "$CLI" lunar - 2>"$work/err"); rc=$?
check "a NUL line exits 2" "$([ "$rc" -eq 2 ]; echo $?)"
check "a NUL line names its line and shows the NUL" \
  "$(grep -qF "line 1: the line holds a NUL character: '2013-09\\0-21'" "$work/err"; echo $?)"
check "the line after a NUL line is read" "$(printf '%s\n' "$got" | sed -n 2p | grep -q '^2013-09-21'; echo $?)"
got=$({ head -c 70000 /dev/zero | tr '\0' '1'; printf '\n2013-09-21\n'; } | "$CLI" lunar - 2>"$work/err"); rc=$?
check "a long line exits 2" "$([ "$rc" -eq 2 ]; echo $?)"
check "a long line is refused with a message" "$(grep -q "line 1: the line is longer than 64 KiB" "$work/err"; echo $?)"
check "the line after a long line is read" "$(printf '%s\n' "$got" | sed -n 2p | grep -q '^2013-09-21'; echo $?)"

# Impossible hours in the report options.
expect_fail 2 "the hour is 0..23 or an hour item such as 子 23, not 1e10" chart --hour 1e10
expect_fail 2 "the hour is 0..23 or an hour item such as 子 23, not 24" chart --hour 24
expect_fail 2 "the hour is 0..23 or an hour item such as 子 23, not 子${T}5" constellation --hour "子${T}5"
expect_fail 2 "the hour is 0..23 or an hour item such as 子 23, not 12.5" marriage --man-name 甲 --man-hour 12.5
expect_fail 2 "the hour is 0..23 or an hour item such as 子 23, not 子 100" chart --hour "子 100"
check "an hour item is taken as it stands" "$("$CLI" chart --hour "午 12" | grep -q '^您出生公历：1980年01月01日12点0分'; echo $?)"

# A damaged main database file: one line naming the file and the reason.
dir=$(program_copy damaged)
printf 'not a database at all, just some bytes' >"$dir/KelFile.dll"
for report in chart constellation; do
  "$dir/vantrel-cli" $report >/dev/null 2>"$work/err"; rc=$?
  check "$report over a damaged KelFile.dll exits 1" "$([ "$rc" -eq 1 ]; echo $?)"
  check "$report names the damaged file" "$(grep -q 'KelFile.dll' "$work/err"; echo $?)"
  check "$report says one line" "$([ "$(wc -l <"$work/err")" -eq 1 ]; echo $?)"
done

# A rule file over 1 MiB is refused with the rule reader's error.
dir=$(program_copy large)
head -c 2000000 /dev/zero | tr '\0' ' ' >"$dir/shensha/rizhu.txt"
"$dir/vantrel-cli" chart >/dev/null 2>"$work/err"; rc=$?
check "a chart over a 2 MB rule file exits 1" "$([ "$rc" -eq 1 ]; echo $?)"
check "the rule file is named as too large" \
  "$(grep -q "Cannot open file \".*shensha/rizhu.txt\". File too large" "$work/err"; echo $?)"

# Export targets that are no regular file: written through or refused, never
# replaced.
out="$work/targets"
mkdir -p "$out"
mkfifo "$out/pipe"
"$CLI" almanac 2013 9 21 --output "$out/pipe" --quiet 2>"$work/err"; rc=$?
check "a pipe no program reads from is refused" \
  "$([ "$rc" -eq 1 ] && grep -qF "No program is reading from the pipe" "$work/err"; echo $?)"
check "the refused pipe stays a pipe" "$([ -p "$out/pipe" ]; echo $?)"
timeout 10 cat "$out/pipe" >"$work/through" &
reader=$!
timeout 10 "$CLI" almanac 2013 9 21 --output "$out/pipe" --quiet; rc=$?
wait "$reader"
check "a pipe with a reader gets the report" \
  "$([ "$rc" -eq 0 ] && [ "$(cat "$work/through")" = "$("$CLI" almanac 2013 9 21)" ]; echo $?)"
check "the pipe written through stays a pipe" "$([ -p "$out/pipe" ]; echo $?)"
python3 -c 'import socket,sys; s=socket.socket(socket.AF_UNIX); s.bind(sys.argv[1])' "$out/socket" 2>/dev/null
if [ -S "$out/socket" ]; then
  "$CLI" almanac 2013 9 21 --output "$out/socket" --quiet 2>"$work/err"; rc=$?
  check "a socket is refused and stays" \
    "$([ "$rc" -eq 1 ] && [ -S "$out/socket" ] && grep -q "It is a socket" "$work/err"; echo $?)"
else
  echo "SKIP: no python3 to make a socket; the socket case did not run"
fi
check "no temporary file is left beside the targets" \
  "$(find "$out" -name '.vantrel-*' | grep -q .; [ $? -ne 0 ]; echo $?)"

# Device nodes, /dev/stdout and /dev/full as standard output, in a private
# mount namespace whose /dev is a folder of our own: the real /dev is never
# touched.
devtest=$(cat <<'SCRIPT'
set -u
mount -t tmpfs vantrel-dev /dev || exit 77
mknod -m 666 /dev/null c 1 3 && mknod -m 666 /dev/full c 1 7 || exit 77
ln -s /proc/self/fd/1 /dev/stdout
"$CLI" almanac 2013 9 21 --output /dev/null --quiet || echo "null: exit $?"
[ -c /dev/null ] || echo "null: replaced"
"$CLI" almanac 2013 9 21 --pdf /dev/null --quiet || echo "null pdf: exit $?"
[ -c /dev/null ] || echo "null: replaced by the PDF"
[ "$("$CLI" almanac 2013 9 21 --output /dev/stdout --quiet)" = "$("$CLI" almanac 2013 9 21)" ] || echo "stdout: not the report"
[ -L /dev/stdout ] || echo "stdout: link replaced"
: >/tmp/vantrel-stdout.$$
inode=$(stat -c %i /tmp/vantrel-stdout.$$)
"$CLI" almanac 2013 9 21 --output /dev/stdout --quiet >/tmp/vantrel-stdout.$$
"$CLI" almanac 2013 9 21 >/tmp/vantrel-expected.$$
cmp -s /tmp/vantrel-stdout.$$ /tmp/vantrel-expected.$$ || echo "stdout to a file: not the report"
[ "$(stat -c %i /tmp/vantrel-stdout.$$)" = "$inode" ] || echo "stdout to a file: the file was replaced"
rm -f /tmp/vantrel-stdout.$$ /tmp/vantrel-expected.$$
"$CLI" almanac 2013 9 21 --output /dev/full --quiet 2>/tmp/vantrel-full-err.$$; rc=$?
[ "$rc" -eq 1 ] && grep -q "No space left on device" /tmp/vantrel-full-err.$$ || echo "full: exit $rc"
[ -c /dev/full ] || echo "full: replaced"
for args in "chart --hour 12" "places" "solartime 2000-06-15 12:00 --longitude 87.6" "lunar 2013-09-21"; do
  "$CLI" $args >/dev/full 2>/tmp/vantrel-full-err.$$; rc=$?
  [ "$rc" -eq 1 ] && [ "$(wc -l </tmp/vantrel-full-err.$$)" -eq 1 ] &&
    grep -q "cannot write to standard output: No space left on device" /tmp/vantrel-full-err.$$ ||
    echo "stdout full: $args exit $rc"
done
printf '2013-09-21\n2013-09-22\n' | "$CLI" lunar - >/dev/full 2>/dev/null; rc=$?
[ "$rc" -eq 1 ] || echo "stdout full: batch exit $rc"
rm -f /tmp/vantrel-full-err.$$
echo done
SCRIPT
)
got=$(CLI=$CLI unshare --mount --propagation private bash -c "$devtest" 2>&1); rc=$?
if [ "$rc" -eq 77 ] || { [ "$rc" -ne 0 ] && [[ "$got" != *done* ]]; }; then
  echo "SKIP: no private mount namespace here ($got); the device-node cases did not run"
else
  check "device nodes are written through, never replaced ($got)" "$([ "$got" = done ]; echo $?)"
fi

# A closed standard output is an error too.
"$CLI" lunar 2013-09-21 >&- 2>"$work/err"; rc=$?
check "a closed standard output exits 1 with one line" \
  "$([ "$rc" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q 'standard output' "$work/err"; echo $?)"

# Regular files: permissions, owner and set-ID bits; a read-only file for a
# user who may not write it; links.
"$CLI" almanac 2013 9 21 --output "$out/kept.txt" --quiet
chmod 4755 "$out/kept.txt"
"$CLI" almanac 2013 9 22 --output "$out/kept.txt" --quiet
check "a set-user-ID bit is never copied" "$([ "$(stat -c %a "$out/kept.txt")" = 755 ]; echo $?)"
ln -s kept.txt "$out/link.txt"
"$CLI" almanac 2013 9 23 --output "$out/link.txt" --quiet
check "a symbolic link stays and its file gets the report" \
  "$([ -L "$out/link.txt" ] && grep -q '2013' "$out/kept.txt" && [ "$(cat "$out/kept.txt")" = "$("$CLI" almanac 2013 9 23)" ]; echo $?)"
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$out/kept.txt"
  "$CLI" almanac 2013 9 21 --output "$out/kept.txt" --quiet
  check "root's export keeps the file's owner" "$([ "$(stat -c %u:%g "$out/kept.txt")" = 65534:65534 ]; echo $?)"
fi
ro="$work/ro"
mkdir -p "$ro" && chmod 0777 "$ro" && chmod 0755 "$work"
printf 'old\n' >"$ro/report.txt" && chmod 0444 "$ro/report.txt"
as_user=""
if [ "$(id -u)" -ne 0 ]; then
  as_user=" "
elif command -v setpriv >/dev/null && setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
  as_user="setpriv --reuid=65534 --regid=65534 --clear-groups"
elif command -v runuser >/dev/null && runuser -u nobody -- true 2>/dev/null; then
  as_user="runuser -u nobody --"
fi
if [ -n "$as_user" ] && $as_user test -x "$CLI"; then
  $as_user "$CLI" almanac 2013 9 21 --output "$ro/report.txt" --quiet 2>"$work/err"; rc=$?
  check "a read-only file is refused to a user who may not write it" \
    "$([ "$rc" -eq 1 ] && grep -q "Permission denied" "$work/err" && [ "$(cat "$ro/report.txt")" = old ]; echo $?)"
else
  echo "SKIP: no unprivileged user to run as (setpriv/runuser); the read-only case did not run"
fi

# File names are their bytes.
names="$work/names"
mkdir -p "$names/sub"$'\xff'
(cd "$names" && "$CLI" almanac 2013 9 21 --quiet --pdf $'bad\xff.pdf' --output $'bad\xff.txt' &&
  "$CLI" almanac 2013 9 21 --quiet --pdf $'sub\xff/x.pdf' &&
  "$CLI" --encoding gbk almanac 2013 9 21 --quiet --output $'\xd5\xc5.txt')
check "--pdf and --output keep the bytes of the name" \
  "$([ -f "$names/bad"$'\xff.pdf' ] && [ -f "$names/bad"$'\xff.txt' ] && [ -f "$names/sub"$'\xff/x.pdf' ] &&
     [ -f "$names/"$'\xd5\xc5.txt' ] && [ "$(ls "$names" | wc -l)" -eq 4 ]; echo $?)"
expect_fail 2 "--output and --pdf name the same file" almanac 2013 9 21 --output "$names/same" --pdf "$names/same"
expect_fail 2 "--output and --pdf name the same file" almanac 2013 9 21 --output "$names/same" \
  --pdf "$names/sub"$'\xff'"/../same"
check "the refused pair writes nothing" "$([ ! -e "$names/same" ]; echo $?)"
# A text from a data file that GBK cannot hold, written under --encoding gbk.
dir=$(program_copy emoji)
sqlite3 "$dir/Tgcode.dll" "UPDATE jiazi SET layin = layin || '😀'"
"$dir/vantrel-cli" --encoding gbk chart --output "$names/gbk.txt" >/dev/null 2>"$work/err"; rc=$?
check "a character GBK lacks is named by its code point" \
  "$([ "$rc" -eq 1 ] && grep -q "The character U+1F600 cannot be written in GBK" "$work/err"; echo $?)"

# Zones are the database's names only.
for zone in zone.tab tzdata.zi leapseconds Factory localtime ../zoneinfo/UTC; do
  expect_fail 1 "'$zone' is not a time zone this system knows" solartime 2000-01-15 12:00 --longitude 100 --zone "$zone"
done
check "a link of the database is a zone" \
  "$("$CLI" solartime 2000-01-15 12:00 --longitude 100 --zone US/Eastern >/dev/null; echo $?)"

# solartime takes the dates every command takes.
for date in 0001-01-01 1900-01-30 2101-01-01 9999-12-31; do
  expect_fail 2 "请检查输入数据是否出错！" solartime "$date" 00:00 --longitude 120
done
check "the first and the last day are taken" \
  "$("$CLI" solartime 1900-01-31 00:00 --longitude 120 >/dev/null && "$CLI" solartime 2100-12-31 23:59 --longitude 120 >/dev/null; echo $?)"

# The labels name the clock that was read.
got=$("$CLI" chart --place 纽约 --year 1988 --month 6 --day 1 --hour 12 | grep '^真太阳时')
check "a place abroad names its own clock" "$([[ "$got" == *"（纽约时间1988-06-01 12:00）" ]]; echo $?)"
got=$("$CLI" chart --longitude 139.7 --zone Asia/Tokyo --year 1988 --month 6 --day 1 --hour 12 | grep '^真太阳时')
check "a zone names the clock" "$([[ "$got" == *"（Asia/Tokyo时间1988-06-01 12:00）" ]]; echo $?)"
got=$("$CLI" chart --longitude 87.6 --year 1988 --month 6 --day 1 --hour 12 | grep '^真太阳时')
check "Beijing time stays Beijing time" "$([[ "$got" == *"（北京时间1988-06-01 12:00）" ]]; echo $?)"
got=$("$CLI" solartime 2000-01-15 12:00 --longitude -6.26 --zone Europe/Dublin)
check "Dublin's winter clock is no summer time" \
  "$(grep -qx '夏令时：+0分0秒' <<<"$got" && grep -qx '经度时差：-25分[23]秒' <<<"$got"; echo $?)"
got=$("$CLI" solartime 2000-07-15 12:00 --longitude -6.26 --zone Europe/Dublin)
check "Dublin's summer clock is summer time" "$(grep -qx '夏令时：-60分0秒' <<<"$got"; echo $?)"
got=$("$CLI" solartime 1900-06-01 12:00 --longitude 120)
check "before 1901 the clock was Shanghai's local mean time" \
  "$(grep -qx '时钟时间：1900-06-01 12:00（Asia/Shanghai地方平时，子午线东经121.43度）' <<<"$got"; echo $?)"
check "from 1901 the clock line says nothing more" \
  "$("$CLI" solartime 1901-06-01 12:00 --longitude 120 | grep -qx '时钟时间：1901-06-01 12:00'; echo $?)"

# Longitudes are decimal degrees, echoed in their usual form.
for typed in 0x78 -0x1p3 1e2 inf 东经-120; do
  expect_fail 2 "the longitude is a number of degrees" chart --longitude "$typed"
done
for pair in "-0:东经0度" "+120.0:东经120度" "73.50W:西经73.5度" "东经116.4:东经116.4度"; do
  got=$("$CLI" chart --longitude "${pair%%:*}" | grep '^真太阳时')
  check "the longitude ${pair%%:*} is shown as ${pair#*:}" "$([[ "$got" == "真太阳时：按${pair#*:}校正"* ]]; echo $?)"
done

# A rule file replaced by a pipe, and a table by a view that never ends: an
# error naming the file, not a hang.
dir=$(program_copy fifo)
rm "$dir/shensha/rizhu.txt" && mkfifo "$dir/shensha/rizhu.txt"
for report in chart "marriage --man-name 甲 --woman-name 乙" "shensha 2000-01-01 0 0 男"; do
  timeout 20 "$dir/vantrel-cli" $report >/dev/null 2>"$work/err"; rc=$?
  check "$report over a pipe for a rule file ends with its error (exit $rc)" \
    "$([ "$rc" -eq 1 ] && grep -q 'shensha/rizhu.txt". Not a regular file' "$work/err"; echo $?)"
done
dir=$(program_copy recursive)
sqlite3 "$dir/KelFile.dll" "DROP TABLE huangdao; CREATE VIEW huangdao AS WITH RECURSIVE r(n) AS
  (SELECT 1 UNION ALL SELECT n + 1 FROM r) SELECT n AS gn, '' AS nn, '' AS suici, '' AS tszf, '' AS wuhang,
  '' AS cong, '' AS pzbj, '' AS jsyq, '' AS yi, '' AS xsyq, '' AS ji FROM r;"
timeout 120 "$dir/vantrel-cli" almanac 2013 9 21 >/dev/null 2>"$work/err"; rc=$?
check "almanac over an endless view ends with the file's error (exit $rc)" \
  "$([ "$rc" -eq 1 ] && grep -q 'KelFile.dll' "$work/err" && [ "$(wc -l <"$work/err")" -eq 1 ]; echo $?)"

# Smaller ones.
expect_fail 1 "holds broken UTF-8" places $'\xe5\x8c'
check "a whole prefix still lists its places" "$([ "$("$CLI" places 乌鲁)" = 乌鲁木齐 ]; echo $?)"
dir=$(program_copy jqnull)
sqlite3 "$dir/Tgcode.dll" "UPDATE JQ SET SJ = NULL WHERE YearA = 2013 AND JQ = '立春';
  UPDATE JQ SET SJ = '' WHERE YearA = 2013 AND JQ = '惊蛰'"
got=$("$dir/vantrel-cli" jq 2013 2>&1); rc=$?
check "jq skips an instant that is NULL or empty" \
  "$([ "$rc" -eq 0 ] && [ "$(wc -l <<<"$got")" -eq 10 ] && ! grep -q 1899 <<<"$got"; echo $?)"
tooldir=$(mktemp -d "$work/tool.XXXXXX")
gen="$(dirname "$CLI")/vantrel-almanac-gen"
if [ -x "$gen" ]; then
  got=$(cd "$tooldir" && "$gen" --help); rc=$?
  check "vantrel-almanac-gen --help prints its usage" "$([ "$rc" -eq 0 ] && [[ "$got" == Usage:* ]]; echo $?)"
  (cd "$tooldir" && "$gen" -o 2>/dev/null); rc=$?
  check "vantrel-almanac-gen refuses an output path beginning with '-'" "$([ "$rc" -eq 2 ]; echo $?)"
  check "nor writes anything" "$([ -z "$(ls -A "$tooldir")" ]; echo $?)"
fi
