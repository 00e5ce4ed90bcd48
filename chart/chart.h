#pragma once
// The Four Pillars chart of one person: the year, month, day and hour
// pillars of a Gregorian birth moment, the fetal origin, the direction and
// start age of the luck pillars, the ten luck pillars with their nayin and
// ten gods, the hidden stems of the four branches and the personality text.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/ganzhi.h"
#include "chart/birth.h"
#include "common/datetime.h"

namespace vantrel {

// The twelve jie terms, the solar terms that open a month, from 立春.
extern const std::array<std::string_view, 12> JieTermNames;

// The hidden stems (遁藏) of each branch by Branch index; the order of the
// characters matters, the chart block prints them by position.
extern const std::array<std::string_view, 12> HiddenStems;
std::string_view HiddenStemsOf(Branch branch);

struct ChartResult {
  Pillar yearPillar;
  Pillar monthPillar;
  Pillar dayPillar;
  Pillar hourPillar;
  // The birth falls on the date of a jie term recorded in table JQ and
  // before that term's instant.
  bool beforeJie = false;
  // The way the luck pillars (and the small luck) run through the cycle.
  LuckDirection direction = LuckDirection::Forward;
  // The age 1..10 at which the first luck pillar after the month pillar begins.
  int startAge = 0;
  Pillar fetalOrigin;
  // Element 0 is the month pillar itself.
  std::array<Pillar, 10> luckPillars{};
  // The ten pillars separated by three blanks.
  std::string luckPillarsText;
  // "纳音：" + the nayin of each luck pillar followed by one blank.
  std::string luckNayinLine;
  // "十神：" + the ten god of each luck pillar's stem seen from the day stem,
  // each followed by three blanks.
  std::string luckTenGodLine;
  std::string yearHidden;
  std::string monthHidden;
  std::string dayHidden;
  std::string hourHidden;
  std::string personalityText;
  // The rule by which a birth from 23:00 to 24:00 was placed; it decided the
  // day and hour pillars only when `lateZi` is true (the birth fell in that hour).
  ZiRule zi = ZiRule::SameDay;
  bool lateZi = false;
  // The notices of a birth moment that lies close to a boundary on which a
  // pillar changes ("出生时刻距立春仅 5 分钟，月柱取决于准确时刻"): a few
  // minutes' error in the time of birth would give another chart. The report
  // text does not print them; the window shows them above it and the
  // command line on standard error.
  std::vector<std::string> warnings;
};

// True when the name is one of the twelve jie terms.
bool IsJieTerm(std::string_view name);

// True when table JQ of the second file dates a jie term of `year` on the
// day of `birthInstant` and the birth lies strictly before that term's
// instant. A database error propagates.
bool BeforeJieInstant(int year, DateTime birthInstant);

// Casts the chart of a birth.
//
// A date that does not exist, or one outside the lunar calendar's range
// (1900-01-31 .. 2100-12-31), gives no chart: the reports then show
// "请检查输入数据是否出错！". An hour outside 0..23 or a minute outside 0..59
// raises ConvertError. Both happen before anything is read.
std::optional<ChartResult> CastChart(const Birth& birth);

// The boundary notices of a birth moment (see ChartResult::warnings): within
// 15 minutes of a jie instant recorded in table JQ, of a double-hour
// boundary, or of midnight. `instant` is the birth moment as the chart reads
// it (after any true-solar-time correction). A database error propagates.
std::vector<std::string> BoundaryWarnings(DateTime instant, ZiRule zi);

// The text of a 子 hour rule as the report names it: "子时换日", "晚子时", or
// "子时不换日" for the traditional rule.
std::string ZiRuleName(ZiRule zi);

}  // namespace vantrel
