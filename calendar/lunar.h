#pragma once
// Gregorian / Chinese lunar conversion for the lunar years 1900..2100, and the
// 24 solar terms of any year by the mean-year formula.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/datetime.h"

namespace vantrel {

// Year, month 1..12, day 1..30 and whether the month is the year's leap
// month; (0, 0, 0, false) stands for "no lunar date".
struct LunarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool isLeap = false;
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

extern const std::array<std::string_view, 24> SolarTermNames;

// The table functions take a lunar year of 1900..2100.
int LunarMonthDays(int year, int month);  // 29 or 30
int LeapMonthOf(int year);                // 0 or 1..12
int LeapMonthDays(int year);              // 0, 29 or 30
int LunarYearDays(int year);              // leap month included

// The zero LunarDate outside 1900-01-31 .. 2100-12-31; a time of day is ignored.
LunarDate SolarToLunar(DateTime x);
// True when the date exists and its year lies in 1901..2099.
bool IsValidLunarDate(const LunarDate& d);
// The Gregorian date, or kNoDate (0001-01-01) for a lunar date that is not valid.
DateTime LunarToSolar(const LunarDate& d);
// The same, with nothing for a lunar date that is not valid.
std::optional<DateTime> TryLunarToSolar(const LunarDate& d);

// The instant of term n (0 = 小寒 .. 23 = 冬至) of a Gregorian year, by the
// mean tropical year counted from 小寒 1900.
DateTime SolarTermInstant(int year, int n);
// The name of the term that falls on this date, or the empty text. A value
// that carries a time of day never matches.
std::string SolarTermOfDate(DateTime x);
// The same term as its number 0..23 in SolarTermNames (0 小寒, 2 立春, ...):
// the even numbers are the twelve jie that open the months.
std::optional<int> SolarTermOnDate(DateTime x);

}  // namespace vantrel
