#include "chart/chart.h"

#include <vector>

#include "calendar/lunar.h"
#include "chart/personality.h"
#include "common/errors.h"
#include "common/text.h"
#include "data/lookups.h"
#include "data/query.h"

namespace vantrel {

const std::array<std::string_view, 12> JieTermNames = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                                                       "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};

const std::array<std::string_view, 12> HiddenStems = {"癸",     "癸辛己", "甲丙戊", "乙",     "乙戊癸", "庚丙戊",
                                                      "己丁",   "乙己丁", "戊庚壬", "辛",     "辛丁戊", "壬甲"};

namespace {

constexpr const char* kCheckInput = "请检查输入数据是否出错！";

// The month table: a birth's month branch comes from its month and day
// (month * 100 + day); the boundaries are fixed calendar dates.
struct MonthRange {
  int from, to;
  Branch branch;
};
constexpr MonthRange kMonthTable[] = {
    {101, 105, 0},   {106, 203, 1},   {204, 305, 2},   {306, 404, 3},  {405, 504, 4},
    {505, 605, 5},   {606, 706, 6},   {707, 807, 7},   {808, 907, 8},  {908, 1007, 9},
    {1008, 1106, 10}, {1107, 1207, 11}, {1208, 1231, 0},
};

Branch MonthBranchOfCode(int code) {
  // The day before a jie dated on 1 January is the last day of December.
  if (code == 100) code = 1231;
  for (const MonthRange& r : kMonthTable) {
    if (r.from <= code && code <= r.to) return r.branch;
  }
  // Every other code (a day 0 of months 2..12) lies inside a range above.
  return 0;
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
  try {
    data::Query q(data::Database::Second);
    q.SetSql(
        "select SJ from JQ where YearA = ? and JQ in "
        "('立春','惊蛰','清明','立夏','芒种','小暑','立秋','白露','寒露','立冬','大雪','小寒') "
        "and substr(SJ, 1, 10) = ? limit 1");
    q.AddParam(static_cast<std::int64_t>(year));
    q.AddDateParam(DateOf(birthInstant));
    q.Open();
    return q.RecordCount() == 1 && birthInstant < q.DateTimeValue("SJ");
  } catch (const DatabaseError&) {
    return false;
  }
}

std::optional<ChartResult> CastChart(int year, int month, int day, int hour, int minute, const std::string& sex,
                                     Notifier& notifier) {
  // A date that does not exist, or that the lunar calendar cannot place,
  // is refused before anything is read.
  DateTime d0;
  if (!TryEncodeDate(year, month, day, d0) || d0 < EncodeDate(1900, 1, 31) || d0 > EncodeDate(2100, 12, 31)) {
    notifier.ShowNotice(kCheckInput);
    return std::nullopt;
  }
  const DateTime birth = d0 + EncodeTime(hour, minute, 0, 0);

  ChartResult c;
  // A birth on the day of a jie but before its instant still belongs to the
  // previous day's month.
  c.beforeJie = BeforeJieInstant(year, birth);
  const int code = month * 100 + day - (c.beforeJie ? 1 : 0);
  const Branch monthBranch = MonthBranchOfCode(code);
  const int chartYear = code >= 204 ? year : year - 1;

  const Stem yearStem = Mod(chartYear - 4, 10);
  c.yearPillar = {yearStem, Mod(chartYear - 4, 12)};
  // The 寅 month of a 甲 or 己 year is 丙寅; each later month adds one stem.
  c.monthPillar = {Mod(2 * yearStem + 2 + Mod(monthBranch - 2, 12), 10), monthBranch};
  // 1900-02-20 is a 甲子 day.
  c.dayPillar = Pillar::FromIndex(static_cast<int>(d0 - EncodeDate(1900, 2, 20)));
  // 23 and 0 o'clock are the 子 hour; a birth at 23:xx keeps its calendar day.
  const Branch hourBranch = Mod((hour + 1) / 2, 12);
  c.hourPillar = {Mod(2 * c.dayPillar.stem + hourBranch, 10), hourBranch};
  c.fetalOrigin = {Mod(c.monthPillar.stem + 1, 10), Mod(monthBranch + 3, 12)};

  // A yang year runs forward for a man, a yin year for a woman.
  const bool male = sex == "男";
  const bool yinYear = yearStem % 2 == 1;
  c.backward = male ? yinYear : !yinYear;
  const int step = c.backward ? -1 : 1;

  const int daysToNextJie = DaysToJie(d0, 1);
  c.startAge = StartAgeOfDays(c.backward ? DaysToJie(d0, -1) : daysToNextJie);
  c.startAgeText = std::to_string(c.startAge);

  // The year's hidden stems follow the lunar year of the next jie date,
  // whatever the direction.
  const int nextJieLunarYear = SolarToLunar(d0 + daysToNextJie).year;
  c.yearHidden = HiddenStems[static_cast<std::size_t>(Mod(nextJieLunarYear - 1924, 12))];
  // The month's follow the Gregorian month: January 丑 .. November 亥, December 子.
  c.monthHidden = HiddenStems[static_cast<std::size_t>(Mod(month, 12))];
  c.dayHidden = HiddenStems[static_cast<std::size_t>(c.dayPillar.branch)];
  c.hourHidden = HiddenStems[static_cast<std::size_t>(hourBranch)];

  const std::string dayStem = c.dayPillar.StemText();
  c.luckNayinLine = "纳音：";
  c.luckTenGodLine = "十神：";
  std::vector<std::string> luckTexts;
  for (int k = 0; k < 10; ++k) {
    const Pillar p{Mod(c.monthPillar.stem + step * k, 10), Mod(monthBranch + step * k, 12)};
    c.luckPillars[static_cast<std::size_t>(k)] = p;
    luckTexts.push_back(p.Text());
    c.luckNayinLine += data::NayinOf(p.Text()) + " ";
    c.luckTenGodLine += data::TenGodOf(dayStem + p.StemText()) + "   ";
  }
  c.luckPillarsText = text::Join(luckTexts, "   ");

  c.personalityText = BirthdayPersonality(month, day);
  return c;
}

}  // namespace vantrel
