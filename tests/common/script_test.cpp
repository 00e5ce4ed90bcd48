#include "common/script.h"

#include <gtest/gtest.h>

#include "calendar/places.h"
#include "common/errors.h"

namespace vantrel {
namespace {

TEST(Script, NamesRoundTrip) {
  for (Script s : {Script::Simplified, Script::Taiwan, Script::HongKong}) {
    EXPECT_EQ(ScriptOfName(ScriptName(s)), s);
  }
  EXPECT_EQ(ScriptOfName("tw"), Script::Taiwan);
  EXPECT_FALSE(ScriptOfName("big5").has_value());
  EXPECT_FALSE(ScriptOfName("").has_value());
}

TEST(Script, OpenCCsTaiwanAndHongKongForms) {
  EXPECT_EQ(ToScript("八字合婚：农历 属相 十神", Script::Simplified), "八字合婚：农历 属相 十神");
  EXPECT_EQ(ToScript("农历：庚午(马年)五月十五", Script::Taiwan), "農曆：庚午(馬年)五月十五");
  // The regional forms differ where the phrase dictionaries do.
  EXPECT_EQ(ToScript("着", Script::Taiwan), "著");
  EXPECT_EQ(ToScript("着", Script::HongKong), "着");
  EXPECT_EQ(ToScript("", Script::Taiwan), "");
  // Blanks, digits and line breaks stay where they were.
  EXPECT_EQ(ToScript("起运：10岁\n   \n", Script::HongKong), "起運：10歲\n   \n");
}

// 丑 is the earthly branch in every text the program writes; OpenCC alone
// would make it 醜 (ugly), by itself and in phrases such as 丑相.
TEST(Script, TheBranchChouStaysChou) {
  for (Script s : {Script::Taiwan, Script::HongKong}) {
    EXPECT_EQ(ToScript("丑", s), "丑");
    EXPECT_EQ(ToScript("男命宫：丑 属于东四命", s), "男命宮：丑 屬於東四命");
    EXPECT_EQ(ToScript("子丑寅卯辰巳午未申酉戌亥", s), "子丑寅卯辰巳午未申酉戌亥");
    EXPECT_EQ(ToScript("子本与丑相合，而未与丑相冲", s), "子本與丑相合，而未與丑相沖");
    EXPECT_EQ(ToScript("丑丑\n丑时 己丑 辛丑条约", s), "丑丑\n丑時 己丑 辛丑條約");
    EXPECT_EQ(ToScript("冲牛(丁丑)煞西", s), "衝牛(丁丑)煞西");
  }
  // Text that is not UTF-8 still goes on as it is, 丑 or not.
  const std::string half = "\xe5\x8c";
  EXPECT_EQ(ToScript("丑" + half + "丑农历", Script::Taiwan), "丑" + half + "丑农历");
}

TEST(Script, TypedTraditionalTextReadsAsSimplified) {
  EXPECT_EQ(ToSimplified("烏魯木齊"), "乌鲁木齐");
  EXPECT_EQ(ToSimplified("乌鲁木齐"), "乌鲁木齐");
  ASSERT_TRUE(FindPlace("烏魯木齊").has_value());
  EXPECT_EQ(FindPlace("烏魯木齊")->name, "乌鲁木齐");
  EXPECT_EQ(FindPlace("臺北市")->name, "台北");
  EXPECT_EQ(ParseBirthplace(" 廣州 ").name, "广州");
  EXPECT_FALSE(FindPlace("烏托邦").has_value());
}

// Half a character cannot be converted: it goes on unchanged, and a
// birthplace made of it is refused as unknown, never a crash.
TEST(Script, TextThatIsNotUtf8GoesOnUnchanged) {
  const std::string half = "\xe5\x8c";
  EXPECT_EQ(ToSimplified(half), half);
  EXPECT_EQ(ToScript("甲" + half, Script::Taiwan), "甲" + half);
  EXPECT_THROW(ParseBirthplace(half), ConvertError);
  // A cut character at the very end, after whole ones (found by fuzzing:
  // OpenCC read past the end of such a text).
  const std::string cut = std::string("东经116.4东经").substr(0, 16);
  EXPECT_EQ(ToSimplified(cut), cut);
  EXPECT_THROW(ParseBirthplace(cut), ConvertError);
}

}  // namespace
}  // namespace vantrel
