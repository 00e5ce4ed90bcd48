#include "reports/almanac.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "common/errors.h"
#include "tests/support/fixture.h"

namespace vantrel {
namespace {

using vantrel::testing::FixtureDir;

constexpr const char* kColumns =
    "gn TEXT, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT, pzbj TEXT, jsyq TEXT, yi TEXT, "
    "xsyq TEXT, ji TEXT";

// Two days; the values carry blanks and a line break at their ends, which
// the page trims.
std::string TwoDays() {
  return std::string("create table huangdao (") + kColumns + ");" +
         "insert into huangdao values ('2013-09-21', ' 八月十七 星期六 青龙黄道日 ', "
         "'癸巳年 辛酉月 庚寅日 ', '碓磨炉外正北', '松柏木 执执位', '冲猴(甲申)煞北', "
         "'庚不经络织机虚张 寅不祭祀神鬼不尝', '天德 月德', '祭祀 祈福', '小耗 劫煞', "
         "'嫁娶 出行' || char(13) || char(10));"
         "insert into huangdao values "
         "('2013-09-22', '八月十八', 's', 't', 'w', 'c', 'p', 'j', 'y', 'x', 'i');";
}

const std::vector<std::string> kLinesOf21 = {
    "当日统览:2013-09-21  八月十七 星期六 青龙黄道日",
    "",
    "岁次:癸巳年 辛酉月 庚寅日",
    "",
    "每日胎神占方:碓磨炉外正北",
    "",
    "五行:松柏木 执执位",
    "",
    "冲:冲猴(甲申)煞北",
    "",
    "彭祖百忌:庚不经络织机虚张 寅不祭祀神鬼不尝",
    "",
    "吉神宜趋:天德 月德",
    "",
    "宜:祭祀 祈福",
    "",
    "凶神宜忌:小耗 劫煞",
    "",
    "忌:嫁娶 出行",
};

class AlmanacPage : public ::testing::Test {
 protected:
  void SetUp() override { dir_.WriteDatabase("KelFile.dll", TwoDays()); }

  FixtureDir dir_;
};

TEST_F(AlmanacPage, WritesTheTenLinesOfTheDay) {
  const AlmanacDay day = AlmanacDayOf("2013", "09", "21");
  EXPECT_FALSE(day.notice);
  ASSERT_TRUE(day.row);
  EXPECT_FALSE(day.row->fault);
  EXPECT_EQ(day.row->jsyq, "天德 月德");  // the typed fields, trimmed
  EXPECT_EQ(day.row->ji, "嫁娶 出行");
  EXPECT_EQ(AlmanacLines(day), kLinesOf21);  // the last line is 忌, with no empty line after it
}

TEST_F(AlmanacPage, TheDateTextStaysAsTyped) {
  // "9" and "09" find the same row; the first line shows what was typed, trimmed.
  const AlmanacDay day = AlmanacDayOf(" 2013 ", "9", "21\t");
  EXPECT_EQ(day.date, (CivilDate{2013, 9, 21}));
  EXPECT_EQ(day.dateText, "2013-9-21");
  std::vector<std::string> expected = kLinesOf21;
  expected[0] = "当日统览:2013-9-21  八月十七 星期六 青龙黄道日";
  EXPECT_EQ(AlmanacLines(day), expected);
  const std::vector<std::string> next = AlmanacLines(AlmanacDayOf("2013", "09", "22"));
  ASSERT_EQ(next.size(), 19u);
  EXPECT_EQ(next[0], "当日统览:2013-09-22  八月十八");
}

TEST_F(AlmanacPage, ChecksThePickersInOrder) {
  const struct {
    const char *y, *m, *d, *message;
  } cases[] = {
      {"", "", "", "请选择年!"},        // the year first, even with all three empty
      {"  ", "09", "21", "请选择年!"},  // blanks alone are empty
      {"2013", "", "", "请选择月!"},
      {"2013", "09", " ", "请选择日!"},
      {"2013", "02", "30", "请选择有效的日期!"},  // a day the month does not have
      {"2013", "13", "1", "请选择有效的日期!"},
      {"2013", "x", "1", "请选择有效的日期!"},
      {"2013/09", "09", "21", "请选择有效的日期!"},
  };
  for (const auto& c : cases) {
    const AlmanacDay day = AlmanacDayOf(c.y, c.m, c.d);
    EXPECT_EQ(day.notice, std::optional<std::string>(c.message)) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_FALSE(day.date);
    EXPECT_FALSE(day.row);
    EXPECT_TRUE(AlmanacLines(day).empty());
  }
}

TEST_F(AlmanacPage, ADayWithoutARowIsSilent) {
  const AlmanacDay day = AlmanacDayOf("2013", "09", "23");
  EXPECT_FALSE(day.notice);
  EXPECT_EQ(day.date, (CivilDate{2013, 9, 23}));
  EXPECT_FALSE(day.row);
  EXPECT_TRUE(AlmanacLines(day).empty());  // the page keeps the previous day
}

TEST_F(AlmanacPage, ADatabaseErrorPropagates) {
  dir_.WriteDatabase("KelFile.dll", "create table other (a text);");
  EXPECT_THROW(AlmanacDayOf("2013", "09", "21"), DatabaseError);
  std::remove(dir_.File("KelFile.dll").c_str());
  EXPECT_THROW(AlmanacDayOf("2013", "09", "21"), DatabaseError);
  // The checks of the pickers come before the file is read.
  EXPECT_EQ(AlmanacDayOf("2013", "02", "30").notice, std::optional<std::string>("请选择有效的日期!"));
}

TEST_F(AlmanacPage, AMissingColumnStopsAfterTheLinesBeforeIt) {
  // Without pzbj the page was already cleared and holds the lines up to 冲;
  // the error of the missing column comes with them.
  dir_.WriteDatabase("KelFile.dll",
                     "create table huangdao (gn TEXT, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, "
                     "cong TEXT);"
                     "insert into huangdao values ('2013-09-21', 'n', 's', 't', 'w', 'c');");
  const AlmanacDay day = AlmanacDayOf("2013", "09", "21");
  ASSERT_TRUE(day.row);
  EXPECT_EQ(day.row->columnsRead, 5);
  EXPECT_EQ(AlmanacLines(day), (std::vector<std::string>{"当日统览:2013-09-21  n", "", "岁次:s", "",
                                                         "每日胎神占方:t", "", "五行:w", "", "冲:c", ""}));
  ASSERT_TRUE(day.row->fault);
  EXPECT_THROW(std::rethrow_exception(day.row->fault), DatabaseError);
  // Without nn nothing is written, but the page was cleared all the same.
  dir_.WriteDatabase("KelFile.dll",
                     "create table huangdao (gn TEXT);"
                     "insert into huangdao values ('2013-09-21');");
  const AlmanacDay bare = AlmanacDayOf("2013", "09", "21");
  ASSERT_TRUE(bare.row);
  EXPECT_TRUE(bare.row->fault);
  EXPECT_TRUE(AlmanacLines(bare).empty());
}

// The page over the KelFile.dll the build wrote, whose days come from the
// almanac rules.
TEST(AlmanacPageBuilt, ShowsTheComputedDays) {
  const std::vector<std::string> lines = AlmanacLines(AlmanacDayOf("2013", "9", "21"));
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[0], "当日统览:2013-9-21  八月十七 星期六 青龙黄道日");
  EXPECT_EQ(lines[2], "岁次:癸巳年 辛酉月 庚寅日");
  EXPECT_EQ(lines[18], "忌:祭祀 移徙 入宅 移柩 斋醮");
  // The first and the last day of the table; the days around them have no row.
  EXPECT_EQ(AlmanacLines(AlmanacDayOf("1901", "01", "01"))[2], "岁次:庚子年 戊子月 己卯日");
  EXPECT_FALSE(AlmanacDayOf("1900", "12", "31").row);
  EXPECT_EQ(AlmanacLines(AlmanacDayOf("2100", "12", "31"))[2], "岁次:庚申年 戊子月 丁未日");
  EXPECT_FALSE(AlmanacDayOf("2101", "1", "1").row);
}

TEST(AlmanacGlossaryText, ThirtyFourLinesAsShown) {
  const std::vector<std::string>& g = AlmanacGlossary();
  ASSERT_EQ(g.size(), 34u);
  EXPECT_EQ(g[0], "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ");  // the trailing blank is part of the line
  EXPECT_EQ(g[11], "破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即");
  EXPECT_EQ(g[12], "“破土”属阴宅，“动土”属阳宅也。现");
  EXPECT_EQ(g[22], "立卷 ：订立各种契约互相买卖之事 ");
  EXPECT_EQ(g[33], "挂匾 ：指悬挂招牌或各种匾额");
}

}  // namespace
}  // namespace vantrel
