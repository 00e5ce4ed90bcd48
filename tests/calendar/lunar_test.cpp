#include "calendar/lunar.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart.h"

namespace vantrel {
namespace {

DateTime D(int y, int m, int d) { return EncodeDate(y, m, d); }

TEST(LunarTable, YearAndMonthLengths) {
  EXPECT_EQ(LunarYearDays(1900), 384);
  EXPECT_EQ(LeapMonthOf(1900), 8);
  EXPECT_EQ(LeapMonthDays(1900), 29);
  EXPECT_EQ(LunarYearDays(2000), 354);
  EXPECT_EQ(LeapMonthDays(1906), 30);  // the word of 1907 ends in F
  EXPECT_EQ(LeapMonthOf(1907), 0);
  EXPECT_EQ(LeapMonthDays(2020), 29);
  EXPECT_EQ(LeapMonthOf(2020), 4);
  EXPECT_EQ(LeapMonthOf(2100), 0);
  EXPECT_EQ(LunarMonthDays(2000, 1), 30);  // C960: bit 15 set
  EXPECT_EQ(LunarMonthDays(2000, 2), 30);
  EXPECT_EQ(LunarMonthDays(2000, 3), 29);
}

TEST(LunarTable, HoldsTheDocumentedLeapMonths) {
  int leap_years = 0;
  std::vector<int> thirty;
  for (int y = 1900; y <= 2100; ++y) {
    const int len = LunarYearDays(y);
    EXPECT_GE(len, 353) << y;
    EXPECT_LE(len, 385) << y;
    if (LeapMonthOf(y)) {
      ++leap_years;
      if (y < 2100) {
        EXPECT_EQ(LeapMonthOf(y + 1), 0) << "consecutive leap years at " << y;
      }
      if (LeapMonthDays(y) == 30) thirty.push_back(y);
    }
  }
  EXPECT_EQ(leap_years, 74);
  EXPECT_EQ(thirty, (std::vector<int>{1906, 1914, 1919, 1925, 1933, 1936, 1938, 1941, 1944, 1952,
                                      1955, 1979, 2017, 2036, 2047, 2050, 2055, 2058, 2085, 2093}));
}

TEST(SolarToLunar, RangeEdgesAndKnownDays) {
  EXPECT_EQ(SolarToLunar(D(1900, 1, 31)), (LunarDate{1900, 1, 1, false}));
  EXPECT_EQ(SolarToLunar(D(1900, 1, 30)), LunarDate{});
  EXPECT_EQ(SolarToLunar(D(2100, 12, 31)), (LunarDate{2100, 12, 1, false}));
  EXPECT_EQ(SolarToLunar(D(2101, 1, 1)), LunarDate{});
  EXPECT_EQ(SolarToLunar(D(2000, 2, 5)), (LunarDate{2000, 1, 1, false}));
  EXPECT_EQ(SolarToLunar(D(1901, 2, 18)), (LunarDate{1900, 12, 30, false}));
  EXPECT_EQ(SolarToLunar(D(1901, 2, 19)), (LunarDate{1901, 1, 1, false}));
  EXPECT_EQ(SolarToLunar(D(2013, 9, 21)), (LunarDate{2013, 8, 17, false}));
  EXPECT_EQ(SolarToLunar(D(2020, 5, 23)), (LunarDate{2020, 4, 1, true}));
  EXPECT_EQ(SolarToLunar(D(2020, 6, 20)), (LunarDate{2020, 4, 29, true}));
  EXPECT_EQ(SolarToLunar(D(2020, 6, 21)), (LunarDate{2020, 5, 1, false}));
  EXPECT_EQ(SolarToLunar(D(1900, 9, 24)), (LunarDate{1900, 8, 1, true}));
  EXPECT_EQ(SolarToLunar(D(2013, 9, 21) + 0.99), (LunarDate{2013, 8, 17, false}));
  EXPECT_EQ(SolarToLunar(31.5), LunarDate{});
  EXPECT_EQ(SolarToLunar(73415.9), (LunarDate{2100, 12, 1, false}));
}

TEST(LunarToSolar, KnownDatesAndInvalidOnes) {
  EXPECT_EQ(LunarToSolar({2020, 4, 1, true}), D(2020, 5, 23));
  EXPECT_EQ(LunarToSolar({2020, 4, 1, false}), D(2020, 4, 23));
  EXPECT_EQ(LunarToSolar({2020, 4, 29, true}), D(2020, 6, 20));
  EXPECT_EQ(LunarToSolar({2020, 4, 30, true}), kNoDate);
  EXPECT_EQ(LunarToSolar({2020, 5, 1, true}), kNoDate);
  EXPECT_EQ(LunarToSolar({1900, 1, 1, false}), kNoDate);
  EXPECT_EQ(LunarToSolar({2100, 1, 1, false}), kNoDate);
  EXPECT_EQ(LunarToSolar({2000, 1, 1, false}), D(2000, 2, 5));
  EXPECT_EQ(LunarToSolar({1999, 1, 1, false}), D(1999, 2, 16));
  EXPECT_EQ(LunarToSolar({2001, 1, 1, false}), D(2001, 1, 24));
  EXPECT_EQ(LunarToSolar({2013, 8, 17, false}), D(2013, 9, 21));
}

TEST(IsValidLunarDate, RejectsEveryImpossibleField) {
  EXPECT_TRUE(IsValidLunarDate({1901, 1, 1, false}));
  EXPECT_TRUE(IsValidLunarDate({2099, 12, 29, false}));
  EXPECT_FALSE(IsValidLunarDate({1900, 6, 1, false}));
  EXPECT_FALSE(IsValidLunarDate({2100, 6, 1, false}));
  EXPECT_FALSE(IsValidLunarDate({2013, 0, 1, false}));
  EXPECT_FALSE(IsValidLunarDate({2013, 13, 1, false}));
  EXPECT_FALSE(IsValidLunarDate({2013, -1, 1, false}));
  EXPECT_FALSE(IsValidLunarDate({2013, 1, 0, false}));
  EXPECT_FALSE(IsValidLunarDate({2013, 1, -3, false}));
  EXPECT_FALSE(IsValidLunarDate({2013, 1, 31, false}));
  EXPECT_FALSE(IsValidLunarDate({2013, 2, 30, false}));  // a 29-day month
  EXPECT_TRUE(IsValidLunarDate({2013, 2, 29, false}));
  EXPECT_TRUE(IsValidLunarDate({2013, 3, 30, false}));
  EXPECT_FALSE(IsValidLunarDate({2013, 1, 1, true}));  // 2013 has no leap month
  EXPECT_EQ(LunarToSolar({2013, 0, 1, false}), kNoDate);
  EXPECT_EQ(LunarToSolar({2013, 1, 0, false}), kNoDate);
  EXPECT_FALSE(TryLunarToSolar({2013, 1, 0, false}).has_value());
  EXPECT_EQ(TryLunarToSolar({2013, 1, 1, false}), LunarToSolar({2013, 1, 1, false}));
}

// Every day of lunar 1901..2099 converts to its lunar date and back.
TEST(LunarConversion, RoundTripsEveryDayOfTheValidRange) {
  const DateTime first = D(1901, 2, 19);
  DateTime last = D(2100, 1, 1);
  while (SolarToLunar(last + 1).year == 2099) last += 1;  // the last day of lunar 2099
  ASSERT_EQ(SolarToLunar(last).year, 2099);
  ASSERT_EQ(SolarToLunar(last + 1).year, 2100);
  LunarDate previous = SolarToLunar(first - 1);
  for (DateTime x = first; x <= last; x += 1) {
    const LunarDate d = SolarToLunar(x);
    ASSERT_TRUE(IsValidLunarDate(d)) << FormatDate(x);
    ASSERT_EQ(LunarToSolar(d), x) << FormatDate(x);
    // Days advance one at a time within a month, and a new month starts at 1.
    if (d.day != 1) {
      ASSERT_EQ(d.day, previous.day + 1) << FormatDate(x);
    }
    previous = d;
  }
}

TEST(SolarTerms, FormulaInstants) {
  EXPECT_EQ(FormatDateTime(SolarTermInstant(1900, 0)), "1900-01-06 02:05:00");
  const DateTime lichun2000 = SolarTermInstant(2000, 2);
  EXPECT_EQ(FormatDate(lichun2000), "2000-02-04");
  EXPECT_EQ(DecodeTime(lichun2000).hour, 19);
  EXPECT_EQ(DecodeTime(lichun2000).minute, 8);
  const DateTime lichun2013 = SolarTermInstant(2013, 2);
  EXPECT_EQ(FormatDate(lichun2013), "2013-02-03");
  EXPECT_EQ(DecodeTime(lichun2013).hour, 22);
  // Terms follow each other within the year.
  for (int y = 1900; y <= 2100; ++y) {
    for (int n = 1; n < 24; ++n) ASSERT_LT(SolarTermInstant(y, n - 1), SolarTermInstant(y, n));
  }
}

TEST(SolarTerms, TermOfDate) {
  EXPECT_EQ(SolarTermOfDate(D(2000, 2, 4)), "立春");
  EXPECT_EQ(SolarTermOfDate(D(2013, 2, 3)), "立春");
  EXPECT_EQ(SolarTermOfDate(D(2013, 2, 4)), "");
  EXPECT_EQ(SolarTermOfDate(D(2000, 2, 19)), "雨水");
  EXPECT_EQ(SolarTermOfDate(D(2013, 12, 21)), "冬至");
  EXPECT_EQ(SolarTermOfDate(D(2000, 2, 4) + 0.5), "");  // a time of day never matches
  // By number: 立春 (2) and 惊蛰 (4) are jie, 雨水 (3) is not.
  EXPECT_EQ(SolarTermOnDate(D(2000, 2, 4)), 2);
  EXPECT_EQ(SolarTermOnDate(D(2000, 2, 19)), 3);
  EXPECT_EQ(SolarTermOnDate(D(2013, 2, 4)), std::nullopt);
  for (int t = 0; t < 24; t += 2) EXPECT_TRUE(IsJieTerm(SolarTermNames[static_cast<std::size_t>(t)])) << t;
  // Each month holds exactly its two terms.
  for (int m = 1; m <= 12; ++m) {
    int found = 0;
    for (int d = 1; d <= DaysInMonth(2013, m); ++d) {
      const std::string name = SolarTermOfDate(D(2013, m, d));
      if (!name.empty()) {
        ++found;
        EXPECT_TRUE(name == SolarTermNames[2 * (m - 1)] || name == SolarTermNames[2 * (m - 1) + 1]);
      }
    }
    EXPECT_EQ(found, 2) << m;
  }
}

}  // namespace
}  // namespace vantrel
