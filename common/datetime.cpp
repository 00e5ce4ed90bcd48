#include "common/datetime.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

#include "common/errors.h"

namespace vantrel {
namespace {

// Days from 0001-01-01 to 1899-12-30.
constexpr long long kDateDelta = 693593;

// Days before the given date counted from 0001-01-01 (that day is 0).
long long DaysFromEpoch(int year, int month, int day) {
  static constexpr int kBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const long long y = year - 1;
  long long days = y * 365 + y / 4 - y / 100 + y / 400 + kBefore[month - 1] + day - 1;
  if (month > 2 && IsLeapYear(year)) ++days;
  return days;
}

CivilDate FromEpochDays(long long n) {
  // n: days since 0001-01-01 (0-based).
  long long y = 1;
  const long long d400 = 146097, d100 = 36524, d4 = 1461;
  y += (n / d400) * 400;
  n %= d400;
  long long c = n / d100;
  if (c == 4) c = 3;
  y += c * 100;
  n -= c * d100;
  y += (n / d4) * 4;
  n %= d4;
  long long k = n / 365;
  if (k == 4) k = 3;
  y += k;
  n -= k * 365;
  int month = 1;
  while (true) {
    const int len = DaysInMonth(static_cast<int>(y), month);
    if (n < len) break;
    n -= len;
    ++month;
  }
  return {static_cast<int>(y), month, static_cast<int>(n) + 1};
}

bool ParseUnsigned(std::string_view s, long long& out) {
  if (s.empty() || s.size() > 9) return false;
  long long v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  out = v;
  return true;
}

std::string_view StripBlanks(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

bool ParseDate(std::string_view text, CivilDate& date) {
  std::string_view s = StripBlanks(text);
  long long parts[3];
  for (int i = 0; i < 3; ++i) {
    const std::size_t dash = i < 2 ? s.find('-') : std::string_view::npos;
    if (i < 2 && dash == std::string_view::npos) return false;
    const std::string_view piece = StripBlanks(s.substr(0, dash));
    if (!ParseUnsigned(piece, parts[i])) return false;
    if (i > 0 && piece.size() > 2) return false;
    if (i == 0 && piece.size() > 4) return false;
    s = i < 2 ? s.substr(dash + 1) : std::string_view{};
  }
  date = {static_cast<int>(parts[0]), static_cast<int>(parts[1]), static_cast<int>(parts[2])};
  return IsValidDate(date.year, date.month, date.day);
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kLen[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kLen[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

std::optional<DateTime> TryEncodeDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return std::nullopt;
  return static_cast<DateTime>(DaysFromEpoch(year, month, day) - kDateDelta);
}

DateTime EncodeDate(int year, int month, int day) {
  const std::optional<DateTime> out = TryEncodeDate(year, month, day);
  if (!out) throw ConvertError("Invalid argument to date encode");
  return *out;
}

std::optional<DateTime> TryEncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999) {
    return std::nullopt;
  }
  return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + millisecond) / 86400000.0;
}

DateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  const std::optional<DateTime> out = TryEncodeTime(hour, minute, second, millisecond);
  if (!out) {
    throw ConvertError("Invalid argument to time encode");
  }
  return *out;
}

bool IsDateTimeInRange(DateTime value) {
  // 0001-01-01 00:00 up to the end of 9999-12-31; NaN fails every comparison.
  return value >= kNoDate && value < kLastDay + 1;
}

CivilDate DecodeDate(DateTime value) {
  if (!IsDateTimeInRange(value)) return {0, 0, 0};
  return FromEpochDays(static_cast<long long>(std::trunc(value)) + kDateDelta);
}

ClockTime DecodeTime(DateTime value) {
  if (!IsDateTimeInRange(value)) return {};
  const double frac = std::fabs(value - std::trunc(value));
  long long ms = std::llround(frac * 86400000.0);
  if (ms >= 86400000) ms = 86399999;
  ClockTime t;
  t.hour = static_cast<int>(ms / 3600000);
  t.minute = static_cast<int>(ms / 60000 % 60);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.millisecond = static_cast<int>(ms % 1000);
  return t;
}

DateTime DateOf(DateTime value) { return std::trunc(value); }

int DayOfWeek(DateTime value) {
  if (!IsDateTimeInRange(value)) return 0;
  // 1899-12-30 was a Saturday.
  const long long n = static_cast<long long>(std::trunc(value));
  const long long r = ((n + 6) % 7 + 7) % 7;  // 0 = Sunday
  return static_cast<int>(r) + 1;
}

int DayOfYear(DateTime value) {
  if (!IsDateTimeInRange(value)) return 0;
  const CivilDate d = DecodeDate(value);
  return static_cast<int>(DaysFromEpoch(d.year, d.month, d.day) - DaysFromEpoch(d.year, 1, 1)) + 1;
}

std::optional<DateTime> TryStrToDate(std::string_view text) {
  CivilDate d;
  if (!ParseDate(text, d)) return std::nullopt;
  return TryEncodeDate(d.year, d.month, d.day);
}

std::optional<CivilDate> DateFieldsOf(std::string_view text) {
  const std::size_t first = text.find('-');
  const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const std::optional<int> year = TryStrToInt(text.substr(0, first));
  const std::optional<int> month = TryStrToInt(text.substr(first + 1, second - first - 1));
  const std::optional<int> day = TryStrToInt(text.substr(second + 1));
  if (!year || !month || !day) return std::nullopt;
  return CivilDate{*year, *month, *day};
}

DateTime StrToDate(std::string_view text) {
  const std::optional<DateTime> out = TryStrToDate(text);
  if (!out) throw ConvertError("'" + std::string(text) + "' is not a valid date");
  return *out;
}

std::string FormatDate(DateTime value) {
  const CivilDate d = DecodeDate(value);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

std::string FormatDateTime(DateTime value) {
  const ClockTime t = DecodeTime(value);
  char buf[32];
  std::snprintf(buf, sizeof buf, " %02d:%02d:%02d", t.hour, t.minute, t.second);
  return FormatDate(value) + buf;
}

DateTime StrToDateTime(std::string_view text) {
  std::string_view s = StripBlanks(text);
  const std::size_t blank = s.find(' ');
  const std::optional<DateTime> parsed = TryStrToDate(s.substr(0, blank));
  if (!parsed) throw ConvertError("'" + std::string(text) + "' is not a valid date and time");
  const DateTime date = *parsed;
  if (blank == std::string_view::npos) return date;
  std::string_view rest = StripBlanks(s.substr(blank + 1));
  long long hms[3] = {0, 0, 0};
  for (int i = 0; i < 3 && !rest.empty(); ++i) {
    const std::size_t colon = rest.find(':');
    if (!ParseUnsigned(rest.substr(0, colon), hms[i])) {
      throw ConvertError("'" + std::string(text) + "' is not a valid date and time");
    }
    rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
  }
  const std::optional<DateTime> time =
      TryEncodeTime(static_cast<int>(hms[0]), static_cast<int>(hms[1]), static_cast<int>(hms[2]), 0);
  if (!rest.empty() || !time) throw ConvertError("'" + std::string(text) + "' is not a valid date and time");
  return date >= 0 ? date + *time : date - *time;
}

std::optional<std::int64_t> TryStrToInt64(std::string_view text) {
  std::string_view s = StripBlanks(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  unsigned long long v = 0;
  const unsigned long long limit =
      negative ? 9223372036854775808ULL
               : static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    const unsigned digit = static_cast<unsigned>(c - '0');
    if (v > (limit - digit) / 10) return std::nullopt;
    v = v * 10 + digit;
  }
  return negative ? static_cast<std::int64_t>(0 - v) : static_cast<std::int64_t>(v);
}

std::int64_t StrToInt64(std::string_view text) {
  const std::optional<std::int64_t> out = TryStrToInt64(text);
  if (!out) throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
  return *out;
}

std::optional<int> TryStrToInt(std::string_view text) {
  const std::optional<std::int64_t> v = TryStrToInt64(text);
  if (!v || *v < std::numeric_limits<int>::min() || *v > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(*v);
}

int StrToInt(std::string_view text) {
  const std::optional<int> out = TryStrToInt(text);
  if (!out) throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
  return *out;
}

DateTime Now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, 0);
}

DateTime Today() { return DateOf(Now()); }

}  // namespace vantrel
