#pragma once
// A birth as the chart engine takes it: the Gregorian date, the clock time
// and the sex, each already read from what was typed.
#include <string_view>

#include "common/datetime.h"

namespace vantrel {

enum class Sex { Man, Woman };

// "男" names a man; every other text a woman, as the sex lists have always
// been read.
constexpr Sex SexOfText(std::string_view text) { return text == "男" ? Sex::Man : Sex::Woman; }

// Which day a birth from 23:00 to 24:00 (the first half of the 子 hour)
// belongs to. Practitioners follow one of three rules:
// - SameDay, the program's traditional rule: the day pillar is the calendar
//   day's and the 子 hour's stem follows from that same day's stem
//   (2024-01-01 23:30: day 甲子, hour 甲子);
// - NextDay (子时换日): from 23:00 the day pillar is the next day's and the
//   hour is that day's 子 hour (day 乙丑, hour 丙子);
// - Late (晚子时): the day pillar stays the calendar day's, the hour takes
//   the next day's 子 hour (day 甲子, hour 丙子).
// Before 23:00 the three agree.
enum class ZiRule { SameDay, NextDay, Late };

struct Birth {
  CivilDate date;  // not checked: the chart engine refuses a date that does not exist
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  Sex sex = Sex::Man;
  ZiRule zi = ZiRule::SameDay;
};

}  // namespace vantrel
