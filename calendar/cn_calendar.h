#pragma once
// The texts of the month calendar's day cells: the lunar month and day in
// traditional words, lunar and Gregorian festivals, the solar term of a day,
// the year's branch and animal and the Western constellation.
//
// These texts run on their own lunar table and their own table of solar-term
// days for the Gregorian years 1901..2050; they do not use calendar/lunar.h's
// conversion. The two lunar tables agree except on four lunar months (in 1906,
// 1914, 1989 and 2013), and this calendar says "正月", "冬月", "腊月" and "闰四"
// where the chart texts say "一月", "十一月", "十二月" and "闰四月".
//
// Every function takes a date and uses only its date part. Outside 1901..2050
// nothing reads a table: the lunar code is 0 and every text that depends on the
// tables (lunar month, lunar day, lunar festival, solar term, zodiac) is empty,
// while the Gregorian festivals and the constellation keep working.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/datetime.h"

namespace vantrel {

inline constexpr int kCnFirstYear = 1901;
inline constexpr int kCnLastYear = 2050;
inline constexpr int kCnYears = kCnLastYear - kCnFirstYear + 1;

// One entry per Gregorian year 1901..2050 (index year - 1901), its four bytes
// from the most significant down, describing the lunar months that overlap
// the year, the one in progress on 1 January first:
//   byte 0, bit 7:     set when that month is the twelfth, clear when the eleventh;
//   byte 0, bits 6..0: the lunar day of 1 January;
//   bytes 1..2:        month lengths, bit 15 the month in progress, bit 14 the next,
//                      and so on; set = 30 days, clear = 29;
//   byte 3:            the month followed by a leap month of the same number, or 0.
extern const std::array<std::uint32_t, kCnYears> CnLunarYearTable;

// One byte per Gregorian year and month (index (year - 1901) * 12 + month - 1):
// the month's first solar term falls on day 15 - high nibble, its second on
// day 15 + low nibble.
extern const std::array<std::uint8_t, kCnYears * 12> CnSolarTermTable;

// Index 1..12: "正" .. "腊"; index 0 is empty.
extern const std::array<std::string_view, 13> CnMonthChars;
// Index 1..30: "初一" .. "三十"; index 0 is empty.
extern const std::array<std::string_view, 31> CnDayNames;
// Index 0..11 by branch: "子鼠" .. "亥猪".
extern const std::array<std::string_view, 12> CnAnimalTexts;

// True for a Gregorian year the two tables cover.
constexpr bool CnYearInTables(int year) { return year >= kCnFirstYear && year <= kCnLastYear; }

// 1..366, by the Gregorian month lengths.
int CnDayOfYear(DateTime date);
// 28..31 (0 for a month outside 1..12).
int CnDaysInMonth(DateTime date);
int CnDaysInMonth(int year, int month);

// 100 * month + day of the lunar date, negated in a leap month (the first day
// of a leap fourth month is -401); 0 outside 1901..2050.
int CnLunarCode(DateTime date);
// "正月" .. "腊月"; in a leap month "闰" and the month character alone ("闰四").
std::string CnLunarMonthText(DateTime date);
// "初一" .. "三十".
std::string CnLunarDayText(DateTime date);
// "春节", "元宵节", "端午节", "七夕节", "中秋节", "重阳节", "腊八节", "除夕" or the
// empty text. Festivals are matched on the exact month text, so none falls in
// a leap month, except 除夕, the last day before a "正月".
std::string CnLunarFestival(DateTime date);
// The branch and animal of the lunar year ("巳蛇"): the Gregorian year's, or
// the year before's while January to March still lie in the eleventh or
// twelfth lunar month.
std::string CnZodiacText(DateTime date);

// 1 (小寒) .. 24 (冬至) when a solar term falls on the day, else 0.
int CnSolarTermIndex(int year, int month, int day);
// The name of the day's solar term, or the empty text.
std::string CnSolarTermText(DateTime date);
// A Gregorian festival of the day (fixed dates, and 母亲节, 父亲节, 感恩节 on
// their weekdays), or the empty text. A date that does not exist has none.
std::string CnSolarFestival(int year, int month, int day);
// The constellation of a day of any year by this calendar's boundaries (23
// August counts to 处女座); the empty text for a month outside 1..12.
std::string CnConstellation(int month, int day);

}  // namespace vantrel
