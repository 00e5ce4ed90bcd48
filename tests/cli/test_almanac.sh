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
