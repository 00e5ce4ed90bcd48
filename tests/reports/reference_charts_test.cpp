#include "reports/reference_charts.h"

#include <gtest/gtest.h>

#include <string>

#include "common/text.h"

namespace vantrel {
namespace {

TEST(FolkOmen, PagesHaveTheirLinesWithAnEmptyLineBetweenThem) {
  EXPECT_EQ(FolkOmenLines(0).size(), 12u);
  for (int page = 1; page < kFolkOmenPageCount; ++page) EXPECT_EQ(FolkOmenLines(page).size(), 6u) << page;
  EXPECT_TRUE(FolkOmenLines(-1).empty());
  EXPECT_TRUE(FolkOmenLines(7).empty());

  const std::vector<std::string> shown = text::SplitLines(FolkOmenText(4));
  ASSERT_EQ(shown.size(), 11u);  // six lines, five empty lines, none at the end
  EXPECT_EQ(shown[0], "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。");
  EXPECT_EQ(shown[1], "");
  EXPECT_EQ(shown[10], "巳时：左有饮食，右有凶恶。亥时：左主客至，右主官非。");
  EXPECT_EQ(FolkOmenText(0).substr(0, FolkOmenLines(0)[0].size()), FolkOmenLines(0)[0]);
  EXPECT_EQ(FolkOmenLines(6).back(), "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。");
  EXPECT_EQ(FolkOmenLines(1)[1], "丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。");
  EXPECT_EQ(FolkOmenNote().size(), 4u);
  EXPECT_EQ(FolkOmenNote()[0], "说明：");
}

TEST(BoyGirlChart, CellsFollowTheTraditionalTable) {
  EXPECT_EQ(BoyGirlCell(18, 1), "女");
  EXPECT_EQ(BoyGirlCell(18, 2), "男");
  EXPECT_EQ(BoyGirlCell(21, 1), "男");
  EXPECT_EQ(BoyGirlCell(21, 12), "女");
  EXPECT_EQ(BoyGirlCell(30, 11), "男");
  EXPECT_EQ(BoyGirlCell(45, 1), "女");
  EXPECT_EQ(BoyGirlCell(45, 12), "男");
  EXPECT_EQ(BoyGirlCell(17, 1), "");
  EXPECT_EQ(BoyGirlCell(46, 1), "");
  EXPECT_EQ(BoyGirlCell(30, 0), "");
  EXPECT_EQ(BoyGirlCell(30, 13), "");
}

TEST(BoyGirlChart, RowsStandUnderTheMonthHeadings) {
  const std::vector<std::string> lines = BoyGirlChartLines();
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines[0], "年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月");
  EXPECT_EQ(lines[1].substr(0, 2), "18");
  EXPECT_EQ(lines[28].substr(0, 2), "45");
  const std::string header = text::ToGbk(lines[0]);
  for (std::size_t row = 1; row < lines.size(); ++row) {
    const std::string gbk = text::ToGbk(lines[row]);
    const int age = 17 + static_cast<int>(row);
    int month = 0;
    // Every cell's two bytes lie exactly where the heading's "月" lies.
    for (std::size_t at = header.find(text::ToGbk("月")); at != std::string::npos;
         at = header.find(text::ToGbk("月"), at + 2)) {
      ++month;
      ASSERT_GE(gbk.size(), at + 2) << age;
      EXPECT_EQ(text::FromGbk(gbk.substr(at, 2)), BoyGirlCell(age, month)) << age << " " << month;
    }
    EXPECT_EQ(month, 12);
    EXPECT_EQ(text::GbkWidth(lines[row]), text::GbkWidth(lines[0])) << age;
  }
}

}  // namespace
}  // namespace vantrel
