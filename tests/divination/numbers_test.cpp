#include "divination/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "common/errors.h"
#include "common/text.h"
#include "tests/support/fixture.h"
#include "tools/resource_format.h"

namespace vantrel {
namespace {

void ExpectRow(int row, std::string_view verdict, std::string_view luck, int type) {
  const NumberRow& r = NumberTableRow(row);
  EXPECT_EQ(r.verdict, verdict) << "row " << row;
  EXPECT_EQ(r.luck, luck) << "row " << row;
  EXPECT_EQ(r.type, type) << "row " << row;
}

TEST(NumberTable, RowsAsTheProgramHasThem) {
  ExpectRow(0, "大展鸿图，信用得固，名利双收，可获成功", "吉", 1);
  ExpectRow(1, "根基不固，摇摇欲坠，一盛一衰，劳而无获", "凶", 2);
  ExpectRow(26, "一成一败，一盛一衰，惟靠谨慎，可守成功", "凶带吉", 1);
  // The program's own slips stay as they are.
  ExpectRow(67, "思虎虑周祥，计书力行，不失先机，可望成功", "吉", 6);
  EXPECT_EQ(NumberTableRow(51).verdict, "草木逢春，雨过天晴，渡过难关，即获得成功");
  ExpectRow(80, "最极之数，还本归元，能得繁荣，发达成功", "吉", 1);
  EXPECT_EQ(NumberTableRow(39).luck, "吉带凶");
  EXPECT_THROW(NumberTableRow(-1), std::out_of_range);
  EXPECT_THROW(NumberTableRow(81), std::out_of_range);
}

TEST(NumberTable, TypesCycleThroughRow24AndThenFollowTheList) {
  for (int row = 0; row <= 24; ++row) EXPECT_EQ(NumberTableRow(row).type, row % 9 + 1) << "row " << row;
  EXPECT_EQ(NumberTableRow(25).type, 9);
  EXPECT_EQ(NumberTableRow(27).type, 9);
  EXPECT_EQ(NumberTableRow(44).type, 3);
  EXPECT_EQ(NumberTableRow(54).type, 5);
  EXPECT_EQ(NumberTableRow(73).type, 2);
  EXPECT_EQ(NumberTableRow(79).type, 9);
}

TEST(NumberTable, EveryRowHasFourPhrasesAndAKnownLuckWord) {
  const std::set<std::string_view> luck_words = {"吉", "凶", "吉带凶", "凶带吉"};
  for (int row = 0; row < kNumberTableRows; ++row) {
    const NumberRow& r = NumberTableRow(row);
    const auto chars = text::Characters(r.verdict);
    EXPECT_EQ(std::count(chars.begin(), chars.end(), "，"), 3) << "row " << row;
    EXPECT_TRUE(luck_words.count(r.luck)) << "row " << row;
    EXPECT_GE(r.type, 1);
    EXPECT_LE(r.type, 9);
  }
}

// The opening of every type text and the number of characters after it.
struct TypeShape {
  const char* opening;
  std::size_t following;
};
constexpr TypeShape kTypeShapes[9] = {
    {"主人性格类型：[做事喜好凭直觉型]，其具体表现为：", 49},
    {"主人性格类型：[独断独行/吸引人型]，其具体表现为：", 64},
    {"主人性格类型：[热情/善变梦想家型]，其具体表现为：", 56},
    {"主人性格类型：[自我牺牲/性格被动型]，其具体表现为：", 63},
    {"主人性格类型：[要面包不要爱情型]，其具体表现为：", 67},
    {"主人性格类型：[不善表达/疑心大型]，其具体表现为：", 62},
    {"主人性格类型：[大胆行事冲动派型]，其具体表现为：", 57},
    {"主人性格类型：[高度戒备难交心型]，其具体表现为：", 77},
    {"主人性格类型：[好奇心旺求知欲强型]，其具体表现为：", 55},
};

TEST(NumberTypes, OpenAsGivenAndRunToTheirLength) {
  for (int type = 1; type <= 9; ++type) {
    const std::string_view t = NumberTypeText(type);
    const std::string_view opening = kTypeShapes[type - 1].opening;
    ASSERT_EQ(t.substr(0, opening.size()), opening) << "type " << type;
    EXPECT_EQ(text::CharCount(t.substr(opening.size())), kTypeShapes[type - 1].following) << "type " << type;
    // The dialogs split a row at "|": a type text must not hold one.
    EXPECT_EQ(t.find('|'), std::string_view::npos);
  }
  EXPECT_THROW(NumberTypeText(0), std::out_of_range);
  EXPECT_THROW(NumberTypeText(10), std::out_of_range);
}

TEST(NumberTypes, CompiledInExactlyAsTheResourceTableHasThem) {
  const auto table =
      tools::ReadResourceTable(std::string(VANTREL_SOURCE_DIR) + "/resources/texts/number_types.tsv");
  ASSERT_EQ(table.rows.size(), 9u);
  for (const auto& row : table.rows) {
    EXPECT_EQ(NumberTypeText(std::stoi(row[table.Column("type")])), row[table.Column("text")]);
  }
}

TEST(NumberVerdict, ReducesModulo81) {
  EXPECT_EQ(NumberTableRowOf("81"), 0);
  EXPECT_EQ(NumberTableRowOf("162"), 0);
  EXPECT_EQ(NumberTableRowOf("0"), 0);
  EXPECT_EQ(NumberTableRowOf("80"), 80);
  EXPECT_EQ(NumberTableRowOf("1"), 1);
  EXPECT_EQ(NumberTableRowOf("0082"), 1);
  EXPECT_EQ(NumberTableRowOf("+5"), 5);
}

TEST(NumberVerdict, TakesTheRemainderOfANegativeNumberIn0To80) {
  EXPECT_EQ(NumberTableRowOf("-1"), 80);
  EXPECT_EQ(NumberTableRowOf("-5"), 76);
  EXPECT_EQ(NumberTableRowOf("-81"), 0);
  EXPECT_EQ(NumberTableRowOf("-82"), 80);
  EXPECT_EQ(NumberTableRowOf("-9223372036854775808"), 55);
}

TEST(NumberVerdict, ReadsEighteenDigitsAndTheWholeSigned64BitRange) {
  EXPECT_EQ(NumberTableRowOf("123456789012345678"), 54);
  EXPECT_EQ(NumberTableRowOf("999999999999999999"), 0);
  EXPECT_EQ(NumberTableRowOf("100000000000000081"), 73);
  EXPECT_EQ(NumberTableRowOf("9223372036854775807"), 25);
}

TEST(NumberVerdict, RejectsWhatIsNotADecimalInteger) {
  for (const char* bad : {"", "12a", "1.5", "-", "一二三", "9223372036854775808", "0x10"}) {
    EXPECT_THROW(NumberVerdict(bad), ConvertError) << bad;
  }
  try {
    NumberVerdict("12a");
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'12a' is not a valid integer value");
  }
}

TEST(MobileRemainder, LastFourDigitsModulo80) {
  EXPECT_EQ(shoujiinfostr("13800000023"), "23");
  EXPECT_EQ(shoujiinfostr("13800009999"), "79");
  EXPECT_EQ(shoujiinfostr("13800000001"), "1");
  EXPECT_EQ(shoujiinfostr("13800000081"), "1");
  EXPECT_EQ(shoujiinfostr("13800001234"), "34");
  // Only characters 8..11 count: a twelfth is ignored.
  EXPECT_EQ(shoujiinfostr("138000000239"), "23");
}

TEST(MobileRemainder, EmptyWithoutARemainder) {
  EXPECT_EQ(shoujiinfostr("13800000080"), "");
  EXPECT_EQ(shoujiinfostr("13800000000"), "");
  EXPECT_EQ(shoujiinfostr("13800000160"), "");
  EXPECT_EQ(shoujiinfostr(""), "");
  EXPECT_EQ(shoujiinfostr("1380000"), "");      // seven characters: no tail
  EXPECT_EQ(shoujiinfostr("1380000abcd"), "");  // a tail that is no number
  EXPECT_EQ(shoujiinfostr("13800001a23"), "");
}

TEST(MobileRemainder, ShortTailsAndGbkPositions) {
  EXPECT_EQ(shoujiinfostr("13800001"), "1");
  EXPECT_EQ(shoujiinfostr("1380000016"), "16");
  // The entry text is GBK: a Chinese character takes two of the positions.
  EXPECT_EQ(shoujiinfostr("一23456789012"), "50");  // tail 7890
}

TEST(NumberKeys, OnlyDigitsBackspaceAndEnterPass) {
  for (char32_t k = U'0'; k <= U'9'; ++k) EXPECT_TRUE(NumberKeyAccepted(k));
  EXPECT_TRUE(NumberKeyAccepted(8));
  EXPECT_TRUE(NumberKeyAccepted(13));
  for (char32_t k : {U'a', U'A', U'-', U'+', U' ', U'.', U'１', char32_t{22}, char32_t{3}, char32_t{127},
                     char32_t{0}, char32_t{10}, char32_t{27}}) {
    EXPECT_FALSE(NumberKeyAccepted(k)) << static_cast<unsigned>(k);
  }
}

NumberFields Fields(const NumberReading& o) {
  EXPECT_EQ(o.kind, NumberReading::Kind::Result) << o.notice << o.reason;
  return RenderNumberFields(o.value);
}

TEST(NumberAction, EmptyEntriesAskForTheDialogsMessage) {
  const struct {
    NumberDialog dialog;
    const char* message;
  } cases[] = {{NumberDialog::QQ, "请输入你的QQ号码！"},
               {NumberDialog::Any, "请输入你的号码！"},
               {NumberDialog::Mobile, "请输入11位手机号码！"}};
  for (const auto& c : cases) {
    for (const char* entry : {"", "   ", "\t\r\n"}) {
      const NumberReading o = MeasureNumber(c.dialog, entry);
      EXPECT_EQ(o.kind, NumberReading::Kind::ShowNotice);
      EXPECT_EQ(o.notice, c.message);
    }
  }
}

TEST(NumberAction, QQAndAnyNumberSplitTheRowIntoTheFields) {
  for (NumberDialog d : {NumberDialog::QQ, NumberDialog::Any}) {
    const NumberFields f = Fields(MeasureNumber(d, " 0082 "));
    EXPECT_EQ(f.number, "0082");
    EXPECT_EQ(f.state, "根基不固，摇摇欲坠，一盛一衰，劳而无获");
    EXPECT_EQ(f.luck, "凶");
    EXPECT_EQ(f.description, NumberTypeText(2));
  }
  EXPECT_EQ(Fields(MeasureNumber(NumberDialog::QQ, "123456789012345678")).luck, "吉带凶");  // row 54
}

TEST(NumberAction, TheReadingHoldsTheRowItsLuckAndItsType) {
  const NumberReading o = MeasureNumber(NumberDialog::Any, "123456789012345678");
  ASSERT_EQ(o.kind, NumberReading::Kind::Result);
  EXPECT_EQ(o.value.source, NumberVerdictValue::Source::Table);
  EXPECT_EQ(o.value.row, 54);
  EXPECT_EQ(o.value.luck, Luck::GoodWithBad);
  EXPECT_EQ(o.value.type, 5);
  EXPECT_EQ(o.value.description, NumberTypeText(5));
  EXPECT_EQ(MeasureNumber(NumberDialog::QQ, "26").value.luck, Luck::BadWithGood);
  EXPECT_EQ(MeasureNumber(NumberDialog::QQ, "-1").value.row, 80);
}

TEST(LuckWords, EveryLevelHasItsWordAndBack) {
  for (Luck l : {Luck::Good, Luck::Bad, Luck::GoodWithBad, Luck::BadWithGood, Luck::Super}) {
    EXPECT_EQ(LuckOfWord(LuckWordOf(l)), l);
  }
  EXPECT_EQ(LuckWordOf(Luck::GoodWithBad), "吉带凶");
  EXPECT_EQ(LuckOfWord("大吉"), std::nullopt);
  EXPECT_EQ(LuckOfWord(""), std::nullopt);
}

TEST(NumberAction, APastedNonNumberRaisesItsConversionError) {
  EXPECT_THROW(MeasureNumber(NumberDialog::QQ, "12a"), ConvertError);
  EXPECT_THROW(MeasureNumber(NumberDialog::Any, "1 2"), ConvertError);
}

class MobileAction : public ::testing::Test {
 protected:
  void WriteShouji() {
    dir_.WriteDatabase("KelFile.dll",
                       "create table shouji(num TEXT, title TEXT, jx TEXT, content TEXT);"
                       "insert into shouji values('1', '一帆风顺', '吉', '第一行');"
                       "insert into shouji values('23', ' 锦上添花 ', '吉\t', ' 第二十三行\r\n');"
                       "insert into shouji values('79', '守成有余', '吉带凶', '第七十九行');");
  }
  testing::FixtureDir dir_;
};

TEST_F(MobileAction, ReadsTheRemaindersRowTrimmed) {
  WriteShouji();
  EXPECT_EQ(Fields(MeasureNumber(NumberDialog::Mobile, "13800000023")),
            (NumberFields{"13800000023", "锦上添花", "吉", "第二十三行"}));
  EXPECT_EQ(Fields(MeasureNumber(NumberDialog::Mobile, "13800009999")),
            (NumberFields{"13800009999", "守成有余", "吉带凶", "第七十九行"}));
  EXPECT_EQ(Fields(MeasureNumber(NumberDialog::Mobile, " 13800000081 ")).state, "一帆风顺");
}

TEST_F(MobileAction, TheReadingNamesItsSourceAndRemainder) {
  WriteShouji();
  NumberReading o = MeasureNumber(NumberDialog::Mobile, "13800000023");
  EXPECT_EQ(o.value.source, NumberVerdictValue::Source::MobileRow);
  EXPECT_EQ(o.value.row, 23);
  EXPECT_EQ(o.value.luck, Luck::Good);
  EXPECT_EQ(o.value.type, 0);
  o = MeasureNumber(NumberDialog::Mobile, "13800000040");
  EXPECT_EQ(o.value.source, NumberVerdictValue::Source::NoMobileRow);
  EXPECT_EQ(o.value.row, 40);
  EXPECT_EQ(o.value.luck, std::nullopt);
  o = MeasureNumber(NumberDialog::Mobile, "13800000080");
  EXPECT_EQ(o.value.source, NumberVerdictValue::Source::SuperLuck);
  EXPECT_EQ(o.value.row, 0);
  EXPECT_EQ(o.value.luck, Luck::Super);
}

TEST_F(MobileAction, ALuckWordOutsideTheLevelsIsShownAsWritten) {
  dir_.WriteDatabase("KelFile.dll",
                     "create table shouji(num TEXT, title TEXT, jx TEXT, content TEXT);"
                     "insert into shouji values('5', '平稳', '大吉', '第五行');");
  const NumberReading o = MeasureNumber(NumberDialog::Mobile, "13800000005");
  EXPECT_EQ(o.value.luck, std::nullopt);
  EXPECT_EQ(Fields(o), (NumberFields{"13800000005", "平稳", "大吉", "第五行"}));
}

TEST_F(MobileAction, ARemainderWithoutARowShowsOnlyTheNumber) {
  WriteShouji();
  EXPECT_EQ(Fields(MeasureNumber(NumberDialog::Mobile, "13800000040")),
            (NumberFields{"13800000040", "", "", ""}));
}

TEST_F(MobileAction, NoRemainderIsSuperLuckWithoutTheDatabase) {
  const NumberFields super{"13800000080", "超吉", "超吉", "超吉不做详细评论"};
  EXPECT_EQ(Fields(MeasureNumber(NumberDialog::Mobile, "13800000080")), super);
  EXPECT_EQ(Fields(MeasureNumber(NumberDialog::Mobile, "1380000")).state, "超吉");
  EXPECT_EQ(Fields(MeasureNumber(NumberDialog::Mobile, "1380000abcd")).description, "超吉不做详细评论");
}

TEST_F(MobileAction, ADatabaseErrorChangesNothing) {
  // No database file at all.
  NumberReading o = MeasureNumber(NumberDialog::Mobile, "13800000023");
  EXPECT_EQ(o.kind, NumberReading::Kind::NoChange);
  EXPECT_NE(o.reason, "");
  EXPECT_EQ(o.value, NumberVerdictValue{});
  // A database without the table.
  dir_.WriteDatabase("KelFile.dll", "create table other(x TEXT);");
  EXPECT_EQ(MeasureNumber(NumberDialog::Mobile, "13800000023").kind, NumberReading::Kind::NoChange);
}

}  // namespace
}  // namespace vantrel
