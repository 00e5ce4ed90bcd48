#include <gtest/gtest.h>

#include "tools/shensha/rule_source.h"

namespace vantrel::tools {
namespace {

TEST(ShenshaSource, DropsTheTopCommentBlockAndWritesGbkWithCrLf) {
  const std::string source =
      "# 说明\n"
      "# 第 0 行 驿马\n"
      "驿马    申子辰:寅\n"
      "\n"
      "#注     子:午\n"
      "华盖    申子辰:辰\n";
  EXPECT_EQ(RuleFileFromSource(source, "x.txt"),
            text::ToGbk("驿马    申子辰:寅\r\n\r\n#注     子:午\r\n华盖    申子辰:辰\r\n"));
  // CR LF sources and a missing final break give the same file.
  EXPECT_EQ(RuleFileFromSource("# a\r\n驿马    申子辰:寅", "x.txt"), text::ToGbk("驿马    申子辰:寅\r\n"));
  EXPECT_EQ(RuleFileFromSource("# only comments\n", "x.txt"), "");
}

TEST(ShenshaSource, RejectsLinesTheReaderWouldMisread) {
  // The name field is five characters: a name of one to four, then blanks.
  EXPECT_NO_THROW(RuleFileFromSource("驿马   申子辰:寅\n", "x.txt"));
  EXPECT_THROW(RuleFileFromSource("驿马  申子辰:寅\n", "x.txt"), std::runtime_error);   // a field of four
  EXPECT_THROW(RuleFileFromSource("天罗地网煞 辰:巳\n", "x.txt"), std::runtime_error);  // five-character name
  EXPECT_THROW(RuleFileFromSource("驿 马   申子辰:寅\n", "x.txt"), std::runtime_error);
  EXPECT_THROW(RuleFileFromSource("     申子辰:寅\n", "x.txt"), std::runtime_error);
  // Values of more than five characters would be cut.
  EXPECT_THROW(RuleFileFromSource("空亡    戌亥:甲子乙丑丙寅\n", "x.txt"), std::runtime_error);
  // More than 21 items would be ignored.
  std::string many = "红鸾    ";
  for (int i = 0; i < 22; ++i) many += i ? ",子:卯" : "子:卯";
  EXPECT_THROW(RuleFileFromSource(many + "\n", "x.txt"), std::runtime_error);
  // A character GBK cannot hold.
  EXPECT_THROW(RuleFileFromSource("驿马    申子辰:😀\n", "x.txt"), std::runtime_error);
  try {
    RuleFileFromSource("# c\n驿马    申子辰:寅\n驿马\n", "rigan.txt");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()).rfind("rigan.txt:3: ", 0), 0u) << e.what();
  }
  EXPECT_NO_THROW(RuleFileFromSource(many.substr(0, many.rfind(',')) + "\n", "x.txt"));
}

}  // namespace
}  // namespace vantrel::tools
