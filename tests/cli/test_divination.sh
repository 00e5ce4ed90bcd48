# number and netname on the command line.
T=$'\t'
TYPE1="主人性格类型：[做事喜好凭直觉型]，其具体表现为：凭直觉做决定，反应快而灵感足，常能一眼看穿问题。感情上重第一印象，一见倾心便全心投入，喜怒形于色。"
ROW0="大展鸿图，信用得固，名利双收，可获成功"

# The 81-number table for QQ and any number.
expect_out "81
${ROW0}
吉
${TYPE1}" number --kind qq 81
got=$("$CLI" number --kind any 0082 | sed -n 2,3p)
check "0082 gives row 1" "$([ "$got" = $'根基不固，摇摇欲坠，一盛一衰，劳而无获\n凶' ]; echo $?)"
got=$("$CLI" number --kind any -1 | sed -n 2p)
check "-1 gives row 80" "$([ "$got" = "最极之数，还本归元，能得繁荣，发达成功" ]; echo $?)"
got=$("$CLI" number --kind=qq 123456789012345678 | sed -n 3p)
check "an 18-digit number" "$([ "$got" = "吉带凶" ]; echo $?)"
expect_fail 2 "请输入你的QQ号码！" number --kind qq ""
expect_fail 2 "请输入你的号码！" number --kind any "  "
expect_fail 1 "'12a' is not a valid integer value" number --kind qq 12a
expect_fail 2 "--kind" number 81
expect_fail 2 "--kind" number --kind phone 81
expect_fail 2 "" number --kind qq
expect_fail 2 "" number --kind qq 1 2

# Mobile numbers without a remainder need no database.
expect_out "13800000080
超吉
超吉
超吉不做详细评论" number --kind mobile 13800000080
expect_stdin 0 $'1380000\n' "1380000${T}超吉${T}超吉${T}超吉不做详细评论" number --kind mobile -
expect_fail 2 "请输入11位手机号码！" number --kind mobile ""

# The shouji rows come from KelFile.dll beside the program: run a copy of it
# in a folder of its own with a small database.
dir=$(mktemp -d)
cp "$CLI" "$dir/vantrel-cli"
sqlite3 "$dir/KelFile.dll" "create table shouji(num TEXT, title TEXT, jx TEXT, content TEXT);
  insert into shouji values('23', ' 锦上添花 ', '吉', '第二十三行');
  insert into shouji values('79', '守成有余', '吉带凶', '第七十九行');"
REAL_CLI=$CLI
CLI=$dir/vantrel-cli
expect_out "13800000023
锦上添花
吉
第二十三行" number --kind mobile 13800000023
expect_stdin 0 $'13800009999\n13800000040\n13800000080\n' \
  "13800009999${T}守成有余${T}吉带凶${T}第七十九行
13800000040${T}${T}${T}
13800000080${T}超吉${T}超吉${T}超吉不做详细评论" number --kind mobile -
# Without the database the dialog keeps its fields: nothing to print.
rm "$dir/KelFile.dll"
expect_fail 1 "KelFile.dll" number --kind mobile 13800000023
CLI=$REAL_CLI
rm -rf "$dir"

# Batch: an empty line gets the dialog's message, a non-number its error.
expect_stdin 2 $'81\n\n12a\n162\n' "81${T}${ROW0}${T}吉${T}${TYPE1}


162${T}${ROW0}${T}吉${T}${TYPE1}" number --kind qq -

# Net names.
expect_out "你的网名：小明
你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱" netname 小明
expect_out "你的网名：ABC
你的性格：可爱，较明显的自恋" netname abc
expect_out "你的网名：USER123
你的性格：可爱，较明显的自恋" netname user123
expect_out "你的网名：QQ0
你的性格：煽情高手" netname qq0
expect_out "你的网名：⑩
你的性格：煽情高手" netname ⑩
expect_out "你的网名：Θ
你的性格：自立，自强，可依靠" netname Θ
expect_out "你的网名：佛
你的性格：有抱负，志气高" netname 佛
expect_out "你的网名：天使。
你的性格：" netname 天使。
expect_out "你的网名：!!!
你的性格：" netname '!!!'
expect_fail 2 "请输入你的网名！" netname ""
expect_fail 2 "" netname
expect_stdin 2 $'长\n\n天使~\n' "你的网名：长${T}你的性格：老实，想问题容易兜圈子

你的网名：天使~${T}你的性格：心胸宽大，有深藏不露的自恋" netname -
got=$(printf '行\n' | iconv -f UTF-8 -t GBK | "$CLI" --encoding gbk netname - | iconv -f GBK -t UTF-8)
check "netname in GBK" "$([ "$got" = "你的网名：行${T}你的性格：自立，自强，可依靠" ]; echo $?)"
check "number --help" "$("$CLI" number --help | grep -q Usage; echo $?)"
