#include "chart/chart.h"

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
    if (IsJieTerm(text::Trim(SolarTermOfDate(d0 + step * j)))) return j;
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
  c.dayPillar = DayPillarOfDayNumber(static_cast<long>(d0));
  // A birth at 23:xx is in the 子 hour and keeps its calendar day.
  c.hourPillar = HourPillarOnDay(c.dayPillar.stem, HourBranch(birth.hour));
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
  return c;
}

}  // namespace vantrel
