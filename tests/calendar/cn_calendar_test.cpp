#include "calendar/cn_calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"

namespace vantrel {
namespace {

DateTime D(int y, int m, int d) { return EncodeDate(y, m, d); }

// All the texts of one day, in the order the command line prints them.
struct DayTexts {
  int code;
  std::string month, day, lunarFestival, term, solarFestival, zodiac;
};

DayTexts TextsOf(int y, int m, int d) {
  const DateTime x = D(y, m, d);
  return {CnLunarCode(x),     CnLunarMonthText(x),      CnLunarDayText(x), CnLunarFestival(x),
          CnSolarTermText(x), CnSolarFestival(y, m, d), CnZodiacText(x)};
}

TEST(CnLunarCode, KnownDaysAtTheEdgesAndInLeapMonths) {
  EXPECT_EQ(CnLunarCode(D(1901, 1, 1)), 1111);
  EXPECT_EQ(CnLunarCode(D(2013, 1, 1)), 1120);
  EXPECT_EQ(CnLunarCode(D(2050, 12, 31)), 1118);
  EXPECT_EQ(CnLunarCode(D(2013, 9, 21)), 817);
  EXPECT_EQ(CnLunarCode(D(2013, 9, 21) + 0.75), 817);  // the time of day is ignored
  EXPECT_EQ(CnLunarCode(D(2013, 2, 9)), 1229);
  EXPECT_EQ(CnLunarCode(D(2013, 2, 10)), 101);
  EXPECT_EQ(CnLunarCode(D(2020, 5, 22)), 430);
  EXPECT_EQ(CnLunarCode(D(2020, 5, 23)), -401);
  EXPECT_EQ(CnLunarCode(D(2020, 6, 20)), -429);
  EXPECT_EQ(CnLunarCode(D(2020, 6, 21)), 501);
  // The leap eleventh month of 2033 runs over the new year.
  EXPECT_EQ(CnLunarCode(D(2033, 12, 31)), -1110);
  EXPECT_EQ(CnLunarCode(D(2034, 1, 1)), -1111);
  EXPECT_EQ(CnLunarCode(D(2034, 1, 20)), 1201);
}

TEST(CnLunarCode, IsZeroOutsideTheTables) {
  EXPECT_EQ(CnLunarCode(D(1900, 12, 31)), 0);
  EXPECT_EQ(CnLunarCode(D(2051, 1, 1)), 0);
  EXPECT_EQ(CnLunarCode(D(1, 1, 1)), 0);
  EXPECT_EQ(CnLunarCode(D(9999, 12, 31)), 0);
}

TEST(CnCalendarTexts, MonthAndDayWords) {
  EXPECT_EQ(CnLunarMonthText(D(2013, 9, 21)), "八月");
  EXPECT_EQ(CnLunarDayText(D(2013, 9, 21)), "十七");
  EXPECT_EQ(CnLunarMonthText(D(2013, 2, 10)), "正月");
  EXPECT_EQ(CnLunarMonthText(D(2013, 1, 1)), "冬月");
  EXPECT_EQ(CnLunarDayText(D(2013, 1, 1)), "二十");
  EXPECT_EQ(CnLunarMonthText(D(2013, 2, 9)), "腊月");
  EXPECT_EQ(CnLunarDayText(D(2014, 1, 30)), "三十");
  EXPECT_EQ(CnLunarMonthText(D(2020, 5, 23)), "闰四");
  EXPECT_EQ(CnLunarDayText(D(2020, 5, 23)), "初一");
  EXPECT_EQ(CnLunarMonthText(D(2034, 1, 1)), "闰冬");
  EXPECT_EQ(CnLunarDayText(D(2034, 1, 1)), "十一");
}

TEST(CnCalendarTexts, TablesOfWords) {
  EXPECT_EQ(CnMonthChars[0], "");
  EXPECT_EQ(CnMonthChars[1], "正");
  EXPECT_EQ(CnMonthChars[11], "冬");
  EXPECT_EQ(CnMonthChars[12], "腊");
  EXPECT_EQ(CnDayNames[0], "");
  EXPECT_EQ(CnDayNames[20], "二十");
  EXPECT_EQ(CnDayNames[21], "廿一");
  EXPECT_EQ(CnDayNames[30], "三十");
  // Apart from the two words of this calendar, the day names are the chart's.
  for (int day = 1; day <= 30; ++day) EXPECT_EQ(CnDayNames[day], LunarDayName(day)) << day;
  for (int b = 0; b < 12; ++b) {
    EXPECT_EQ(CnAnimalTexts[b], std::string(BranchNames[b]) + std::string(AnimalNames[b])) << b;
  }
}

TEST(CnLunarFestival, EveryFestivalOf2013) {
  const std::vector<std::pair<DateTime, std::string>> festivals = {
      {D(2013, 1, 19), "腊八节"},  {D(2013, 2, 9), "除夕"},    {D(2013, 2, 10), "春节"},
      {D(2013, 2, 24), "元宵节"},  {D(2013, 8, 13), "七夕节"}, {D(2013, 9, 19), "中秋节"},
      {D(2013, 10, 13), "重阳节"}, {D(2014, 1, 8), "腊八节"},  {D(2014, 1, 30), "除夕"},
      {D(2014, 1, 31), "春节"}};
  for (const auto& [date, name] : festivals) EXPECT_EQ(CnLunarFestival(date), name) << FormatDate(date);
  // This calendar's fifth month of 2013 starts on 9 June, so its 端午 is the 13th.
  EXPECT_EQ(CnLunarFestival(D(2013, 6, 12)), "");
  EXPECT_EQ(CnLunarFestival(D(2013, 6, 13)), "端午节");
  EXPECT_EQ(CnLunarFestival(D(2013, 9, 21)), "");
  EXPECT_EQ(CnLunarFestival(D(2013, 2, 8)), "");
}

TEST(CnLunarFestival, NoneInALeapMonth) {
  EXPECT_EQ(CnLunarCode(D(2009, 6, 27)), -505);
  EXPECT_EQ(CnLunarFestival(D(2009, 6, 27)), "");
  EXPECT_EQ(CnLunarFestival(D(2009, 5, 28)), "端午节");
  EXPECT_EQ(CnLunarFestival(D(2020, 5, 23)), "");
}

TEST(CnLunarFestival, TheEveAtTheEndsOfTheTables) {
  // The first 除夕 of the table lies in its first year; after the last day
  // nothing follows, so 31 December 2050 is no eve.
  EXPECT_EQ(CnLunarFestival(D(1901, 2, 18)), "除夕");
  EXPECT_EQ(CnLunarFestival(D(2050, 12, 31)), "");
  EXPECT_EQ(CnLunarFestival(D(2051, 1, 1)), "");
  EXPECT_EQ(CnLunarFestival(D(1900, 12, 31)), "");
}

TEST(CnZodiacText, FollowsTheLunarNewYear) {
  EXPECT_EQ(CnZodiacText(D(2013, 2, 9)), "辰龙");
  EXPECT_EQ(CnZodiacText(D(2013, 2, 10)), "巳蛇");
  EXPECT_EQ(CnZodiacText(D(2013, 12, 31)), "巳蛇");  // 冬月 late in the year: no step back
  EXPECT_EQ(CnZodiacText(D(1972, 6, 1)), "子鼠");
  EXPECT_EQ(CnZodiacText(D(1901, 1, 1)), "子鼠");
  EXPECT_EQ(CnZodiacText(D(2034, 1, 1)), "丑牛");   // leap 冬 month
  EXPECT_EQ(CnZodiacText(D(2034, 2, 18)), "丑牛");  // 腊月 in February
  EXPECT_EQ(CnZodiacText(D(2034, 2, 19)), "寅虎");
  EXPECT_EQ(CnZodiacText(D(2050, 12, 31)), "午马");
}

TEST(CnSolarTerms, KnownDays) {
  EXPECT_EQ(CnSolarTermIndex(2013, 2, 4), 3);
  EXPECT_EQ(CnSolarTermText(D(2013, 2, 4)), "立春");
  EXPECT_EQ(CnSolarTermIndex(2013, 2, 18), 4);
  EXPECT_EQ(CnSolarTermText(D(2013, 2, 18)), "雨水");
  EXPECT_EQ(CnSolarTermIndex(2013, 12, 22), 24);
  EXPECT_EQ(CnSolarTermText(D(2013, 12, 22)), "冬至");
  EXPECT_EQ(CnSolarTermIndex(1901, 1, 6), 1);  // 0x96: 15 - 9 and 15 + 6
  EXPECT_EQ(CnSolarTermIndex(1901, 1, 21), 2);
  EXPECT_EQ(CnSolarTermIndex(2013, 2, 3), 0);
  EXPECT_EQ(CnSolarTermIndex(2013, 2, 15), 0);
  EXPECT_EQ(CnSolarTermText(D(2013, 2, 5)), "");
}

TEST(CnSolarTerms, NothingOutsideTheTables) {
  EXPECT_EQ(CnSolarTermIndex(1900, 2, 4), 0);
  EXPECT_EQ(CnSolarTermIndex(2051, 2, 4), 0);
  EXPECT_EQ(CnSolarTermIndex(2013, 0, 6), 0);
  EXPECT_EQ(CnSolarTermIndex(2013, 13, 6), 0);
  EXPECT_EQ(CnSolarTermText(D(2051, 12, 22)), "");
}

TEST(CnSolarFestival, FixedAndMovableDays) {
  EXPECT_EQ(CnSolarFestival(2013, 1, 1), "元旦节");
  EXPECT_EQ(CnSolarFestival(2013, 2, 14), "情人节");
  EXPECT_EQ(CnSolarFestival(2013, 10, 31), "万圣节");
  EXPECT_EQ(CnSolarFestival(2013, 11, 8), "记者日");
  EXPECT_EQ(CnSolarFestival(2013, 12, 25), "圣诞节");
  EXPECT_EQ(CnSolarFestival(2013, 12, 24), "");
  // Second Sunday of May, third Sunday of June, fourth Thursday of November.
  EXPECT_EQ(CnSolarFestival(2013, 5, 12), "母亲节");
  EXPECT_EQ(CnSolarFestival(2013, 5, 5), "");   // the first Sunday
  EXPECT_EQ(CnSolarFestival(2013, 5, 19), "");  // the third Sunday
  EXPECT_EQ(CnSolarFestival(2013, 6, 16), "父亲节");
  EXPECT_EQ(CnSolarFestival(2013, 6, 9), "");
  EXPECT_EQ(CnSolarFestival(2013, 11, 28), "感恩节");
  EXPECT_EQ(CnSolarFestival(2013, 11, 21), "");
  EXPECT_EQ(CnSolarFestival(2012, 11, 22), "感恩节");
  EXPECT_EQ(CnSolarFestival(2013, 12, 12), "");  // a Thursday of another month
  // They need no table, so they reach past 1901..2050.
  EXPECT_EQ(CnSolarFestival(2051, 1, 1), "元旦节");
  EXPECT_EQ(CnSolarFestival(1900, 5, 13), "母亲节");
  EXPECT_EQ(CnSolarFestival(2013, 2, 30), "");
  EXPECT_EQ(CnSolarFestival(2013, 13, 1), "");
}

TEST(CnConstellation, EveryBoundary) {
  struct Change {
    int month, lastDay;
    const char* before;
    const char* after;
  };
  const std::vector<Change> changes = {
      {1, 19, "摩羯座", "水瓶座"},  {2, 18, "水瓶座", "双鱼座"},  {3, 20, "双鱼座", "白羊座"},
      {4, 19, "白羊座", "金牛座"},  {5, 20, "金牛座", "双子座"},  {6, 21, "双子座", "巨蟹座"},
      {7, 22, "巨蟹座", "狮子座"},  {8, 22, "狮子座", "处女座"},  {9, 22, "处女座", "天秤座"},
      {10, 23, "天秤座", "天蝎座"}, {11, 21, "天蝎座", "射手座"}, {12, 21, "射手座", "摩羯座"}};
  for (const Change& c : changes) {
    EXPECT_EQ(CnConstellation(c.month, 1), c.before) << c.month;
    EXPECT_EQ(CnConstellation(c.month, c.lastDay), c.before) << c.month;
    EXPECT_EQ(CnConstellation(c.month, c.lastDay + 2), c.after) << c.month;
    EXPECT_EQ(CnConstellation(c.month, 28), c.after) << c.month;
  }
  // The day after each last day belongs to the second sign, 23 August included.
  EXPECT_EQ(CnConstellation(8, 23), "处女座");
  EXPECT_EQ(CnConstellation(4, 20), "金牛座");
  EXPECT_EQ(CnConstellation(10, 24), "天蝎座");
  EXPECT_EQ(CnConstellation(1, 20), "水瓶座");
  EXPECT_EQ(CnConstellation(3, 21), "白羊座");
  EXPECT_EQ(CnConstellation(0, 1), "");
  EXPECT_EQ(CnConstellation(13, 1), "");
}

TEST(CnCalendarTexts, OutsideTheTablesOnlyTheGregorianTextsRemain) {
  struct Case {
    int y, m, d;
    const char* solarFestival;
    const char* constellation;
  };
  for (const Case& c : std::vector<Case>{{1900, 12, 31, "", "摩羯座"},
                                         {1900, 12, 25, "圣诞节", "摩羯座"},
                                         {2051, 1, 1, "元旦节", "摩羯座"},
                                         {1, 1, 1, "元旦节", "摩羯座"}}) {
    const DayTexts t = TextsOf(c.y, c.m, c.d);
    EXPECT_EQ(t.code, 0) << c.y;
    EXPECT_EQ(t.month, "") << c.y;
    EXPECT_EQ(t.day, "") << c.y;
    EXPECT_EQ(t.lunarFestival, "") << c.y;
    EXPECT_EQ(t.term, "") << c.y;
    EXPECT_EQ(t.zodiac, "") << c.y;
    EXPECT_EQ(t.solarFestival, c.solarFestival) << c.y;
    EXPECT_EQ(CnConstellation(c.m, c.d), c.constellation) << c.y;
  }
}

TEST(CnDayCounts, DayOfYearAndMonthLength) {
  EXPECT_EQ(CnDayOfYear(D(2013, 1, 1)), 1);
  EXPECT_EQ(CnDayOfYear(D(2013, 12, 31)), 365);
  EXPECT_EQ(CnDayOfYear(D(2012, 12, 31)), 366);
  EXPECT_EQ(CnDayOfYear(D(2012, 3, 1)), 61);
  EXPECT_EQ(CnDaysInMonth(2013, 2), 28);
  EXPECT_EQ(CnDaysInMonth(2012, 2), 29);
  EXPECT_EQ(CnDaysInMonth(1900, 2), 28);
  EXPECT_EQ(CnDaysInMonth(2000, 2), 29);
  EXPECT_EQ(CnDaysInMonth(D(2013, 4, 9)), 30);
  EXPECT_EQ(CnDaysInMonth(2013, 12), 31);
}

// The next month after `month` in a lunar month sequence: the month itself as
// a leap month, or the following number (twelve wraps to one).
bool FollowsMonth(int before, int after) {
  const int next = std::abs(before) % 12 + 1;
  return after == next || (before > 0 && after == -before);
}

TEST(CnLunarTableWholeRange, AdvancesOneDayAtATime) {
  int previous = CnLunarCode(D(1901, 1, 1));
  int leapMonths = 0;
  for (DateTime x = D(1901, 1, 2); x <= D(2050, 12, 31); x += 1) {
    const int code = CnLunarCode(x);
    const int day = std::abs(code) % 100;
    const int month = code / 100;
    ASSERT_GE(day, 1) << FormatDate(x);
    ASSERT_LE(day, 30) << FormatDate(x);
    ASSERT_TRUE(month >= 1 ? month <= 12 : month <= -1 && month >= -12) << FormatDate(x);
    const int previousDay = std::abs(previous) % 100;
    if (day == 1) {
      ASSERT_TRUE(previousDay == 29 || previousDay == 30) << FormatDate(x);
      ASSERT_TRUE(FollowsMonth(previous / 100, month)) << FormatDate(x) << " " << previous << " " << code;
      if (month < 0) ++leapMonths;
    } else {
      ASSERT_EQ(code, previous + (code > 0 ? 1 : -1)) << FormatDate(x);
    }
    previous = code;
  }
  // The leap months that begin within the range, from 1903 to 2033.
  EXPECT_EQ(leapMonths, 55);
}

TEST(CnLunarTableWholeRange, AgreesWithTheChartCalendarExceptFourMonths) {
  std::vector<std::pair<DateTime, DateTime>> differing;
  for (DateTime x = D(1901, 1, 1); x <= D(2050, 12, 31); x += 1) {
    const int code = CnLunarCode(x);
    const LunarDate l = SolarToLunar(x);
    const bool same =
        std::abs(code) / 100 == l.month && std::abs(code) % 100 == l.day && (code < 0) == l.isLeap;
    if (same) continue;
    // Where they differ, one month starts a day before the other: the day
    // numbers are one apart, or one of them is the first of a month.
    const int day = std::abs(code) % 100;
    EXPECT_TRUE(std::abs(day - l.day) == 1 || day == 1 || l.day == 1) << FormatDate(x);
    if (!differing.empty() && differing.back().second == x - 1) {
      differing.back().second = x;
    } else {
      differing.emplace_back(x, x);
    }
  }
  const std::vector<std::pair<DateTime, DateTime>> expected = {{D(1906, 4, 23), D(1906, 5, 22)},
                                                               {D(1914, 11, 17), D(1914, 12, 16)},
                                                               {D(1989, 8, 1), D(1989, 8, 30)},
                                                               {D(2013, 6, 8), D(2013, 7, 7)}};
  EXPECT_EQ(differing, expected);
}

TEST(CnSolarTermTableWholeRange, TwoTermsAMonthAndMostlyTheFormulaDay) {
  int agreeing = 0;
  for (int year = kCnFirstYear; year <= kCnLastYear; ++year) {
    std::vector<int> found;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CnDaysInMonth(year, month); ++day) {
        if (const int index = CnSolarTermIndex(year, month, day); index != 0) found.push_back(index);
      }
    }
    ASSERT_EQ(found.size(), 24u) << year;
    for (int i = 0; i < 24; ++i) ASSERT_EQ(found[i], i + 1) << year;
    for (int n = 0; n < 24; ++n) {
      const CivilDate c = DecodeDate(std::floor(SolarTermInstant(year, n)));
      if (c.year == year && CnSolarTermIndex(c.year, c.month, c.day) == n + 1) ++agreeing;
    }
  }
  EXPECT_EQ(agreeing, 3462);
}

}  // namespace
}  // namespace vantrel
