#include "reports/person_entry.h"

#include "calendar/ganzhi.h"
#include "chart/constellation.h"
#include "common/text.h"

namespace vantrel {

const std::array<const char*, 24> kHourItems = {
    "子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",  "辰 8",  "巳 9",  "巳 10", "午 11",
    "午 12", "未 13", "未 14", "申 15", "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};

std::string HourNumberOf(const std::string& hourItem) { return text::Trim(text::GbkCopy(hourItem, 4, 2)); }

std::optional<PersonFacts> DerivePersonFacts(const PersonEntry& entry, bool trimHourFirst, int currentYear,
                                             Notifier& notifier) {
  PersonFacts f;
  std::string dateText;
  if (entry.calendarIndex == 0) {
    f.yearText = text::Trim(entry.year);
    f.monthText = text::Trim(entry.month);
    f.dayText = text::Trim(entry.day);
    dateText = f.yearText + "-" + f.monthText + "-" + f.dayText;
  } else {
    // A lunar entry always names the regular month, never its leap twin.
    const LunarDate typed{StrToInt(entry.year), StrToInt(entry.month), StrToInt(entry.day), false};
    const DateTime converted = LunarToSolar(typed);
    if (converted == kNoDate) {
      notifier.ShowNotice(kCheckInputNotice);
      return std::nullopt;
    }
    dateText = FormatDate(converted);
    f.yearText = dateText.substr(0, 4);
    f.monthText = dateText.substr(5, 2);
    f.dayText = dateText.substr(8, 2);
  }
  f.solarDate = StrToDate(dateText);
  f.lunar = SolarToLunar(f.solarDate);
  if (f.lunar.year == 0) {
    notifier.ShowNotice(kCheckInputNotice);
    return std::nullopt;
  }
  const std::string yearWords = CycleYearText(CycleIndexOfYear(f.lunar.year));
  f.lunarText = yearWords + LunarMonthName(f.lunar.month, f.lunar.isLeap) + LunarDayName(f.lunar.day);
  f.animal = text::GbkCopy(yearWords, 6, 2);
  f.constellation = ConstellationOf(f.solarDate);
  f.hourNumber = HourNumberOf(trimHourFirst ? text::Trim(entry.hour) : entry.hour);
  f.minuteText = entry.minute;
  f.age = currentYear - DecodeDate(f.solarDate).year;
  return f;
}

std::string BirthLine(const PersonFacts& facts) {
  const std::string d = FormatDate(facts.solarDate);
  return "您出生公历：" + d.substr(0, 4) + "年" + d.substr(5, 2) + "月" + d.substr(8, 2) + "日" + facts.hourNumber +
         "点" + facts.minuteText + "分";
}

ChartBlockInput BlockInputFor(const ChartResult& chart, const PersonFacts& facts) {
  ChartBlockInput input;
  input.chart = chart;
  input.solarYearText = facts.yearText;
  input.lunarYear = facts.lunar.year;
  input.lunarMonth = facts.lunar.month;
  input.lunarDay = facts.lunar.day;
  input.hourText = facts.hourNumber;
  return input;
}

int CurrentYear() { return DecodeDate(Today()).year; }

}  // namespace vantrel
