#include "chart/chart.h"

#include <gtest/gtest.h>

#include <vector>

#include "chart/personality.h"
#include "common/errors.h"
#include "common/text.h"
#include "tests/support/chart_tables.h"
#include "tests/support/fixture.h"
#include "tests/support/report_runs.h"

namespace vantrel {
namespace {

using vantrel::testing::FixtureDir;

constexpr const char* kJqTable = "create table if not exists JQ (YearA integer, JQ text, SJ datetime);";

// A program folder whose second file holds the lookup tables and `extra`.
void WriteSecondFile(const FixtureDir& dir, const std::string& extra) {
  dir.WriteDatabase("Tgcode.dll", vantrel::testing::ChartLookupTablesSql() + extra);
}

ChartResult Cast(int y, int m, int d, int h, int mi, const std::string& sex) {
  RecordingNotifier notifier;
  std::optional<ChartResult> chart = CastChart({{y, m, d}, h, mi, SexOfText(sex)}, notifier);
  EXPECT_TRUE(notifier.messages.empty());
  if (!chart) {
    ADD_FAILURE() << "no chart for " << y << "-" << m << "-" << d;
    return {};
  }
  return *chart;
}

std::string Pillars(const ChartResult& c) {
  return c.yearPillar.Text() + " " + c.monthPillar.Text() + " " + c.dayPillar.Text() + " " +
         c.hourPillar.Text();
}

std::string LuckPillars(const ChartResult& c) {
  std::vector<std::string> texts;
  for (const Pillar& p : c.luckPillars) texts.push_back(p.Text());
  return text::Join(texts, " ");
}

std::string Hidden(const ChartResult& c) {
  return c.yearHidden + "|" + c.monthHidden + "|" + c.dayHidden + "|" + c.hourHidden;
}

struct Example {
  int y, m, d, h, mi;
  const char* sex;
  const char* pillars;
  bool backward;
  int startAge;
  const char* fetal;
  const char* luck;
  const char* hidden;
};

TEST(CastChart, TheWorkedExamples) {
  FixtureDir dir;
  WriteSecondFile(dir, kJqTable);
  const Example examples[] = {
      // 己 is yin: a man runs backward; the previous jie (大雪 1999-12-07)
      // lies 25 days back, 9 years. The next jie, 小寒 2000-01-06, lies in
      // lunar 1999 (卯): year hidden stem 乙.
      {2000, 1, 1, 0, 0, "男", "己卯 丙子 戊午 壬子", true, 9, "丁卯",
       "丙子 乙亥 甲戌 癸酉 壬申 辛未 庚午 己巳 戊辰 丁卯", "乙|癸辛己|己丁|癸"},
      // A woman runs forward: 5 days to 小寒, 2 years.
      {2000, 1, 1, 0, 0, "女", "己卯 丙子 戊午 壬子", false, 2, "丁卯",
       "丙子 丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉", "乙|癸辛己|己丁|癸"},
      // 23:30 keeps its calendar day and is the 子 hour of that day's stem.
      {2000, 1, 1, 23, 30, "男", "己卯 丙子 戊午 壬子", true, 9, "丁卯",
       "丙子 乙亥 甲戌 癸酉 壬申 辛未 庚午 己巳 戊辰 丁卯", "乙|癸辛己|己丁|癸"},
      // 30 days to 小暑 1990-07-07: 10 years.
      {1990, 6, 7, 8, 0, "男", "庚午 壬午 癸卯 丙辰", false, 10, "癸酉",
       "壬午 癸未 甲申 乙酉 丙戌 丁亥 戊子 己丑 庚寅 辛卯", "己丁|己丁|乙|乙戊癸"},
      // Before 立春 but after the lunar new year: the year hidden stem follows
      // 立春 2020-02-04, which lies in lunar 2020 (子).
      {2020, 1, 20, 10, 0, "女", "己亥 丁丑 壬戌 乙巳", false, 5, "戊辰",
       "丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉 丙戌", "癸|癸辛己|辛丁戊|庚丙戊"},
      {1984, 3, 15, 12, 0, "男", "甲子 丁卯 戊申 戊午", false, 7, "戊午",
       "丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉 甲戌 乙亥 丙子", "癸|乙|戊庚壬|己丁"},
      {1980, 1, 1, 0, 0, "男", "己未 丙子 癸酉 壬子", true, 8, "丁卯",
       "丙子 乙亥 甲戌 癸酉 壬申 辛未 庚午 己巳 戊辰 丁卯", "乙己丁|癸辛己|辛|癸"},
  };
  for (const Example& e : examples) {
    SCOPED_TRACE(std::to_string(e.y) + "-" + std::to_string(e.m) + "-" + std::to_string(e.d) + " " +
                 std::to_string(e.h) + ":" + std::to_string(e.mi) + " " + e.sex);
    const ChartResult c = Cast(e.y, e.m, e.d, e.h, e.mi, e.sex);
    EXPECT_EQ(Pillars(c), e.pillars);
    EXPECT_FALSE(c.beforeJie);
    EXPECT_EQ(c.direction == LuckDirection::Backward, e.backward);
    EXPECT_EQ(c.startAge, e.startAge);
    EXPECT_EQ(c.fetalOrigin.Text(), e.fetal);
    EXPECT_EQ(LuckPillars(c), e.luck);
    EXPECT_EQ(Hidden(c), e.hidden);
    EXPECT_EQ(c.personalityText, BirthdayPersonality(e.m, e.d));
  }
}

TEST(CastChart, LuckLinesCarryNayinAndTenGodsOfEveryLuckPillar) {
  FixtureDir dir;
  WriteSecondFile(dir, kJqTable);
  const ChartResult c = Cast(2000, 1, 1, 0, 0, "男");
  EXPECT_EQ(c.luckPillarsText, "丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯");
  // One blank after every nayin, three after every ten god, the last ones included.
  EXPECT_EQ(c.luckNayinLine, "纳音：涧下水 山头火 山头火 剑锋金 剑锋金 路旁土 路旁土 大林木 大林木 炉中火 ");
  EXPECT_EQ(c.luckTenGodLine, "十神：偏印   正官   七杀   正财   偏财   伤官   食神   劫财   比肩   正印   ");
}

TEST(CastChart, LookupsThatFindNothingLeaveTheirPlacesEmpty) {
  FixtureDir dir;
  dir.WriteDatabase("Tgcode.dll", vantrel::testing::EmptyChartTablesSql());
  const ChartResult c = Cast(2000, 1, 1, 0, 0, "男");
  EXPECT_EQ(c.luckNayinLine, "纳音：          ");
  EXPECT_EQ(c.luckTenGodLine, "十神：" + std::string(30, ' '));
  EXPECT_EQ(Pillars(c), "己卯 丙子 戊午 壬子");
}

TEST(CastChart, HourBranchesAndTheirStems) {
  FixtureDir dir;
  WriteSecondFile(dir, "");
  struct {
    int hour;
    const char* pillar;
  } const hours[] = {{0, "壬子"},  {1, "癸丑"},  {2, "癸丑"},  {3, "甲寅"},
                     {12, "戊午"}, {21, "癸亥"}, {22, "癸亥"}, {23, "壬子"}};
  for (const auto& h : hours) {
    SCOPED_TRACE(h.hour);
    const ChartResult c = Cast(2000, 1, 1, h.hour, 0, "男");
    EXPECT_EQ(c.hourPillar.Text(), h.pillar);
    EXPECT_EQ(c.hourHidden, HiddenStemsOf(c.hourPillar.branch));
  }
}

TEST(CastChart, MonthBoundariesAreFixedCalendarDates) {
  FixtureDir dir;
  WriteSecondFile(dir, "");
  struct {
    int m, d;
    const char* year;
    const char* month;
  } const days[] = {
      {1, 5, "癸巳", "甲子"},  {1, 6, "癸巳", "乙丑"},  {2, 3, "癸巳", "乙丑"},   {2, 4, "甲午", "丙寅"},
      {3, 5, "甲午", "丙寅"},  {3, 6, "甲午", "丁卯"},  {6, 5, "甲午", "己巳"},   {6, 6, "甲午", "庚午"},
      {12, 7, "甲午", "乙亥"}, {12, 8, "甲午", "丙子"}, {12, 31, "甲午", "丙子"},
  };
  for (const auto& day : days) {
    SCOPED_TRACE(std::to_string(day.m) + "-" + std::to_string(day.d));
    const ChartResult c = Cast(2014, day.m, day.d, 12, 0, "男");
    EXPECT_EQ(c.yearPillar.Text(), day.year);
    EXPECT_EQ(c.monthPillar.Text(), day.month);
  }
}

TEST(CastChart, StartAgeRoundsUpAndThirtyOneDaysCountAsOne) {
  FixtureDir dir;
  WriteSecondFile(dir, "");
  // 芒种 1990-06-06 to 小暑 1990-07-07: 31 days; 小暑 to 立秋 1990-08-08: 32.
  EXPECT_EQ(Cast(1990, 6, 6, 8, 0, "男").startAge, 1);
  EXPECT_EQ(Cast(1990, 7, 7, 8, 0, "男").startAge, 1);
  // 小暑 1984-07-07 back from 立秋 1984-08-07 for a backward chart: 31 days.
  EXPECT_EQ(Cast(1984, 8, 7, 8, 0, "女").startAge, 1);
  // 28 days (1990-06-09 .. 07-07) is 10; 27 days 9; 26 days 9 (a part rounds up).
  EXPECT_EQ(Cast(1990, 6, 9, 8, 0, "男").startAge, 10);
  EXPECT_EQ(Cast(1990, 6, 10, 8, 0, "男").startAge, 9);
  EXPECT_EQ(Cast(1990, 6, 11, 8, 0, "男").startAge, 9);
  // The day before a jie: one day, one year.
  EXPECT_EQ(Cast(1990, 7, 6, 8, 0, "男").startAge, 1);
  EXPECT_EQ(Cast(1990, 7, 6, 8, 0, "男").startAge, 1);
}

TEST(CastChart, MonthHiddenStemsFollowTheGregorianMonth) {
  FixtureDir dir;
  WriteSecondFile(dir, "");
  EXPECT_EQ(Cast(2014, 11, 20, 12, 0, "男").monthHidden, "壬甲");  // 亥
  EXPECT_EQ(Cast(2014, 12, 1, 12, 0, "男").monthHidden, "癸");  // 子, though the month pillar is still 亥
  EXPECT_EQ(Cast(2014, 2, 1, 12, 0, "男").monthHidden, "甲丙戊");  // 寅, though the month pillar is still 丑
}

// 立春 2013 fell at 00:13 on 4 February.
TEST(CastChart, ABirthBeforeTheJieInstantOnItsDayStaysInThePreviousMonth) {
  FixtureDir dir;
  WriteSecondFile(dir, std::string(kJqTable) +
                           "insert into JQ values (2013, '立春', '2013-02-04 00:13:00');"
                           "insert into JQ values (2013, '雨水', '2013-02-18 20:01:00');");
  const ChartResult before = Cast(2013, 2, 4, 0, 5, "男");
  EXPECT_TRUE(before.beforeJie);
  EXPECT_EQ(before.yearPillar.Text(), "壬辰");
  EXPECT_EQ(before.monthPillar.Text(), "癸丑");

  const ChartResult after = Cast(2013, 2, 4, 0, 20, "男");
  EXPECT_FALSE(after.beforeJie);
  EXPECT_EQ(after.yearPillar.Text(), "癸巳");
  EXPECT_EQ(after.monthPillar.Text(), "甲寅");

  // Only jie terms count: a birth before 雨水 on its day is not corrected.
  EXPECT_FALSE(Cast(2013, 2, 18, 8, 0, "男").beforeJie);
}

TEST(CastChart, AJieDatedTheDayAfterLeavesTheBoundaryDayInTheNewMonth) {
  FixtureDir dir;
  WriteSecondFile(dir,
                  std::string(kJqTable) + "insert into JQ values (2013, '立春', '2013-02-05 00:13:00');");
  for (int hour : {0, 12, 23}) {
    const ChartResult c = Cast(2013, 2, 4, hour, 0, "男");
    EXPECT_FALSE(c.beforeJie);
    EXPECT_EQ(c.monthPillar.Text(), "甲寅");
    EXPECT_EQ(c.yearPillar.Text(), "癸巳");
  }
  // On the jie's own day, 5 February, before its instant: one day back,
  // still 寅 (the correction only matters on a boundary date).
  const ChartResult fifth = Cast(2013, 2, 5, 0, 0, "男");
  EXPECT_TRUE(fifth.beforeJie);
  EXPECT_EQ(fifth.monthPillar.Text(), "甲寅");
}

TEST(CastChart, WithoutTableJqNoBirthIsCorrected) {
  FixtureDir dir;
  WriteSecondFile(dir, "");
  const ChartResult c = Cast(2013, 2, 4, 0, 5, "男");
  EXPECT_FALSE(c.beforeJie);
  EXPECT_EQ(c.monthPillar.Text(), "甲寅");
}

TEST(CastChart, AJieDatedOnTheFirstOfJanuaryMovesTheBirthIntoDecember) {
  FixtureDir dir;
  WriteSecondFile(dir, std::string(kJqTable) +
                           "insert into JQ values (2001, '小寒', '2001-01-01 12:00:00');"
                           "insert into JQ values (2001, '惊蛰', '2001-03-01 12:00:00');");
  // Code 100 is the last day of December: the 子 month of the year before.
  const ChartResult jan = Cast(2001, 1, 1, 6, 0, "男");
  EXPECT_TRUE(jan.beforeJie);
  EXPECT_EQ(jan.yearPillar.Text(), "庚辰");
  EXPECT_EQ(jan.monthPillar.Text(), "戊子");
  // Code 300 is the last day of February, still 寅.
  const ChartResult mar = Cast(2001, 3, 1, 6, 0, "男");
  EXPECT_TRUE(mar.beforeJie);
  EXPECT_EQ(mar.monthPillar.Text(), "庚寅");
}

TEST(BeforeJieInstant, IsStrictlyEarlierOnTheSameDateOnly) {
  FixtureDir dir;
  WriteSecondFile(dir,
                  std::string(kJqTable) + "insert into JQ values (2000, '立春', '2000-02-04 20:40:00');");
  const DateTime day = EncodeDate(2000, 2, 4);
  EXPECT_TRUE(BeforeJieInstant(2000, day + EncodeTime(20, 39, 0, 0)));
  EXPECT_FALSE(BeforeJieInstant(2000, day + EncodeTime(20, 40, 0, 0)));
  EXPECT_FALSE(BeforeJieInstant(2000, day + EncodeTime(21, 0, 0, 0)));
  EXPECT_FALSE(BeforeJieInstant(2000, EncodeDate(2000, 2, 3) + EncodeTime(8, 0, 0, 0)));
  EXPECT_FALSE(BeforeJieInstant(2001, day + EncodeTime(8, 0, 0, 0)));  // another year's record
  const ChartResult c = Cast(2000, 2, 4, 10, 0, "男");
  EXPECT_TRUE(c.beforeJie);
  EXPECT_EQ(c.yearPillar.Text(), "己卯");
  EXPECT_EQ(c.monthPillar.Text(), "丁丑");
}

TEST(BeforeJieInstant, ADatabaseErrorIsAnError) {
  {
    FixtureDir dir;  // no file
    EXPECT_THROW(BeforeJieInstant(2000, EncodeDate(2000, 2, 4)), DatabaseError);
  }
  {
    FixtureDir dir;
    dir.WriteDatabase("Tgcode.dll",
                      "create table JQ (YearA integer, JQ text, SJ datetime);"
                      "insert into JQ values (2000, '立春', '2000-02-04 soon');");
    EXPECT_THROW(BeforeJieInstant(2000, EncodeDate(2000, 2, 4)), DatabaseError);  // SJ cannot be read
  }
  {
    FixtureDir dir;
    dir.WriteDatabase("Tgcode.dll", "create table JQ (YearA integer, JQ text);");  // no SJ column
    EXPECT_THROW(BeforeJieInstant(2000, EncodeDate(2000, 2, 4)), DatabaseError);
  }
}

TEST(CastChart, ADateThatDoesNotExistOrLiesOutsideTheLunarRangeIsRefused) {
  FixtureDir dir;
  WriteSecondFile(dir, "");
  struct {
    int y, m, d;
  } const refused[] = {{2013, 2, 29},  {2100, 2, 29},  {2013, 4, 31}, {2013, 6, 31}, {2013, 9, 31},
                       {2013, 11, 31}, {2013, 1, 32},  {2013, 13, 1}, {2013, 0, 1},  {2013, 5, 0},
                       {1900, 1, 30},  {1899, 12, 31}, {2101, 1, 1}};
  for (const auto& r : refused) {
    SCOPED_TRACE(std::to_string(r.y) + "-" + std::to_string(r.m) + "-" + std::to_string(r.d));
    RecordingNotifier notifier;
    // The date is refused before the clock time is looked at.
    EXPECT_FALSE(CastChart({{r.y, r.m, r.d}, 99, 0, Sex::Man}, notifier).has_value());
    EXPECT_EQ(notifier.messages, std::vector<std::string>{"请检查输入数据是否出错！"});
  }
  EXPECT_EQ(Cast(2012, 2, 29, 0, 0, "男").dayPillar.Text(), "庚申");
  EXPECT_EQ(Cast(2000, 2, 29, 0, 0, "男").dayPillar.Text(), "丁巳");
  EXPECT_EQ(Cast(1900, 1, 31, 0, 0, "男").dayPillar.Text(), "甲辰");
  EXPECT_EQ(Cast(1900, 2, 20, 0, 0, "男").dayPillar.Text(), "甲子");
  EXPECT_EQ(Cast(2100, 12, 31, 23, 59, "女").yearPillar.Text(), "庚申");
}

TEST(CastChart, AClockTimeThatCannotBeEncodedRaisesAConversionError) {
  FixtureDir dir;
  WriteSecondFile(dir, "");
  RecordingNotifier notifier;
  EXPECT_THROW(CastChart({{2000, 1, 1}, 24, 0, Sex::Man}, notifier), ConvertError);
  EXPECT_THROW(CastChart({{2000, 1, 1}, -1, 0, Sex::Man}, notifier), ConvertError);
  EXPECT_THROW(CastChart({{2000, 1, 1}, 0, 60, Sex::Man}, notifier), ConvertError);
  EXPECT_THROW(CastChart({{2000, 1, 1}, 0, -1, Sex::Man}, notifier), ConvertError);
  EXPECT_TRUE(notifier.messages.empty());
  EXPECT_TRUE(CastChart({{2000, 1, 1}, 23, 59, Sex::Man}, notifier).has_value());
}

TEST(CastChart, OnlyTheText男IsAMan) {
  FixtureDir dir;
  WriteSecondFile(dir, "");
  EXPECT_TRUE(Cast(2000, 1, 1, 0, 0, "男").direction == LuckDirection::Backward);
  EXPECT_FALSE(Cast(2000, 1, 1, 0, 0, "女").direction == LuckDirection::Backward);
  EXPECT_FALSE(Cast(2000, 1, 1, 0, 0, "").direction == LuckDirection::Backward);
  EXPECT_FALSE(Cast(2000, 1, 1, 0, 0, "男 ").direction == LuckDirection::Backward);
  // A yang year: forward for a man, backward for a woman.
  EXPECT_FALSE(Cast(1984, 3, 15, 12, 0, "男").direction == LuckDirection::Backward);
  EXPECT_TRUE(Cast(1984, 3, 15, 12, 0, "女").direction == LuckDirection::Backward);
}

TEST(JieTerms, TheTwelveMonthOpeningTerms) {
  EXPECT_TRUE(IsJieTerm("立春"));
  EXPECT_TRUE(IsJieTerm("小寒"));
  EXPECT_FALSE(IsJieTerm("雨水"));
  EXPECT_FALSE(IsJieTerm(" 立春"));
}

}  // namespace
}  // namespace vantrel
