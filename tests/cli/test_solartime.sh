# solartime: the true solar time of a clock time.
out=$("$CLI" solartime 2000-06-15 12:00 --longitude 87.62)
check "Urumqi: the longitude correction" "$(grep -qx '经度时差：-129分31秒' <<<"$out"; echo $?)"
check "Urumqi: the true solar time" "$(grep -q '^真太阳时：2000-06-15 09:50' <<<"$out"; echo $?)"
first=$("$CLI" solartime 1986-09-14 01:30 --longitude 116.4 | grep '^夏令时')
second=$("$CLI" solartime 1986-09-14 01:30 --longitude 116.4 --fold second | grep '^夏令时')
check "the fold's first reading is summer time" "$([ "$first" = '夏令时：-60分0秒（此时刻出现两次，按第一次计）' ]; echo $?)"
check "the fold's second reading is standard time" "$([ "$second" = '夏令时：+0分0秒（此时刻出现两次，按第二次计）' ]; echo $?)"
expect_fail 1 "did not happen in Asia/Shanghai" solartime 1986-05-04 02:30 --longitude 116.4
expect_fail 2 "the longitude is a number of degrees" solartime 2000-01-01 12:00 --longitude east
expect_fail 2 "the clock time is HH:MM" solartime 2000-01-01 24:00 --longitude 100
expect_fail 2 "--fold is first or second" solartime 2000-01-01 12:00 --longitude 100 --fold third
expect_fail 1 "is not a time zone this system knows" solartime 2000-01-01 12:00 --longitude 100 --zone Mars/Base
