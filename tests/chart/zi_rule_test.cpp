// The 子 hour rules of a birth from 23:00 to 24:00, and the notices of a
// birth close to a boundary on which a pillar changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/chart.h"

namespace vantrel {
namespace {

ChartResult Cast(int y, int m, int d, int h, int mi, ZiRule zi = ZiRule::SameDay) {
  Birth b;
  b.date = {y, m, d};
  b.hour = h;
  b.minute = mi;
  b.zi = zi;
  std::optional<ChartResult> c = CastChart(b);
  EXPECT_TRUE(c.has_value());
  return c.value_or(ChartResult{});
}

std::string DayAndHour(const ChartResult& c) { return c.dayPillar.Text() + " " + c.hourPillar.Text(); }

TEST(ZiRule, EachRulePlacesABirthAt2330) {
  // 2024-01-01 is a 甲子 day, 2024-01-02 an 乙丑 day.
  EXPECT_EQ(DayAndHour(Cast(2024, 1, 1, 23, 30, ZiRule::SameDay)), "甲子 甲子");
  EXPECT_EQ(DayAndHour(Cast(2024, 1, 1, 23, 30, ZiRule::NextDay)), "乙丑 丙子");
  EXPECT_EQ(DayAndHour(Cast(2024, 1, 1, 23, 30, ZiRule::Late)), "甲子 丙子");
  // 2000-01-01 is 戊午: the traditional rule keeps 壬子 as at 00:00.
  EXPECT_EQ(DayAndHour(Cast(2000, 1, 1, 23, 30, ZiRule::SameDay)), "戊午 壬子");
  EXPECT_EQ(DayAndHour(Cast(2000, 1, 1, 23, 30, ZiRule::NextDay)), "己未 甲子");
  EXPECT_EQ(DayAndHour(Cast(2000, 1, 1, 23, 30, ZiRule::Late)), "戊午 甲子");
}

TEST(ZiRule, NextDayMovesTheDaysHiddenStemsAndTenGodsWithTheDay) {
  const ChartResult c = Cast(2024, 1, 1, 23, 30, ZiRule::NextDay);
  EXPECT_EQ(c.dayHidden, "癸辛己");  // 丑
  EXPECT_TRUE(c.lateZi);
  // The ten gods of the luck pillars are seen from the day stem 乙.
  const ChartResult same = Cast(2024, 1, 1, 23, 30, ZiRule::SameDay);
  EXPECT_NE(c.luckTenGodLine, same.luckTenGodLine);
  // Year, month and luck are those of the calendar day whatever the rule.
  EXPECT_EQ(c.yearPillar.Text() + c.monthPillar.Text(), same.yearPillar.Text() + same.monthPillar.Text());
  EXPECT_EQ(c.luckPillarsText, same.luckPillarsText);
  EXPECT_EQ(c.startAge, same.startAge);
}

TEST(ZiRule, BeforeElevenAndAfterMidnightTheRulesAgree) {
  for (ZiRule zi : {ZiRule::NextDay, ZiRule::Late}) {
    EXPECT_EQ(DayAndHour(Cast(2024, 1, 1, 22, 59, zi)), DayAndHour(Cast(2024, 1, 1, 22, 59)));
    EXPECT_EQ(DayAndHour(Cast(2024, 1, 2, 0, 30, zi)), DayAndHour(Cast(2024, 1, 2, 0, 30)));
    EXPECT_FALSE(Cast(2024, 1, 1, 22, 59, zi).lateZi);
  }
  // The last day of a year goes into the first of the next.
  EXPECT_EQ(Cast(2023, 12, 31, 23, 10, ZiRule::NextDay).dayPillar.Text(), "甲子");
}

bool Warns(const ChartResult& c, const std::string& part) {
  for (const std::string& w : c.warnings) {
    if (w.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(BoundaryWarnings, NearTheInstantOfLichun2024) {
  // 立春 2024 fell at 16:27 Beijing time on 4 February.
  const ChartResult before5 = Cast(2024, 2, 4, 16, 22);
  ASSERT_EQ(before5.warnings.size(), 1u);
  EXPECT_EQ(before5.warnings[0], "出生时刻距立春仅 5 分钟，月柱取决于准确时刻");
  EXPECT_EQ(before5.monthPillar.Text(), "乙丑");
  EXPECT_TRUE(Cast(2024, 2, 4, 15, 57).warnings.empty());
  EXPECT_TRUE(Warns(Cast(2024, 2, 4, 16, 40), "出生时刻距立春仅 13 分钟"));
  EXPECT_FALSE(Warns(Cast(2024, 2, 4, 16, 45), "立春"));
  // 惊蛰 2024 at 10:22:41: 10:30 is 7 minutes after it.
  EXPECT_TRUE(Warns(Cast(2024, 3, 5, 10, 30), "出生时刻距惊蛰仅 7 分钟"));
}

TEST(BoundaryWarnings, NearADoubleHourBoundary) {
  EXPECT_EQ(Cast(2024, 6, 10, 10, 50).warnings,
            std::vector<std::string>{"出生时刻距巳午两时辰交界（11点）仅 10 分钟，时柱取决于准确时刻"});
  EXPECT_EQ(Cast(2024, 6, 10, 11, 15).warnings.size(), 1u);
  EXPECT_TRUE(Cast(2024, 6, 10, 11, 16).warnings.empty());
  EXPECT_TRUE(Cast(2024, 6, 10, 12, 0).warnings.empty());  // 12:00 lies inside 午
  EXPECT_TRUE(Warns(Cast(2024, 6, 10, 1, 0), "出生时刻距子丑两时辰交界（1点）不到 1 分钟"));
  // 23:00 changes the day as well under 子时换日.
  EXPECT_TRUE(Warns(Cast(2024, 6, 10, 22, 55), "亥子两时辰交界（23点）仅 5 分钟，时柱取决于"));
  EXPECT_TRUE(Warns(Cast(2024, 6, 10, 22, 55, ZiRule::NextDay), "仅 5 分钟，时柱和日柱取决于准确时刻"));
}

TEST(BoundaryWarnings, NearMidnightUnderEveryRule) {
  EXPECT_EQ(Cast(2024, 6, 10, 23, 50).warnings,
            std::vector<std::string>{"出生时刻距午夜（0点）仅 10 分钟，日柱和时柱取决于准确时刻"});
  EXPECT_TRUE(Warns(Cast(2024, 6, 11, 0, 5, ZiRule::Late), "出生时刻距午夜（0点）仅 5 分钟，日柱取决于"));
  EXPECT_TRUE(Warns(Cast(2024, 6, 11, 0, 5, ZiRule::NextDay), "仅 5 分钟，出生日期取决于准确时刻"));
  EXPECT_TRUE(Cast(2024, 6, 10, 23, 30).warnings.empty());
  EXPECT_TRUE(Cast(2024, 6, 11, 0, 30).warnings.empty());
}

}  // namespace
}  // namespace vantrel
