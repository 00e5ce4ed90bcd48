#include "chart/chart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "calendar/lunar.h"
#include "chart/personality.h"
#include "common/errors.h"
#include "common/text.h"
#include "data/lookups.h"

namespace vantrel {

const std::array<std::string_view, 12> JieTermNames = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                                                       "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};

const std::array<std::string_view, 12> HiddenStems = {"癸",   "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊",
                                                      "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};

std::string_view HiddenStemsOf(Branch branch) {
  return HiddenStems[static_cast<std::size_t>(branch.Index())];
}

namespace {

// The month table: a birth's month branch comes from its month and day
// (month * 100 + day); the boundaries are fixed calendar dates.
struct MonthRange {
  int from, to;
  int branch;
};
constexpr MonthRange kMonthTable[] = {
    {101, 105, 0},    {106, 203, 1},    {204, 305, 2},   {306, 404, 3}, {405, 504, 4},
    {505, 605, 5},    {606, 706, 6},    {707, 807, 7},   {808, 907, 8}, {908, 1007, 9},
    {1008, 1106, 10}, {1107, 1207, 11}, {1208, 1231, 0},
};

Branch MonthBranchOfCode(int code) {
  // The day before a jie dated on 1 January is the last day of December.
  if (code == 100) code = 1231;
  for (const MonthRange& r : kMonthTable) {
    if (r.from <= code && code <= r.to) return Branch(r.branch);
  }
  // Every other code (a day 0 of months 2..12) lies inside a range above.
  return Branch(0);
}

// Days from `d0` to the nearest jie date after it (step +1) or before it
// (step -1); `d0` itself is never examined.
int DaysToJie(DateTime d0, int step) {
  for (int j = 1; j <= 32; ++j) {
    const std::optional<int> term = SolarTermOnDate(d0 + step * j);
    if (term && *term % 2 == 0) return j;  // a jie
  }
  return 32;  // jie dates never lie further apart than this
}

// Three days count as one year, a part of three rounded up; 31 or 32 days
// make 11, which counts as 1.
int StartAgeOfDays(int days) {
  int years = days / 3 + (days % 3 != 0 ? 1 : 0);
  if (years != 10) years %= 10;
  return years;
}

}  // namespace

bool IsJieTerm(std::string_view name) {
  for (const auto& jie : JieTermNames) {
    if (jie == name) return true;
  }
  return false;
}

bool BeforeJieInstant(int year, DateTime birthInstant) {
  const std::optional<DateTime> jie = data::JieInstantOn(year, DateOf(birthInstant));
  return jie && birthInstant < *jie;
}

std::optional<ChartResult> CastChart(const Birth& birth) {
  const auto [year, month, day] = birth.date;
  // A date that does not exist, or that the lunar calendar cannot place,
  // is refused before anything is read.
  const std::optional<DateTime> date = TryEncodeDate(year, month, day);
  if (!date || *date < EncodeDate(1900, 1, 31) || *date > EncodeDate(2100, 12, 31)) return std::nullopt;
  const DateTime d0 = *date;
  const DateTime instant = d0 + EncodeTime(birth.hour, birth.minute, 0, 0);

  ChartResult c;
  // A birth on the day of a jie but before its instant still belongs to the
  // previous day's month.
  c.beforeJie = BeforeJieInstant(year, instant);
  const int code = month * 100 + day - (c.beforeJie ? 1 : 0);
  const Branch monthBranch = MonthBranchOfCode(code);
  const int chartYear = code >= 204 ? year : year - 1;

  c.yearPillar = Pillar::FromIndex(CycleIndexOfYear(chartYear));
  c.monthPillar = MonthPillarInYear(c.yearPillar.stem, monthBranch);
  // A birth at 23:xx is in the 子 hour. By the traditional rule it keeps its
  // calendar day and that day's 子 hour; 子时换日 moves it to the next day,
  // 晚子时 keeps the day but takes the next day's 子 hour.
  c.zi = birth.zi;
  c.lateZi = birth.hour == 23;
  const bool nextDayZi = c.lateZi && birth.zi != ZiRule::SameDay;
  const Pillar calendarDay = DayPillarOfDayNumber(static_cast<long>(d0));
  const Pillar nextDay = DayPillarOfDayNumber(static_cast<long>(d0) + 1);
  c.dayPillar = c.lateZi && birth.zi == ZiRule::NextDay ? nextDay : calendarDay;
  c.hourPillar = HourPillarOnDay(nextDayZi ? nextDay.stem : calendarDay.stem, HourBranch(birth.hour));
  c.fetalOrigin = {c.monthPillar.stem.Next(1), c.monthPillar.branch.Next(3)};

  // A yang year runs forward for a man, a yin year for a woman.
  const bool forward = c.yearPillar.stem.IsYin() == (birth.sex == Sex::Woman);
  c.direction = forward ? LuckDirection::Forward : LuckDirection::Backward;

  const int daysToNextJie = DaysToJie(d0, 1);
  c.startAge = StartAgeOfDays(forward ? daysToNextJie : DaysToJie(d0, -1));

  // The year's hidden stems follow the lunar year of the next jie date,
  // whatever the direction.
  const int nextJieLunarYear = SolarToLunar(d0 + daysToNextJie).year;
  c.yearHidden = HiddenStemsOf(Branch(CycleIndexOfYear(nextJieLunarYear)));
  // The month's follow the Gregorian month: January 丑 .. November 亥, December 子.
  c.monthHidden = HiddenStemsOf(Branch(month));
  c.dayHidden = HiddenStemsOf(c.dayPillar.branch);
  c.hourHidden = HiddenStemsOf(c.hourPillar.branch);

  c.luckNayinLine = "纳音：";
  c.luckTenGodLine = "十神：";
  std::vector<std::string> luckTexts;
  for (int k = 0; k < 10; ++k) {
    const Pillar p = c.monthPillar.Next(StepOf(c.direction) * k);
    c.luckPillars[static_cast<std::size_t>(k)] = p;
    luckTexts.push_back(p.Text());
    c.luckNayinLine += data::NayinOf(p) + " ";
    c.luckTenGodLine += data::TenGodOf(c.dayPillar.stem, p.stem) + "   ";
  }
  c.luckPillarsText = text::Join(luckTexts, "   ");

  c.personalityText = BirthdayPersonality(month, day);
  c.warnings = BoundaryWarnings(instant, birth.zi);
  return c;
}

std::string ZiRuleName(ZiRule zi) {
  switch (zi) {
    case ZiRule::NextDay:
      return "子时换日";
    case ZiRule::Late:
      return "晚子时";
    case ZiRule::SameDay:
      break;
  }
  return "子时不换日";
}

namespace {

constexpr int kNearMinutes = 15;

// "仅 5 分钟", or "不到 1 分钟" for less than half a minute.
std::string DistanceText(double seconds) {
  const long minutes = std::lround(std::fabs(seconds) / 60.0);
  return minutes == 0 ? "不到 1 分钟" : "仅 " + std::to_string(minutes) + " 分钟";
}

}  // namespace

std::vector<std::string> BoundaryWarnings(DateTime instant, ZiRule zi) {
  std::vector<std::string> warnings;
  const DateTime day = DateOf(instant);
  const ClockTime t = DecodeTime(instant);
  const int minuteOfDay = t.hour * 60 + t.minute;

  // A jie instant on the day of birth or on either neighbour.
  for (int offset = -1; offset <= 1; ++offset) {
    const DateTime d = day + offset;
    const CivilDate c = DecodeDate(d);
    const std::optional<DateTime> jie = data::JieInstantOn(c.year, d);
    if (!jie) continue;
    const double seconds = (*jie - instant) * 86400.0;
    if (std::fabs(seconds) > kNearMinutes * 60 + 0.5) continue;
    // The table gives the instant; its name is that of the jie computed nearest to it.
    std::string_view name = JieTermNames[0];
    double nearest = 1e9;
    for (std::size_t n = 0; n < SolarTermNames.size(); ++n) {
      const double apart = std::fabs(SolarTermInstant(c.year, static_cast<int>(n)) - *jie);
      if (IsJieTerm(SolarTermNames[n]) && apart < nearest) {
        nearest = apart;
        name = SolarTermNames[n];
      }
    }
    warnings.push_back("出生时刻距" + std::string(name) + DistanceText(seconds) + "，月柱取决于准确时刻");
  }

  // A double-hour boundary: the odd clock hours 1, 3, .. 23.
  for (int h = 1; h < 24; h += 2) {
    const int distance = minuteOfDay - h * 60;
    if (std::abs(distance) > kNearMinutes) continue;
    const std::string before(HourBranch(h - 1).Name());
    const std::string after(HourBranch(h).Name());
    const bool dayToo = h == 23 && zi == ZiRule::NextDay;
    warnings.push_back("出生时刻距" + before + after + "两时辰交界（" + std::to_string(h) + "点）" +
                       DistanceText(distance * 60.0) + "，" + (dayToo ? "时柱和日柱" : "时柱") +
                       "取决于准确时刻");
  }

  // Midnight: the calendar day changes, and with it the day pillar unless
  // 子时换日 already changed it at 23:00.
  const int toMidnight = std::min(minuteOfDay, 24 * 60 - minuteOfDay);
  if (toMidnight <= kNearMinutes) {
    const char* what = zi == ZiRule::SameDay ? "日柱和时柱" : zi == ZiRule::Late ? "日柱" : "出生日期";
    warnings.push_back("出生时刻距午夜（0点）" + DistanceText(toMidnight * 60.0) + "，" + what +
                       "取决于准确时刻");
  }
  return warnings;
}

}  // namespace vantrel
