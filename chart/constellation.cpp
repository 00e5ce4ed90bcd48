#include "chart/constellation.h"

namespace vantrel {
namespace {

struct SignRange {
  int fromMonth, fromDay, toMonth, toDay;
  const char* name;
};

// Inclusive month-day ranges within the year of the date, walked from the
// top; Capricorn spans the turn of the year and so takes two rows.
constexpr SignRange kSigns[] = {
    {12, 22, 12, 31, "摩羯座"}, {1, 1, 1, 19, "摩羯座"},   {1, 20, 2, 18, "水瓶座"},
    {2, 19, 3, 20, "双鱼座"},   {3, 21, 4, 20, "白羊座"},  {4, 21, 5, 20, "金牛座 "},
    {5, 21, 6, 21, "双子座"},   {6, 22, 7, 22, "巨蟹座"},  {7, 23, 8, 22, "狮子座"},
    {8, 23, 9, 22, "处女座"},   {9, 23, 10, 22, "天秤座"}, {10, 23, 11, 21, "天蝎座"},
    {11, 22, 12, 21, "射手座"},
};

}  // namespace

std::string ConstellationOf(DateTime date) {
  const DateTime day = DateOf(date);
  const int year = DecodeDate(day).year;
  for (const SignRange& s : kSigns) {
    const std::optional<DateTime> from = TryEncodeDate(year, s.fromMonth, s.fromDay);
    const std::optional<DateTime> to = TryEncodeDate(year, s.toMonth, s.toDay);
    if (from && to && *from <= day && day <= *to) return s.name;
  }
  return {};
}

}  // namespace vantrel
