#include "calendar/lunar.h"

#include <cmath>
#include <cstdint>

namespace vantrel {

const std::array<std::string_view, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

namespace {

// One word per lunar year 1900..2100. Bits 15..4: months 1..12, set = 30
// days. Low nibble: the leap month, 0 for none; 15 means no leap month and a
// 30-day leap month in the year before.
constexpr std::array<std::uint16_t, 201> kLunarYearInfo = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2,  // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977,  // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970,  // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F,  // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557,  // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0,  // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0,  // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6,  // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570,  // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0,  // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5,  // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930,  // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530,  // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45,  // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0,  // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF,  // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4,  // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0,  // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260,  // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252,  // 2090
    0xD520,                                                                          // 2100
};

// Offsets in minutes of the 24 terms from 小寒.
constexpr std::array<std::int32_t, 24> kSolarTermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

constexpr int kFirstLunarDay = 32;   // 1900-01-31, the first day of lunar 1900
constexpr int kPastLastDay = 73416;  // 2101-01-01
constexpr long long kMsPerDay = 86400000LL;

std::uint16_t Word(int year) { return kLunarYearInfo[static_cast<std::size_t>(year - 1900)]; }

}  // namespace

int LunarMonthDays(int year, int month) {
  const unsigned mask = month < 2 ? 0x8000u : 0x8000u >> (month - 1);
  return (Word(year) & mask) ? 30 : 29;
}

int LeapMonthOf(int year) {
  const int n = Word(year) & 0xF;
  return n == 15 ? 0 : n;
}

int LeapMonthDays(int year) {
  if (LeapMonthOf(year) == 0) return 0;
  return (Word(year + 1) & 0xF) == 15 ? 30 : 29;
}

int LunarYearDays(int year) {
  int days = 348;
  for (unsigned mask = 0x8000; mask > 0x8; mask >>= 1) {
    if (Word(year) & mask) ++days;
  }
  return days + LeapMonthDays(year);
}

LunarDate SolarToLunar(DateTime x) {
  if (x < kFirstLunarDay || x >= kPastLastDay) return {};
  int offset = static_cast<int>(std::floor(x)) - kFirstLunarDay;
  int year = 1900;
  int len = 0;
  while (offset > 0) {
    len = LunarYearDays(year);
    ++year;
    offset -= len;
  }
  if (offset < 0) {
    offset += len;
    --year;
  }
  const int leap = LeapMonthOf(year);
  bool isLeap = false;
  int month = 0;
  while (offset >= 0) {
    ++month;
    len = LunarMonthDays(year, month);
    offset -= len;
    if (offset >= 0 && month == leap) {
      len = LeapMonthDays(year);
      offset -= len;
      if (offset < 0) isLeap = true;
    }
  }
  offset += len;
  return {year, month, offset + 1, isLeap};
}

bool IsValidLunarDate(const LunarDate& d) {
  if (d.year < 1901 || d.year > 2099 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > 30) {
    return false;
  }
  if (d.isLeap) return LeapMonthOf(d.year) == d.month && LeapMonthDays(d.year) >= d.day;
  return LunarMonthDays(d.year, d.month) >= d.day;
}

DateTime LunarToSolar(const LunarDate& d) { return TryLunarToSolar(d).value_or(kNoDate); }

std::optional<DateTime> TryLunarToSolar(const LunarDate& d) {
  if (!IsValidLunarDate(d)) return std::nullopt;
  const int leap = LeapMonthOf(d.year);
  int days = 0;
  for (int k = 1; k < d.month; ++k) {
    days += LunarMonthDays(d.year, k);
    if (k == leap) days += LeapMonthDays(d.year);
  }
  days += d.day - 1;
  if (d.isLeap) days += LunarMonthDays(d.year, d.month);
  if (d.year >= 2000) {
    for (int y = 2000; y < d.year; ++y) days += LunarYearDays(y);
  } else {
    for (int y = d.year; y < 2000; ++y) days -= LunarYearDays(y);
  }
  return EncodeDate(2000, 2, 5) + days;
}

DateTime SolarTermInstant(int year, int n) {
  const double ms = (year - 1900) * 31556925974.7 + kSolarTermMinutes[static_cast<std::size_t>(n)] * 60000.0;
  // 1900-01-06 02:05:00 is day 7 plus 2 h 5 min.
  const long long base = 7 * kMsPerDay + (2 * 60 + 5) * 60000LL;
  const long long total = base + std::llround(ms);
  const long long day = total >= 0 ? total / kMsPerDay : -((-total + kMsPerDay - 1) / kMsPerDay);
  const long long rest = total - day * kMsPerDay;
  return static_cast<double>(day) + static_cast<double>(rest) / kMsPerDay;
}

std::optional<int> SolarTermOnDate(DateTime x) {
  const CivilDate d = DecodeDate(x);
  if (d.month < 1) return std::nullopt;
  const int i = 2 * (d.month - 1);
  if (x == std::floor(SolarTermInstant(d.year, i))) return i;
  if (x == std::floor(SolarTermInstant(d.year, i + 1))) return i + 1;
  return std::nullopt;
}

std::string SolarTermOfDate(DateTime x) {
  const std::optional<int> term = SolarTermOnDate(x);
  return term ? std::string(SolarTermNames[static_cast<std::size_t>(*term)]) : std::string();
}

}  // namespace vantrel
