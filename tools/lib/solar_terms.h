#pragma once
// The 24 solar terms (节气) computed from the Sun's apparent position, for the
// generators that write the term table and the almanac.
#include "common/datetime.h"

namespace vantrel::tools {

// The instant, in China Standard Time (UTC+8), at which the Sun's apparent
// geocentric ecliptic longitude reaches the longitude of solar term `term`
// in Gregorian year `year`. `term` counts 0..23 in the order 小寒, 大寒, 立春,
// 雨水, 惊蛰, 春分, 清明, 谷雨, 立夏, 小满, 芒种, 夏至, 小暑, 大暑, 立秋, 处暑, 白露,
// 秋分, 寒露, 霜降, 立冬, 小雪, 大雪, 冬至 (the longitudes 285°, 300°, 315°, ...,
// 270°, every 15°; 小寒 of year Y falls in early January of Y, 冬至 in late
// December of Y). Valid for years 1900..2100. Returns a DateTime (day number
// since 1899-12-30 with the time of day as fraction), to the second.
// Throws std::out_of_range for a term outside 0..23.
DateTime SolarTermInstantCst(int year, int term);

// The Sun's apparent geocentric ecliptic longitude, in degrees 0..360,
// referred to the true equinox of date, at an instant given in China
// Standard Time.
double SunApparentLongitude(DateTime instant_cst);

// ΔT = TT − UT in seconds at a decimal year (2000.5 is the middle of 2000),
// from the Espenak–Meeus polynomials; meant for 1900..2150.
double DeltaTSeconds(double decimal_year);

}  // namespace vantrel::tools
