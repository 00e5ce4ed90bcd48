#include "reports/person_entry.h"

#include "calendar/ganzhi.h"
#include "chart/constellation.h"
#include "common/text.h"

namespace vantrel {

const std::array<const char*, 24> kHourItems = {"子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",
                                                "卯 6",  "辰 7",  "辰 8",  "巳 9",  "巳 10", "午 11",
                                                "午 12", "未 13", "未 14", "申 15", "申 16", "酉 17",
                                                "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};

std::optional<PersonFacts> DerivePersonFacts(const PersonEntry& entry, int currentYear) {
  PersonFacts f;
  const CivilDate& d = entry.date.Get();
  if (entry.calendar == CalendarKind::Solar) {
    f.solarDate = EncodeDate(d.year, d.month, d.day);
  } else {
    const std::optional<DateTime> solar = TryLunarToSolar(LunarDate{d.year, d.month, d.day, false});
    if (!solar) return std::nullopt;
    f.solarDate = *solar;
  }
  f.lunar = SolarToLunar(f.solarDate);
  if (f.lunar.year == 0) return std::nullopt;
  const std::string yearWords = CycleYearText(CycleIndexOfYear(f.lunar.year));
  f.lunarText = yearWords + LunarMonthName(f.lunar.month, f.lunar.isLeap) + LunarDayName(f.lunar.day);
  f.animal = std::string(Branch(CycleIndexOfYear(f.lunar.year)).Animal());
  f.constellation = ConstellationOf(f.solarDate);
  f.hourText = entry.hourText;
  f.hour = entry.hour;
  f.minuteText = entry.minuteText;
  f.minute = entry.minute;
  f.age = currentYear - DecodeDate(f.solarDate).year;
  f.correctionLine = entry.correctionLine;
  f.zi = entry.zi;
  f.hourUnknown = entry.hourUnknown;
  return f;
}

Birth BirthOf(const PersonFacts& facts, Sex sex) {
  Birth b;
  b.minute = facts.minute.Get();
  b.hour = facts.hour.Get();
  b.date = DecodeDate(facts.solarDate);
  b.sex = sex;
  b.zi = facts.zi;
  return b;
}

std::string BirthLine(const PersonFacts& facts) {
  const std::string d = FormatDate(facts.solarDate);
  const std::string date =
      "您出生公历：" + d.substr(0, 4) + "年" + d.substr(5, 2) + "月" + d.substr(8, 2) + "日";
  if (facts.hourUnknown) return date + "时辰不详";
  return date + facts.hourText + "点" + facts.minuteText + "分";
}

ChartBlockInput BlockInputFor(const ChartResult& chart, const PersonFacts& facts) {
  ChartBlockInput input;
  input.chart = chart;
  input.solarYear = DecodeDate(facts.solarDate).year;
  input.lunar = facts.lunar;
  input.hourText = facts.hourText;
  return input;
}

std::optional<PersonChart> ChartOfPerson(const PersonFacts& facts, Sex sex, std::exception_ptr& fault) {
  std::optional<ChartResult> chart = CastChart(BirthOf(facts, sex));
  if (!chart) return std::nullopt;
  PersonChart p;
  p.chart = std::move(*chart);
  try {
    const ChartBlockInput input = BlockInputFor(p.chart, facts);
    p.block = BuildChartBlock(input);
    p.shensha = ShenshaOf(p.chart);
    p.boneWeight = BoneWeightFor(input);
    p.personality = p.chart.personalityText;
  } catch (...) {
    fault = std::current_exception();
  }
  return p;
}

std::optional<std::string> ZiRuleLine(const PersonFacts& facts) {
  if (facts.zi == ZiRule::SameDay || !facts.hour.ok() || facts.hour.Get() != 23) return std::nullopt;
  return facts.zi == ZiRule::NextDay ? "子时：按子时换日，23点起日柱取次日，时柱为次日子时"
                                     : "子时：按晚子时，日柱仍取当日，时柱为次日子时";
}

void WriteBirthLines(TextPane& pane, const PersonFacts& facts) {
  pane.Add(BirthLine(facts));
  if (facts.correctionLine) pane.Add(*facts.correctionLine);
  if (const std::optional<std::string> zi = ZiRuleLine(facts)) pane.Add(*zi);
}

int CurrentYear() { return DecodeDate(Today()).year; }

}  // namespace vantrel
