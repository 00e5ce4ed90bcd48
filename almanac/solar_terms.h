#pragma once
// The instants of the 24 solar terms (节气) for the almanac, 1900..2101.
//
// The instants are computed once, when the program is built, from the Sun's
// apparent position (ERFA, see tools/lib/solar_terms.h) and compiled in as a
// table: the program needs no astronomy library to run, every run and every
// machine reads the very same instants, and a look-up costs nothing.
#include "common/datetime.h"

namespace vantrel::almanac {

// The Gregorian years the table holds.
inline constexpr int kFirstTermYear = 1900;
inline constexpr int kLastTermYear = 2101;

// The instant, in China Standard Time and to the second, of solar term `term`
// of Gregorian year `year`: `term` counts 0..23 in the order 小寒, 大寒, 立春,
// .. 大雪, 冬至 (小寒 falls in early January of the year, 冬至 in late
// December). Throws std::out_of_range for a year outside
// kFirstTermYear..kLastTermYear or a term outside 0..23.
DateTime TermInstant(int year, int term);

// The day number of the date on which that term falls (its instant's date).
long TermDay(int year, int term);

}  // namespace vantrel::almanac
