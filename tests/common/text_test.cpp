#include "common/text.h"

#include <gtest/gtest.h>

namespace vantrel::text {
namespace {

TEST(GbkConversion, RoundTripsChineseAndAscii) {
  const std::string s = "癸巳(蛇年)八月十七 abc";
  const std::string gbk = ToGbk(s);
  EXPECT_EQ(gbk.size(), 22u);                           // eight Chinese characters, six ASCII ones
  EXPECT_EQ(static_cast<unsigned char>(gbk[0]), 0xB9);  // 癸 is B9EF
  EXPECT_EQ(static_cast<unsigned char>(gbk[1]), 0xEF);
  EXPECT_EQ(FromGbk(gbk), s);
}

TEST(GbkConversion, CharactersGbkCannotHoldBecomeQuestionMarks) {
  EXPECT_EQ(ToGbk("a😀b"), "a?b");
  EXPECT_EQ(ToGbk("ㄱ"), "?");  // Hangul letter, not in GBK
  EXPECT_EQ(ToGbk("a\xFF"
                  "b"),
            "a?b");                                 // malformed UTF-8
  EXPECT_EQ(FromGbk(std::string("\xB9", 1)), "?");  // lead byte without a trail
  EXPECT_EQ(GbkWidth("a😀b"), 3u);
}

TEST(GbkWidth, CountsChineseAsTwoBytes) {
  EXPECT_EQ(GbkWidth(""), 0u);
  EXPECT_EQ(GbkWidth("子 0"), 4u);
  EXPECT_EQ(GbkWidth("巳 10"), 5u);
  EXPECT_EQ(GbkWidth("甲子(鼠年)"), 10u);
  EXPECT_EQ(GbkWidth("，。"), 4u);  // full-width punctuation
  EXPECT_EQ(GbkWidth("①Ⅻα"), 6u);
}

TEST(GbkCopy, CutsTheFixedPiecesOfCycleYearText) {
  const std::string year = "癸巳(蛇年)";
  EXPECT_EQ(GbkCopy(year, 1, 4), "癸巳");
  EXPECT_EQ(GbkCopy(year, 5, 1), "(");
  EXPECT_EQ(GbkCopy(year, 6, 2), "蛇");
  EXPECT_EQ(GbkCopy(year, 8, 3), "年)");
}

TEST(GbkCopy, TakesTheHourNumberOfAnHourItem) {
  EXPECT_EQ(GbkCopy("子 0", 4, 2), "0");
  EXPECT_EQ(GbkCopy("巳 10", 4, 2), "10");
  EXPECT_EQ(GbkCopy("子 23", 4, 2), "23");
}

TEST(GbkCopy, NeverSplitsACharacter) {
  const std::string s = "甲子乙丑";
  EXPECT_EQ(GbkCopy(s, 2, 2), "");    // the end of 甲 and the start of 子
  EXPECT_EQ(GbkCopy(s, 2, 3), "子");  // 子 lies wholly inside
  EXPECT_EQ(GbkCopy(s, 3, 100), "子乙丑");
  EXPECT_EQ(GbkCopy(s, 9, 2), "");     // past the end
  EXPECT_EQ(GbkCopy(s, 0, 2), "");     // positions count from 1
  EXPECT_EQ(GbkCopy(s, -5, 9), "甲");  // positions -5..3
  EXPECT_EQ(GbkCopy(s, 1, 0), "");
}

TEST(Trim, RemovesBlanksAndControlCharactersOnly) {
  EXPECT_EQ(Trim("  \t甲子\r\n"), "甲子");
  EXPECT_EQ(Trim("\x01 a b \x1F"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("金牛座 "), "金牛座");
  EXPECT_EQ(Trim("\u3000甲\u3000"), "\u3000甲\u3000");  // the full-width blank stays
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
}

TEST(Characters, SplitsCodePoints) {
  EXPECT_EQ(CharCount("天乙贵人 "), 5u);
  EXPECT_EQ(FirstChars("天乙贵人 甲戊庚", 5), "天乙贵人 ");
  const auto chars = Characters("a甲😀");
  ASSERT_EQ(chars.size(), 3u);
  EXPECT_EQ(chars[1], "甲");
}

TEST(SplitLines, HandlesEveryLineBreak) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitLines(""), (std::vector<std::string>{""}));
}

TEST(ReplaceAll, ReplacesEveryOccurrence) {
  EXPECT_EQ(ReplaceAll("<p>a</p><p>b</p>", "<p>", ""), "a</p>b</p>");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(TerminalSafe, EscapesControlsAndReplacesBrokenUtf8) {
  EXPECT_EQ(TerminalSafe("张伟\tAB\n"), "张伟\tAB\n");
  EXPECT_EQ(TerminalSafe("\x1b[31mX\x07\r\x7f"), "\\x1b[31mX\\x07\\x0d\\x7f");
  EXPECT_EQ(TerminalSafe(std::string("a\0b", 3)), "a\\x00b");
  EXPECT_EQ(TerminalSafe("\xc2\x9b"
                         "2J"),
            "\\u009b2J");  // the one-character CSI of C1
  EXPECT_EQ(TerminalSafe("\xff\xfe"
                         "A"),
            "\xef\xbf\xbd\xef\xbf\xbd"
            "A");
  EXPECT_EQ(TerminalSafe("\xe5\xbc"), "\xef\xbf\xbd\xef\xbf\xbd");                  // a character cut short
  EXPECT_EQ(TerminalSafe("\xc0\xaf"), "\xef\xbf\xbd\xef\xbf\xbd");                  // an overlong "/"
  EXPECT_EQ(TerminalSafe("\xed\xa0\x80"), "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd");  // a surrogate
  EXPECT_EQ(TerminalSafe("\xf0\x9f\x98\x80"), "\xf0\x9f\x98\x80");                  // beyond the BMP is fine
}

}  // namespace
}  // namespace vantrel::text

namespace vantrel {
namespace {

TEST(Text, WellFormedUtf8) {
  EXPECT_TRUE(text::IsWellFormedUtf8(""));
  EXPECT_TRUE(text::IsWellFormedUtf8("乌鲁木齐 87.6"));
  EXPECT_FALSE(text::IsWellFormedUtf8("\xe5\x8c"));      // half a character
  EXPECT_FALSE(text::IsWellFormedUtf8("\xc0\xaf"));      // overlong
  EXPECT_FALSE(text::IsWellFormedUtf8("\xed\xa0\x80"));  // a surrogate
  EXPECT_FALSE(text::IsWellFormedUtf8("甲\xe4\xb8"));    // cut at the end
}

}  // namespace
}  // namespace vantrel
