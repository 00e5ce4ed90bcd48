#include "calendar/cn_calendar.h"

#include <cstdlib>

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"

namespace vantrel {

const std::array<std::uint32_t, kCnYears> CnLunarYearTable = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500,  // 1901
    0x87B55504, 0x1155AA00, 0x1CA6B500, 0x8AA57502, 0x1452BA00,  // 1906
    0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500,  // 1911
    0x1A35AA00, 0x884B6A02, 0x13A56D00, 0x1ED26E07, 0x0BD25E00,  // 1916
    0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200, 0x8756D404,  // 1921
    0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, 0x82B25B06,  // 1926
    0x0DB52B00, 0x18BA9500, 0x86B6A505, 0x1056B400, 0x1A4ADA00,  // 1931
    0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, 0x16752B00,  // 1936
    0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600,  // 1941
    0x1C64B700, 0x8AE4AE02, 0x15EA5600, 0x83DA5507, 0x0D5B2A00,  // 1946
    0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03,  // 1951
    0x13D4AE00, 0x81D4AB08, 0x0CBA5500, 0x165AAA00, 0x8356AA06,  // 1956
    0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00, 0x1DD49B00,  // 1961
    0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, 0x18A5B500,  // 1966
    0x85A57505, 0x0F52B600, 0x1B693700, 0x89E93704, 0x13749700,  // 1971
    0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, 0x0EA56D00,  // 1976
    0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500,  // 1981
    0x155B5200, 0x8256D206, 0x0C2ADA00, 0x18A4DD00, 0x85A4BD05,  // 1986
    0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508,  // 1991
    0x0B56B200, 0x162ADA00, 0x8349B605, 0x0E64BB00, 0x19B25B00,  // 1996
    0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502, 0x1555AA00,  // 2001
    0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, 0x11EA5600,  // 2006
    0x1B6D2A00, 0x885AAA04, 0x14AD5500, 0x81AAD509, 0x0B52EA00,  // 2011
    0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, 0x87BA5504,  // 2016
    0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06,  // 2021
    0x0DA93B00, 0x18B49B00, 0x85749B05, 0x11B54D00, 0x1CD6A900,  // 2026
    0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700,  // 2031
    0x84E92F06, 0x10F49700, 0x1A754B00, 0x876D5205, 0x112D6900,  // 2036
    0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07, 0x0EE92E00,  // 2041
    0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, 0x882AD803,  // 2046
};

namespace {

// The solar-term days, twelve bytes (January to December) per year as 24
// hexadecimal digits, decoded into CnSolarTermTable by the compiler.
constexpr std::array<std::string_view, kCnYears> kSolarTermRows = {
    "96B496A69797787979697877", "96A496969787797979697878", "96A587968787796969697878",  // 1901
    "86A596A59697887878797887", "96B496A69797787979697877", "96A496969797797979697878",  // 1904
    "96A587968787796969697878", "86A596A59697887878697887", "96B496A69797787979697877",  // 1907
    "96A496969797797979697878", "96A587968787796969697878", "86A596A59697887878697887",  // 1910
    "95B496A69797787979697877", "96B496A69797797979697878", "96A597969787797969697878",  // 1913
    "96A596A59697887878797787", "95B496A69697787978697887", "96B496A69797797979697877",  // 1916
    "96A597969787797969697878", "96A596A59697887878797787", "95B496A59697787978697887",  // 1919
    "96B496A69797797979697877", "96A496969787797969697878", "96A596A59697887878797787",  // 1922
    "95B496A59697787978697887", "96B496A69797787979697877", "96A496969787797979697878",  // 1925
    "96A596A59696887878788787", "95B496A59697887878797787", "96B496A69797787979697877",  // 1928
    "96A496969787797979697878", "96A596A59696887878788787", "95B496A59697887878697887",  // 1931
    "96B496A69797787979697877", "96A496969797797979697878", "96A596A59696887878788787",  // 1934
    "95B496A59697887878697887", "96B496A69797787979697877", "96A496969797797979697878",  // 1937
    "96A596A59696887878788787", "95B496A59697887878697887", "96B496A69797787979697877",  // 1940
    "96A496969797797979697878", "96A596A5A696887878788787", "95B496A59697887878797787",  // 1943
    "95B496A69797787978697877", "96B496A69797797979697878", "96A5A6A5A696888878788787",  // 1946
    "A5B496A59697887978797787", "95B496A59697787978697877", "96B496A69797797979697878",  // 1949
    "96A5A6A5A696888878788787", "A5B496A59697887878797787", "95B496A59697787978687887",  // 1952
    "96B496A69797787979697877", "96A5A5A5A696888878788787", "A5B496A59697887878797787",  // 1955
    "95B496A59697887878697887", "96B496A69797787979697877", "96A4A5A5A696888888788787",  // 1958
    "A5B496A59696887878788787", "96B496A59697887878697887", "96B496A69797787979697877",  // 1961
    "96A4A5A5A696888888788787", "A5B496A59696887878788787", "95B496A59697887878697887",  // 1964
    "96B496A69797787979697877", "96A4A5A5A6A6888888788787", "A5B496A59696887878788787",  // 1967
    "95B496A59697887878697887", "96B496A69797787979697877", "96A4A5A5A6A6888888788787",  // 1970
    "A5B596A5A696887878788787", "95B496A59697887878697887", "96B496A69797787978697877",  // 1973
    "96A4A5B5A6A6888988788787", "A5B496A59696888878788787", "95B496A59697887878797887",  // 1976
    "96B496A69697787978697877", "96A4A5B5A6A6888888788787", "A5B496A5A696888878787787",  // 1979
    "95B496A59697887878797787", "95B496A59697787978697877", "96B4A5B5A6A6878888788787",  // 1982
    "A5B4A6A5A696888878788787", "A5B496A59697887878797787", "95B496A59697887978697887",  // 1985
    "96B4A5B5A6A6878888788786", "A5B4A5A5A696888888788787", "A5B496A59696887878797787",  // 1988
    "95B496A58697887878697887", "96B4A5B5A6A6878888788786", "A5B3A5A5A696888888788787",  // 1991
    "A5B496A59696887878788787", "95B496A59697887678697887", "96B4A5B5A6A6878888788786",  // 1994
    "A5B3A5A5A6A6888888788787", "A5B496A59696887878788787", "95B496A59697887878697887",  // 1997
    "96B4A5B5A6A6878888788786", "A5B3A5A5A6A6888888788787", "A5B496A59696887878788787",  // 2000
    "95B496A59697887878697887", "96B4A5B5A6A6878888788786", "A5B3A5A5A6A6888888788787",  // 2003
    "A5B496A5A696888878788787", "95B496A59697887878697887", "96B4A5B5A6A6878887788786",  // 2006
    "A5B3A5B5A6A6888888788787", "A5B496A5A696888878788787", "95B496A59697887878797887",  // 2009
    "96B4A5B5A5A6878887788786", "A5B3A5B5A6A6878888788787", "A5B496A5A696888878788787",  // 2012
    "95B496A59697887878797787", "95B4A5B4A5A6878887788786", "A5C3A5B5A6A6878888788787",  // 2015
    "A5B4A6A5A696888878788787", "A5B496A59696887878797787", "95B4A5B4A5A6978787788786",  // 2018
    "A5C3A5B5A6A6878888788786", "A5B4A5A5A696888888788787", "A5B496A59696887878797787",  // 2021
    "95B4A5B4A5A6978787788796", "A5C3A5B5A6A6878888788786", "A5B3A5A5A6A6888888788787",  // 2024
    "A5B496A59696887878788787", "95B4A5B4A5A6978787788796", "A5C3A5B5A6A6878888788786",  // 2027
    "A5B3A5A5A6A6888888788787", "A5B496A59696887878788787", "95B4A5B4A5A6978787788796",  // 2030
    "A5C3A5B5A6A6888888788786", "A5B3A5A5A6A6887888788787", "A5B496A5A696888878788787",  // 2033
    "95B4A5B4A5A6978787788796", "A5C3A5B5A6A6878888788786", "A5B3A5A5A6A6888888788787",  // 2036
    "A5B496A5A696888878788787", "95B4A5B4A5A6978787788796", "A5C3A5B5A5A6878887788786",  // 2039
    "A5B3A5B5A6A6888888788787", "A5B496A5A696888878788787", "95B4A5B4A5A6978787888796",  // 2042
    "A5C3A5B4A5A6878887788786", "A5B3A5B5A6A6878888788787", "A5B496A5A696888878788787",  // 2045
    "95B4A5B4A5A5978787888696", "A4C3A5A5A5A6978787788786", "A5C3A5B5A6A6878878788787",  // 2048
};

constexpr std::uint8_t HexValue(char c) {
  return static_cast<std::uint8_t>(c <= '9' ? c - '0' : c - 'A' + 10);
}

constexpr std::array<std::uint8_t, kCnYears * 12> DecodeSolarTermRows() {
  std::array<std::uint8_t, kCnYears * 12> bytes{};
  for (int year = 0; year < kCnYears; ++year) {
    for (int month = 0; month < 12; ++month) {
      const std::string_view row = kSolarTermRows[year];
      bytes[year * 12 + month] =
          static_cast<std::uint8_t>(HexValue(row[2 * month]) << 4 | HexValue(row[2 * month + 1]));
    }
  }
  return bytes;
}

}  // namespace

constinit const std::array<std::uint8_t, kCnYears* 12> CnSolarTermTable = DecodeSolarTermRows();

const std::array<std::string_view, 13> CnMonthChars = {"",   "正", "二", "三", "四", "五", "六",
                                                       "七", "八", "九", "十", "冬", "腊"};

const std::array<std::string_view, 31> CnDayNames = {
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一",
    "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

const std::array<std::string_view, 12> CnAnimalTexts = {"子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇",
                                                        "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

namespace {

// The lunar months that overlap one Gregorian year, the month in progress on
// 1 January first: their lengths and their numbers (negative for a leap month).
struct MonthRun {
  int jan1Day = 0;
  std::array<int, 16> length{};
  std::array<int, 17> number{};
};

MonthRun MonthRunOf(int year) {
  const std::uint32_t entry = CnLunarYearTable[year - kCnFirstYear];
  const int head = static_cast<int>(entry >> 24);
  const int flags = static_cast<int>(entry >> 8 & 0xFFFF);
  const int leap = static_cast<int>(entry & 0xFF);
  MonthRun run;
  run.jan1Day = head & 0x7F;
  run.number[0] = (head & 0x80) != 0 ? 12 : 11;
  for (int k = 0; k < 16; ++k) {
    run.length[k] = (flags >> (15 - k) & 1) != 0 ? 30 : 29;
    const int n = run.number[k];
    if (n == leap) {
      // The next month repeats this number as the leap month.
      run.number[k + 1] = -leap;
    } else {
      // After a leap month the count goes on from its number; twelve wraps to one.
      const int next = (n < 0 ? -n : n) + 1;
      run.number[k + 1] = next > 12 ? 1 : next;
    }
  }
  return run;
}

// The lunar code of the day `offset` days after 1 January of a year the table covers.
int CodeOfDay(int year, int offset) {
  const MonthRun run = MonthRunOf(year);
  int month = 0;
  int day = 0;
  if (offset <= run.length[0] - run.jan1Day) {
    day = run.jan1Day + offset;
    month = run.number[0];
    // The table cannot tell whether the month in progress on 1 January is a
    // leap month; the year before knows, from how its 31 December ends.
    if (year > kCnFirstYear && CodeOfDay(year - 1, IsLeapYear(year - 1) ? 365 : 364) < 0) month = -month;
  } else {
    int passed = run.length[0] - run.jan1Day;
    int i = 1;
    while (i < 15 && offset > passed + run.length[i]) {
      passed += run.length[i];
      ++i;
    }
    month = run.number[i];
    day = offset - passed;
  }
  return month > 0 ? month * 100 + day : month * 100 - day;
}

}  // namespace

int CnDayOfYear(DateTime date) { return DayOfYear(date); }

int CnDaysInMonth(DateTime date) {
  const CivilDate c = DecodeDate(date);
  return DaysInMonth(c.year, c.month);
}

int CnDaysInMonth(int year, int month) { return DaysInMonth(year, month); }

int CnLunarCode(DateTime date) {
  const CivilDate c = DecodeDate(date);
  if (!CnYearInTables(c.year)) return 0;
  return CodeOfDay(c.year, CnDayOfYear(date) - 1);
}

std::string CnLunarMonthText(DateTime date) {
  const int month = CnLunarCode(date) / 100;
  if (month >= 1 && month <= 12) return std::string(CnMonthChars[month]) + "月";
  if (month <= -1 && month >= -12) return "闰" + std::string(CnMonthChars[-month]);
  return {};
}

std::string CnLunarDayText(DateTime date) {
  const int day = std::abs(CnLunarCode(date)) % 100;
  return day >= 1 && day <= 30 ? std::string(CnDayNames[day]) : std::string();
}

std::string CnLunarFestival(DateTime date) {
  struct Rule {
    int day;
    std::string_view monthText;
    std::string_view name;
  };
  static constexpr std::array<Rule, 7> kRules = {{{1, "正月", "春节"},
                                                  {5, "五月", "端午节"},
                                                  {7, "七月", "七夕节"},
                                                  {8, "腊月", "腊八节"},
                                                  {9, "九月", "重阳节"},
                                                  {15, "八月", "中秋节"},
                                                  {15, "正月", "元宵节"}}};
  const int code = CnLunarCode(date);
  if (code == 0) return {};
  const int day = std::abs(code) % 100;
  const std::string month = CnLunarMonthText(date);
  for (const Rule& r : kRules) {
    if (r.day == day && r.monthText == month) return std::string(r.name);
  }
  // The eve of the new year: the last day before a first month begins.
  if (month != "正月" && CnLunarMonthText(DateOf(date) + 1) == "正月") return "除夕";
  return {};
}

std::string CnZodiacText(DateTime date) {
  const CivilDate c = DecodeDate(date);
  if (!CnYearInTables(c.year)) return {};
  int k = Mod(c.year - 1972, 12);  // 1972 is a 子鼠 year
  if (c.month <= 3) {
    // Early in the Gregorian year the eleventh or twelfth lunar month still
    // belongs to the lunar year before.
    const std::string month = CnLunarMonthText(date);
    if (month.find("冬") != std::string::npos || month.find("腊") != std::string::npos) k = Mod(k - 1, 12);
  }
  return std::string(CnAnimalTexts[k]);
}

int CnSolarTermIndex(int year, int month, int day) {
  if (!CnYearInTables(year) || month < 1 || month > 12) return 0;
  const int b = CnSolarTermTable[(year - kCnFirstYear) * 12 + month - 1];
  const int termDay = day < 15 ? 15 - (b >> 4) : 15 + (b & 0x0F);
  if (day != termDay) return 0;
  return day <= 15 ? 2 * month - 1 : 2 * month;
}

std::string CnSolarTermText(DateTime date) {
  const CivilDate c = DecodeDate(date);
  const int index = CnSolarTermIndex(c.year, c.month, c.day);
  return index >= 1 && index <= 24 ? std::string(SolarTermNames[index - 1]) : std::string();
}

std::string CnSolarFestival(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return {};
  struct Fixed {
    int month;
    int day;
    std::string_view name;
  };
  static constexpr std::array<Fixed, 15> kFixed = {{{1, 1, "元旦节"},
                                                    {2, 14, "情人节"},
                                                    {3, 8, "妇女节"},
                                                    {4, 1, "愚人节"},
                                                    {5, 1, "劳动节"},
                                                    {5, 4, "青年节"},
                                                    {6, 1, "儿童节"},
                                                    {7, 1, "建党节"},
                                                    {8, 1, "建军节"},
                                                    {9, 10, "教师节"},
                                                    {10, 1, "国庆节"},
                                                    {10, 6, "老人节"},
                                                    {10, 31, "万圣节"},
                                                    {11, 8, "记者日"},
                                                    {12, 25, "圣诞节"}}};
  for (const Fixed& f : kFixed) {
    if (f.month == month && f.day == day) return std::string(f.name);
  }
  // The n-th weekday of a month: the days 7(n - 1) + 1 .. 7n hold one of each.
  struct Movable {
    int month;
    int nth;
    int weekday;  // 1 = Sunday .. 7 = Saturday
    std::string_view name;
  };
  static constexpr std::array<Movable, 3> kMovable = {
      {{5, 2, 1, "母亲节"}, {6, 3, 1, "父亲节"}, {11, 4, 5, "感恩节"}}};
  const int weekday = DayOfWeek(EncodeDate(year, month, day));
  for (const Movable& m : kMovable) {
    if (m.month == month && (day - 1) / 7 == m.nth - 1 && m.weekday == weekday) return std::string(m.name);
  }
  return {};
}

std::string CnConstellation(int month, int day) {
  if (month < 1 || month > 12) return {};
  // kSigns[m - 1] is the sign a month begins in, kSigns[m] the one it ends in;
  // kChange[m - 1] is the first day of the second. 23 August, which the
  // traditional ranges of this calendar leave without a sign, goes to 处女座.
  static constexpr std::array<std::string_view, 13> kSigns = {
      "摩羯座", "水瓶座", "双鱼座", "白羊座", "金牛座", "双子座", "巨蟹座",
      "狮子座", "处女座", "天秤座", "天蝎座", "射手座", "摩羯座"};
  static constexpr std::array<int, 12> kChange = {20, 19, 21, 20, 21, 22, 23, 23, 23, 24, 22, 22};
  return std::string(day < kChange[month - 1] ? kSigns[month - 1] : kSigns[month]);
}

}  // namespace vantrel
