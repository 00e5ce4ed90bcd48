#pragma once
// Dates and times as day numbers: 1899-12-30 00:00 is 0, the time of day is
// the fraction (1900-01-31 is 32, 2101-01-01 is 73416). 0001-01-01 stands for
// "no date".
//
// Dates are written and read as year-month-day with "-" between the parts
// ("yyyy-mm-dd"); month and day may have one or two digits when read.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

using DateTime = double;

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct ClockTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The day number of 0001-01-01, the value that stands for "no date".
inline constexpr DateTime kNoDate = -693593.0;
// The day number of 9999-12-31, the last day a date-time can hold.
inline constexpr DateTime kLastDay = 2958465.0;

// Whether a day number lies within 0001-01-01 00:00 .. 9999-12-31 24:00 (NaN
// and the infinities do not). Values outside decode as no date at all.
bool IsDateTimeInRange(DateTime value);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);            // 0 for a month outside 1..12
bool IsValidDate(int year, int month, int day);  // years 1..9999

// Day number of a date; throws ConvertError when the date does not exist.
DateTime EncodeDate(int year, int month, int day);
// The day number of a date; none when the date does not exist.
std::optional<DateTime> TryEncodeDate(int year, int month, int day);
// Fraction of a day; throws ConvertError outside 0..23, 0..59, 0..59, 0..999.
DateTime EncodeTime(int hour, int minute, int second, int millisecond);
std::optional<DateTime> TryEncodeTime(int hour, int minute, int second, int millisecond);

// The date part is the whole part of the day number, the time of day the
// magnitude of its fraction. A value out of range decodes as 0000-00-00
// 00:00:00, and its weekday and day of the year as 0.
CivilDate DecodeDate(DateTime value);
ClockTime DecodeTime(DateTime value);
// The date without its time of day.
DateTime DateOf(DateTime value);

// Weekday, 1 = Sunday .. 7 = Saturday.
int DayOfWeek(DateTime value);
// Day of the year, 1..366.
int DayOfYear(DateTime value);

// Reads a date text under the program's convention ("2013-2-28",
// "2013-02-28"); surrounding blanks are allowed. Throws
// ConvertError("'<text>' is not a valid date") when the text is not a date
// that exists.
DateTime StrToDate(std::string_view text);
std::optional<DateTime> TryStrToDate(std::string_view text);
// The three numbers of a "year-month-day" text, each a decimal integer,
// whether or not they name a date that exists; none for any other text.
std::optional<CivilDate> DateFieldsOf(std::string_view text);

// "yyyy-mm-dd".
std::string FormatDate(DateTime value);
// "yyyy-mm-dd hh:nn:ss".
std::string FormatDateTime(DateTime value);
// Reads "yyyy-mm-dd hh:nn:ss" (or a date alone); throws ConvertError.
DateTime StrToDateTime(std::string_view text);

// Reads a decimal integer (surrounding blanks allowed, an optional sign).
// Throws ConvertError("'<text>' is not a valid integer value").
int StrToInt(std::string_view text);
std::optional<int> TryStrToInt(std::string_view text);
std::int64_t StrToInt64(std::string_view text);
std::optional<std::int64_t> TryStrToInt64(std::string_view text);

// Today's local date (no time of day).
DateTime Today();
// The current local date and time.
DateTime Now();

}  // namespace vantrel
