#include "calendar/solar_time.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "calendar/lunar.h"
#include "common/datetime.h"

namespace vantrel {
namespace {

DateTime At(int y, int mo, int d, int h, int mi) { return EncodeDate(y, mo, d) + EncodeTime(h, mi, 0, 0); }

// An independent equation of time from the IAU 2006/2000A models in ERFA:
// the true Sun's Greenwich hour angle (apparent sidereal time less its
// apparent right ascension) minus the mean Sun's (UT - 12 h).
double ErfaEquationOfTimeSeconds(double jd_ut) {
  const double tt = jd_ut - ERFA_DJ00 + 69.0 / 86400;  // delta T near enough
  double helio[2][3], bary[2][3];
  eraEpv00(ERFA_DJ00, tt, helio, bary);
  double sun[3], distance, direction[3], velocity[3], apparent[3];
  for (int i = 0; i < 3; ++i) {
    sun[i] = -helio[0][i];
    velocity[i] = bary[1][i] * ERFA_AULT / ERFA_DAYSEC;
  }
  eraPn(sun, &distance, direction);
  eraAb(direction, velocity, distance, std::sqrt(1 - eraPdp(velocity, velocity)), apparent);
  double npb[3][3], of_date[3];
  eraPnm06a(ERFA_DJ00, tt, npb);
  eraRxp(npb, apparent, of_date);
  const double ra = std::atan2(of_date[1], of_date[0]);
  const double gast = eraGst06a(ERFA_DJ00, jd_ut - ERFA_DJ00, ERFA_DJ00, tt);
  const double mean_sun = (std::fmod(jd_ut - 0.5, 1.0)) * ERFA_D2PI - M_PI;  // (UT - 12 h) as an angle
  double e = eraAnpm(gast - ra - mean_sun);
  return e / ERFA_D2PI * 86400;
}

TEST(EquationOfTime, AgreesWithAnIndependentEphemerisFrom1900To2100) {
  double worst = 0;
  for (int year = 1900; year <= 2100; year += 8) {
    for (int month = 1; month <= 12; month += 1) {
      const double jd =
          2415018.5 + (EncodeDate(year, month, 1 + (year % 27)) - EncodeDate(1899, 12, 31)) + 0.17;
      worst = std::max(worst, std::abs(EquationOfTimeSeconds(jd) - ErfaEquationOfTimeSeconds(jd)));
    }
  }
  EXPECT_LT(worst, 30.0);
  EXPECT_LT(worst, 10.0) << "the series should be far better than the 30 s we promise";
}

TEST(EquationOfTime, HasItsYearlyExtremes) {
  const auto e = [](int y, int m, int d) {
    return EquationOfTimeSeconds(2415018.5 + EncodeDate(y, m, d) + 0.5 - 1);
  };
  // About +16 min 25 s near 3 November, about -14 min 15 s near 11 February.
  EXPECT_NEAR(e(2024, 11, 3), 16 * 60 + 25, 20);
  EXPECT_NEAR(e(2024, 2, 11), -(14 * 60 + 15), 20);
  // Near zero around 15 April, 13 June, 1 September and 25 December.
  for (const auto& [m, d] : {std::pair{4, 15}, {6, 13}, {9, 1}, {12, 25}})
    EXPECT_LT(std::abs(e(2024, m, d)), 60);
}

TEST(ToWholeMinute, CutsToTheMinuteWithoutFallingBackAtTheFullMinute) {
  EXPECT_EQ(FormatDateTime(ToWholeMinute(At(2013, 9, 21, 10, 59) + 59.9 / 86400)).substr(0, 16),
            "2013-09-21 10:59");
  // 11:00 computed as a sum of fractions lies a hair below it and still reads 11:00.
  const DateTime eleven = At(2013, 9, 21, 10, 0) + 3600.0 / 86400 - 1e-12;
  EXPECT_EQ(FormatDateTime(ToWholeMinute(eleven)).substr(0, 16), "2013-09-21 11:00");
  EXPECT_EQ(FormatDateTime(ToWholeMinute(At(2013, 9, 21, 23, 59) + 59.0 / 86400)).substr(0, 16),
            "2013-09-21 23:59");
}

TEST(TrueSolarTime, FarWestAndFarEastOfTheBeijingMeridian) {
  // Urumqi 87.6°E: 129.6 minutes behind Beijing time before the equation of time.
  const SolarTime urumqi = TrueSolarTime(At(2000, 6, 15, 12, 0), {"乌鲁木齐", 87.62});
  EXPECT_NEAR(urumqi.longitudeSeconds, (87.62 - 120) * 240, 1e-6);
  EXPECT_EQ(urumqi.summerSeconds, 0);
  EXPECT_NEAR(urumqi.totalSeconds, urumqi.longitudeSeconds + urumqi.equationSeconds, 1e-9);
  EXPECT_EQ(FormatDateTime(urumqi.solar).substr(0, 16), "2000-06-15 09:50");
  // Kashgar 75.99°E is nearly three hours behind: a 01:30 birth is the day before.
  const SolarTime kashgar = TrueSolarTime(At(2000, 3, 1, 1, 30), {"喀什", 75.99});
  EXPECT_EQ(FormatDate(kashgar.solar), "2000-02-29");
  EXPECT_EQ(CorrectionText(kashgar.totalSeconds), "-3小时8分");
  // Harbin 126.63°E and Shanghai 121.47°E are ahead of it.
  EXPECT_GT(TrueSolarTime(At(2000, 11, 3, 12, 0), {"哈尔滨", 126.63}).totalSeconds, 26 * 60 + 16 * 60);
  const SolarTime shanghai = TrueSolarTime(At(2000, 2, 11, 12, 0), {"上海", 121.47});
  EXPECT_NEAR(shanghai.longitudeSeconds, 1.47 * 240, 1e-6);
  EXPECT_LT(shanghai.totalSeconds, 0);  // mid-February the Sun is 14 minutes late
}

TEST(TrueSolarTime, ChinaSummerTime1986To1991FromTheZoneDatabase) {
  const SolarPlace beijing{"北京", 116.41};
  // Each year's first summer-time day began at 02:00 standard time, which the
  // clocks showed as 03:00; each year's last day ended at 02:00 summer time.
  struct Period {
    int year, start_month, start_day, end_month, end_day;
  };
  for (const Period& p : {Period{1986, 5, 4, 9, 14},
                          {1987, 4, 12, 9, 13},
                          {1988, 4, 17, 9, 11},
                          {1989, 4, 16, 9, 17},
                          {1990, 4, 15, 9, 16},
                          {1991, 4, 14, 9, 15}}) {
    SCOPED_TRACE(p.year);
    EXPECT_FALSE(TrueSolarTime(At(p.year, p.start_month, p.start_day, 1, 59), beijing).summerTime);
    EXPECT_THROW(TrueSolarTime(At(p.year, p.start_month, p.start_day, 2, 30), beijing), ClockGapError);
    const SolarTime after = TrueSolarTime(At(p.year, p.start_month, p.start_day, 3, 0), beijing);
    EXPECT_TRUE(after.summerTime);
    EXPECT_EQ(after.summerSeconds, -3600);
    EXPECT_TRUE(TrueSolarTime(At(p.year, 7, 1, 12, 0), beijing).summerTime);
    // 01:30 on the last day happened twice.
    const SolarTime first = TrueSolarTime(At(p.year, p.end_month, p.end_day, 1, 30), beijing, Fold::First);
    const SolarTime second = TrueSolarTime(At(p.year, p.end_month, p.end_day, 1, 30), beijing, Fold::Second);
    EXPECT_TRUE(first.ambiguous);
    EXPECT_TRUE(first.summerTime);
    EXPECT_FALSE(second.summerTime);
    EXPECT_NEAR(second.solar - first.solar, 1.0 / 24, 2.0 / 86400);  // the Sun moved on an hour
    EXPECT_FALSE(TrueSolarTime(At(p.year, p.end_month, p.end_day, 2, 30), beijing).summerTime);
  }
  EXPECT_FALSE(TrueSolarTime(At(1992, 7, 1, 12, 0), beijing).summerTime);
  EXPECT_FALSE(TrueSolarTime(At(1985, 7, 1, 12, 0), beijing).summerTime);
}

TEST(TrueSolarTime, PlacesOutsideBeijingTimeUseTheirOwnZone) {
  // Kuala Lumpur keeps UTC+8 too; San Francisco keeps its own standard time
  // and summer time: on 1 July 2000 its clocks were an hour ahead.
  const SolarTime sf = TrueSolarTime(At(2000, 7, 1, 12, 0), {"旧金山", -122.42, "America/Los_Angeles"});
  EXPECT_TRUE(sf.summerTime);
  EXPECT_NEAR(sf.longitudeSeconds, (-122.42 + 120) * 240, 1e-6);
  // Britain's double summer time of 1944 put the clocks two hours ahead.
  const SolarTime london = TrueSolarTime(At(1944, 7, 1, 12, 0), {"伦敦", -0.13, "Europe/London"});
  EXPECT_EQ(london.summerSeconds, -7200);
  EXPECT_NEAR(london.longitudeSeconds, -0.13 * 240, 1e-6);
  EXPECT_THROW(TrueSolarTime(At(2000, 7, 1, 12, 0), {"x", 100, "Nowhere/City"}), ConvertError);
  EXPECT_THROW(TrueSolarTime(At(2000, 7, 1, 12, 0), {"x", 100, "../../etc/passwd"}), ConvertError);
  EXPECT_THROW(TrueSolarTime(At(2000, 7, 1, 12, 0), {"x", 200}), ConvertError);
}

// Zones whose database marks the winter clock as the summer one: the
// smaller offset is standard time all year, so no summer part is positive
// and the longitude part counts from the meridian of that clock.
TEST(TrueSolarTime, AWinterClockMarkedAsSummerTimeIsStandardTime) {
  const SolarPlace dublin{"都柏林", -6.26, "Europe/Dublin"};
  const SolarTime winter = TrueSolarTime(At(2000, 1, 15, 12, 0), dublin);
  EXPECT_EQ(winter.summerSeconds, 0);
  EXPECT_FALSE(winter.summerTime);
  EXPECT_NEAR(winter.longitudeSeconds, -6.26 * 240, 1e-6);
  EXPECT_DOUBLE_EQ(winter.meridianDegrees, 0);
  const SolarTime summer = TrueSolarTime(At(2000, 7, 15, 12, 0), dublin);
  EXPECT_EQ(summer.summerSeconds, -3600);
  EXPECT_TRUE(summer.summerTime);
  EXPECT_NEAR(summer.longitudeSeconds, -6.26 * 240, 1e-6);
  // Namibia's winter time of the 1990s, and Prague's winter of 1946/47.
  const SolarPlace windhoek{"温得和克", 17.08, "Africa/Windhoek"};
  EXPECT_EQ(TrueSolarTime(At(1995, 7, 15, 12, 0), windhoek).summerSeconds, 0);
  EXPECT_EQ(TrueSolarTime(At(1995, 1, 15, 12, 0), windhoek).summerSeconds, -3600);
  EXPECT_EQ(TrueSolarTime(At(1947, 1, 15, 12, 0), {"布拉格", 14.42, "Europe/Prague"}).summerSeconds, 0);
  // The totals are as before: only the parts are named differently.
  for (const SolarTime& t : {winter, summer}) {
    EXPECT_NEAR(t.totalSeconds, t.summerSeconds + t.longitudeSeconds + t.equationSeconds, 1e-6);
  }
  EXPECT_NEAR(winter.totalSeconds - winter.equationSeconds, -6.26 * 240, 1e-6);
  EXPECT_NEAR(summer.totalSeconds - summer.equationSeconds, -6.26 * 240 - 3600, 1e-6);
}

// Before 1901 the database keeps Shanghai's local mean time, 8:05:43 ahead
// of UTC: the result says so and counts from that meridian.
TEST(TrueSolarTime, BeforeStandardTimeTheClockKeptLocalMeanTime) {
  const SolarPlace beijing{"东经120度", 120, "Asia/Shanghai"};
  const SolarTime before = TrueSolarTime(At(1900, 6, 1, 12, 0), beijing);
  EXPECT_TRUE(before.localMeanTime);
  EXPECT_NEAR(before.meridianDegrees, (8 * 3600 + 5 * 60 + 43) / 240.0, 1e-9);
  EXPECT_NEAR(before.longitudeSeconds, -343, 1e-6);
  const SolarTime after = TrueSolarTime(At(1901, 6, 1, 12, 0), beijing);
  EXPECT_FALSE(after.localMeanTime);
  EXPECT_DOUBLE_EQ(after.meridianDegrees, 120);
  EXPECT_NEAR(after.longitudeSeconds, 0, 1e-6);
}

TEST(TrueSolarTime, ACorrectionAcrossLichunMovesTheYear) {
  // 立春 2000 fell on 4 February at 20:40 Beijing time. A clock time just
  // after it in Kashgar is, by the Sun, still before it.
  const SolarTime kashgar = TrueSolarTime(At(2000, 2, 4, 21, 0), {"喀什", 75.99});
  EXPECT_LT(kashgar.solar, At(2000, 2, 4, 20, 40));
  EXPECT_EQ(FormatDate(kashgar.solar), "2000-02-04");
}

TEST(WholeSecondParts, TheRoundedPartsAddUpToTheRoundedTotal) {
  // Rounded one by one these would show 0 + 0 + 0 under a total of 1.
  EXPECT_EQ(WholeSecondParts({0.4, 0.4, 0.4}), (std::array<long, 3>{1, 0, 0}));
  EXPECT_EQ(WholeSecondParts({-0.6, -0.6, 0}), (std::array<long, 3>{0, -1, 0}));
  // The largest fraction is rounded up first; a whole part stays whole.
  EXPECT_EQ(WholeSecondParts({-3600, -7771.2, -355.6}), (std::array<long, 3>{-3600, -7771, -356}));
  EXPECT_EQ(WholeSecondParts({-3600, -7771.4, -355.4}), (std::array<long, 3>{-3600, -7771, -356}));
  EXPECT_EQ(WholeSecondParts({0, 0, 0}), (std::array<long, 3>{0, 0, 0}));
  for (int i = 0; i < 2000; ++i) {
    const std::array<double, 3> parts = {std::sin(i) * 4000, std::cos(i * 1.3) * 9000,
                                         std::sin(i * 0.7) * 990};
    const std::array<long, 3> whole = WholeSecondParts(parts);
    EXPECT_EQ(whole[0] + whole[1] + whole[2], std::lround(parts[0] + parts[1] + parts[2])) << i;
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_TRUE(whole[k] == std::floor(parts[k]) || whole[k] == std::ceil(parts[k])) << i << " " << k;
    }
  }
}

TEST(CorrectToSolarTime, TheShownPartsAddUpToTheTotalAndTheResult) {
  // 08:30:00 - 3:15:27 is 05:14:33 (the exact result, 05:14:32.6, must not be
  // cut to 05:14:32).
  const SolarPlace urumqi{"乌鲁木齐", 87.62};
  SolarTimeCorrection c = CorrectToSolarTime(At(1986, 8, 6, 8, 30), urumqi);
  EXPECT_TRUE(c.summerTime);
  EXPECT_EQ(c.summerSeconds, -3600);
  EXPECT_EQ(c.totalSeconds, -(3 * 3600 + 15 * 60 + 27));
  SolarTimeTexts shown = RenderSolarTime(c);
  EXPECT_EQ(shown.total, "-195分27秒（-3小时15分）");
  EXPECT_EQ(shown.solar, "1986-08-06 05:14:33");
  EXPECT_EQ(shown.hourItem, "卯 5（1986-08-06）");
  EXPECT_EQ(FormatDateTime(c.birth), "1986-08-06 05:14:00");
  EXPECT_EQ(c.hour, 5);

  // The longitude part -129:31.2 and the equation of time -6:53.5: rounded
  // one by one they show 136:24, a second short of the total.
  c = CorrectToSolarTime(At(1986, 1, 9, 8, 30), urumqi);
  EXPECT_EQ(c.summerSeconds + c.longitudeSeconds + c.equationSeconds, c.totalSeconds);
  EXPECT_EQ(MinutesSecondsText(c.totalSeconds), "-136分25秒");
  EXPECT_EQ(RenderSolarTime(c).solar, "1986-01-09 06:13:35");

  // Every day of a year with summer time, at a longitude with a fraction.
  for (DateTime day = EncodeDate(1988, 1, 1); day < EncodeDate(1989, 1, 1); day += 1) {
    const DateTime clock = day + EncodeTime(8, 30, 0, 0);
    const SolarTime exact = TrueSolarTime(clock, urumqi);
    c = CorrectToSolarTime(clock, urumqi);
    EXPECT_EQ(c.summerSeconds + c.longitudeSeconds + c.equationSeconds, c.totalSeconds) << FormatDate(day);
    EXPECT_EQ(c.totalSeconds, std::lround(exact.totalSeconds)) << FormatDate(day);
    EXPECT_LE(std::abs(c.equationSeconds - exact.equationSeconds), 1.0) << FormatDate(day);
    EXPECT_EQ(FormatDateTime(c.solar), FormatDateTime(clock + static_cast<double>(c.totalSeconds) / 86400))
        << FormatDate(day);
  }
}

TEST(CorrectToSolarTime, TheCommandLinesAndTheReportLineSayTheSame) {
  const SolarTimeCorrection c = CorrectToSolarTime(At(1986, 9, 14, 1, 30), {"北京", 116.4}, Fold::Second);
  EXPECT_TRUE(c.ambiguous);
  const std::vector<std::string> lines = SolarTimeLines(c);
  ASSERT_EQ(lines.size(), 7U);
  EXPECT_EQ(lines[0], "出生地：北京（Asia/Shanghai）");
  EXPECT_EQ(lines[2], "夏令时：+0分0秒（此时刻出现两次，按第二次计）");
  EXPECT_EQ(lines[5], "合计：" + RenderSolarTime(c).total);
  EXPECT_EQ(SolarTimeReportLine(c),
            "真太阳时：按北京校正" + CorrectionText(c.totalSeconds) + "（北京时间1986-09-14 01:30）");
}

}  // namespace
}  // namespace vantrel
