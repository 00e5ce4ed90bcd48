#include "tools/lib/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/lunar.h"

namespace vantrel::tools {
namespace {

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kSecond = 1.0 / 86400.0;

// Every term of 1900..2100 in order, computed once for the structural tests.
const std::vector<DateTime>& AllTerms() {
  static const std::vector<DateTime> terms = [] {
    std::vector<DateTime> out;
    for (int year = 1900; year <= 2100; ++year) {
      for (int term = 0; term < 24; ++term) out.push_back(SolarTermInstantCst(year, term));
    }
    return out;
  }();
  return terms;
}

std::string Describe(int index) {
  return std::to_string(1900 + index / 24) + " " + std::string(SolarTermNames[index % 24]) + " " +
         FormatDateTime(AllTerms()[index]);
}

TEST(SolarTermInstantCst, MatchPublishedInstantsToTheMinute) {
  struct Published {
    int year;
    int term;
    const char* cst;
  };
  // Published instants in China Standard Time, to the minute.
  const Published published[] = {
      {2000, 0, "2000-01-06 09:01:00"},  {2000, 2, "2000-02-04 20:40:00"},  {2000, 5, "2000-03-20 15:35:00"},
      {2000, 23, "2000-12-21 21:37:00"}, {2013, 2, "2013-02-04 00:13:00"},  {2020, 5, "2020-03-20 11:49:00"},
      {2020, 11, "2020-06-21 05:44:00"}, {2020, 17, "2020-09-22 21:31:00"}, {2020, 23, "2020-12-21 18:02:00"},
      {2021, 2, "2021-02-03 22:59:00"},  {2021, 11, "2021-06-21 11:32:00"}, {2021, 23, "2021-12-21 23:59:00"},
      {2022, 11, "2022-06-21 17:14:00"}, {2022, 17, "2022-09-23 09:04:00"}, {2023, 17, "2023-09-23 14:50:00"},
      {2023, 23, "2023-12-22 11:27:00"}, {2024, 5, "2024-03-20 11:06:00"},  {2024, 11, "2024-06-21 04:51:00"},
  };
  for (const Published& p : published) {
    const DateTime got = SolarTermInstantCst(p.year, p.term);
    EXPECT_NEAR(got, StrToDateTime(p.cst), kMinute) << p.year << " " << SolarTermNames[p.term] << ": got "
                                                    << FormatDateTime(got) << ", published " << p.cst;
  }
}

TEST(SolarTermInstantCst, SunStandsAtTheTermLongitudeAtEachInstant) {
  const std::vector<DateTime>& terms = AllTerms();
  for (int i = 0; i < static_cast<int>(terms.size()); ++i) {
    const double target = std::fmod(285.0 + 15.0 * (i % 24), 360.0);
    const double off = std::remainder(SunApparentLongitude(terms[i]) - target, 360.0) * 3600.0;
    ASSERT_LT(std::fabs(off), 1.0) << Describe(i) << " is " << off << "\" off";
    // Whole seconds, as the term table stores them.
    ASSERT_NEAR(terms[i] * 86400.0, std::round(terms[i] * 86400.0), 1e-4) << Describe(i);
  }
}

TEST(SolarTermInstantCst, FollowEachOtherInOrderInTheirMonths) {
  const std::vector<DateTime>& terms = AllTerms();
  for (int i = 0; i < static_cast<int>(terms.size()); ++i) {
    const CivilDate date = DecodeDate(terms[i]);
    ASSERT_EQ(date.year, 1900 + i / 24) << Describe(i);
    ASSERT_EQ(date.month, (i % 24) / 2 + 1) << Describe(i);
    if (i == 0) continue;
    // Across the turn of the year too: 冬至 to the next 小寒.
    const double gap = terms[i] - terms[i - 1];
    ASSERT_GT(gap, 14.0) << Describe(i - 1) << " → " << Describe(i);
    ASSERT_LT(gap, 16.5) << Describe(i - 1) << " → " << Describe(i);
  }
}

TEST(SolarTermInstantCst, ApparentLongitudeAgreesWithTheVsop87Example) {
  // 1992-10-13 0h Terrestrial Time: VSOP87 with nutation and aberration puts
  // the Sun at 199°54'21.5" (Meeus, Astronomical Algorithms, example 25.b).
  const DateTime tt = EncodeDate(1992, 10, 13);
  const DateTime cst = tt - DeltaTSeconds(1992.78) * kSecond + 8.0 / 24.0;
  const double expected = 199.0 + 54.0 / 60.0 + 21.5 / 3600.0;
  EXPECT_NEAR(SunApparentLongitude(cst), expected, 1.0 / 3600.0);
}

TEST(SolarTermInstantCst, RejectsATermOutsideTheTwentyFour) {
  EXPECT_THROW(SolarTermInstantCst(2000, -1), std::out_of_range);
  EXPECT_THROW(SolarTermInstantCst(2000, 24), std::out_of_range);
}

TEST(DeltaT, FollowsTheObservedValuesAndJoinsItsPieces) {
  // Observed TT − UT in seconds.
  EXPECT_NEAR(DeltaTSeconds(1900.0), -2.7, 0.3);
  EXPECT_NEAR(DeltaTSeconds(1950.0), 29.1, 0.3);
  EXPECT_NEAR(DeltaTSeconds(1980.0), 50.5, 0.3);
  EXPECT_NEAR(DeltaTSeconds(2000.0), 63.8, 0.3);
  // The polynomials meet where one hands over to the next.
  for (double year : {1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0}) {
    EXPECT_NEAR(DeltaTSeconds(year - 1e-9), DeltaTSeconds(year), 0.1) << year;
  }
}

}  // namespace
}  // namespace vantrel::tools
