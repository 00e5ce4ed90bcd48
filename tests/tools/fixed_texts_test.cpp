// The fixed texts the window shows: the encyclopedia's introduction and the
// about page.
#include <gtest/gtest.h>

#include "common/text.h"
#include "tools/resource_format.h"

namespace vantrel {
namespace {

std::vector<std::string> Lines(const std::string& name) {
  std::vector<std::string> lines =
      text::SplitLines(tools::ReadWholeFile(std::string(VANTREL_SOURCE_DIR) + "/resources/texts/" + name));
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

TEST(FixedTexts, TheIntroductionHasTenLinesInTwoParagraphs) {
  const std::vector<std::string> lines = Lines("encyclopedia_intro.txt");
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(
      lines[0],
      "    婚姻和睦是家庭幸福的基础，也是社会稳定的因素之一，人生旅途数十载，如果家庭幸福，犹如转眼之间，倘");
  EXPECT_EQ(lines[4].rfind("    八字合婚免是指婚前男女双方交换庚帖，以卜八字是否相配，谓之【八字合婚】。", 0),
            0u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool opensParagraph = i == 0 || i == 4;
    EXPECT_EQ(lines[i].rfind("    ", 0) == 0, opensParagraph) << "line " << i + 1;
    EXPECT_EQ(text::ToGbk(lines[i]).find('?'), std::string::npos) << "line " << i + 1;
  }
  // The second paragraph tells of the clash of 子 and 午.
  std::string second;
  for (std::size_t i = 4; i < lines.size(); ++i) second += lines[i];
  EXPECT_NE(second.find("子"), std::string::npos);
  EXPECT_NE(second.find("午"), std::string::npos);
}

TEST(FixedTexts, TheAboutPageNamesTheTeamAndTheEntertainmentNotice) {
  const std::vector<std::string> lines = Lines("about.txt");
  ASSERT_GE(lines.size(), 8u);
  std::string all;
  for (const auto& l : lines) all += l;
  EXPECT_NE(all.find("Vantrel"), std::string::npos);
  EXPECT_NE(all.find("娱乐"), std::string::npos);
  EXPECT_EQ(all.find("http"), std::string::npos);
  EXPECT_EQ(all.find("@"), std::string::npos);
}

}  // namespace
}  // namespace vantrel
