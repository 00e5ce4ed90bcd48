#pragma once
// One person's entry row as the reports read it, and the values both reports
// derive from it before they write anything.
#include <array>
#include <exception>
#include <optional>
#include <string>

#include "calendar/lunar.h"
#include "chart/birth.h"
#include "chart/chart_block.h"
#include "common/datetime.h"
#include "common/pane.h"
#include "common/parsed.h"

namespace vantrel {

enum class CalendarKind { Solar, Lunar };

// The fields of a birth a report asks for when they are left blank, in the
// order it asks.
enum class BirthField { Year, Month, Day, Hour };

// One person's entry row as values: the window and the command line read
// the typed texts once (ReadMarriagePerson, ReadChartPerson); a text that is
// no number keeps its ConvertError, raised where the report needs the value,
// so the report's checks come in their fixed order. The defaults are the window's.
struct PersonEntry {
  std::string name;  // as typed; the reports trim it
  CalendarKind calendar = CalendarKind::Solar;
  // The first of year, month, day and hour left blank, which the report asks for.
  std::optional<BirthField> blank;
  // The birth date in the entry's calendar: an existing Gregorian date, or
  // the lunar year, month and day (the regular month, never its leap twin).
  Parsed<CivilDate> date = CivilDate{1980, 1, 1};
  // The clock hour cut from the hour item ("0" .. "23" when it is one) and its number.
  std::string hourText = "0";
  TypedNumber hour = 0;
  // The minute as typed, which the birth line prints, and its number.
  std::string minuteText = "0";
  TypedNumber minute = 0;
  // The line that says how the birth moment was corrected to true solar
  // time ("真太阳时：按乌鲁木齐校正…"), printed after the birth line; none
  // for a moment as the clock showed it.
  std::optional<std::string> correctionLine;
  // The rule by which a birth from 23:00 to 24:00 is placed.
  ZiRule zi = ZiRule::SameDay;
  // The hour was given as not known (the chart page's item "不详"): the chart
  // report lists the twelve possible hour pillars; `hour` is then no number.
  bool hourUnknown = false;
};

// What a report derives from an entry.
struct PersonFacts {
  DateTime solarDate = 0;
  LunarDate lunar;
  std::string lunarText;  // "癸巳(蛇年)八月十七"
  std::string animal;     // "蛇"
  std::string constellation;
  std::string hourText;  // the clock hour cut from the hour item, "0" .. "23" when it is one
  TypedNumber hour;
  std::string minuteText;  // as typed
  TypedNumber minute;
  int age = 0;
  std::optional<std::string> correctionLine;  // as the entry gave it
  ZiRule zi = ZiRule::SameDay;                // as the entry gave it
  bool hourUnknown = false;                   // as the entry gave it
};

// The notice of a birth that cannot be converted or charted.
inline constexpr const char* kCheckInputNotice = "请检查输入数据是否出错！";

// Converts the entry's dates and derives the facts. A date that could not
// be read (a year, month or day that is no number, a solar date that does
// not exist) raises its ConvertError. A lunar entry that names no lunar
// date, and a solar date outside the lunar calendar's range (1900-01-31 ..
// 2100-12-31), give no result: the reports then stop at the notice
// "请检查输入数据是否出错！", before anything is written and before any
// table is read out of range. The hour and the minute are passed on unread
// (BirthOf needs them).
std::optional<PersonFacts> DerivePersonFacts(const PersonEntry& entry, int currentYear);

// The birth the chart is cast for. An hour or minute that is not a number
// raises its ConvertError; the minute is read first, so with both
// unreadable the minute's error is the one shown.
Birth BirthOf(const PersonFacts& facts, Sex sex);

// The 24 hour items of the entry lists: the double hour's branch, a blank
// and the clock hour, "子 0" .. "子 23".
extern const std::array<const char*, 24> kHourItems;

// The item of the chart page's hour list for an hour not known.
inline constexpr const char* kUnknownHourItem = "不详";

// The birth line: "您出生公历：" + yyyy年mm月dd日 + hour + "点" + minute + "分",
// or yyyy年mm月dd日 + "时辰不详" for an hour not known.
std::string BirthLine(const PersonFacts& facts);

// The input of the chart text block for a person's chart.
ChartBlockInput BlockInputFor(const ChartResult& chart, const PersonFacts& facts);

// Everything a report prints of one person's chart, in the order it is
// worked out; a fault part way leaves the later parts empty.
struct PersonChart {
  ChartResult chart;
  std::optional<ChartBlock> block;
  std::optional<ShenshaBlock> shensha;
  std::optional<BoneWeightLines> boneWeight;
  std::optional<std::string> personality;
  bool Complete() const { return personality.has_value(); }
};

// Casts a person's chart: no result when the chart engine refused the birth
// (the report's notice "请检查输入数据是否出错！"). A fault while a part is
// worked out is kept in `fault` with the parts before it.
std::optional<PersonChart> ChartOfPerson(const PersonFacts& facts, Sex sex, std::exception_ptr& fault);

// The line that names the 子 hour rule of a birth from 23:00 to 24:00
// ("子时：按子时换日，日柱取次日"); none for the traditional rule, whose
// reports stay as they always were, and none for a birth outside that hour.
std::optional<std::string> ZiRuleLine(const PersonFacts& facts);

// The birth line followed by the correction line and the 子 hour rule line, if any.
void WriteBirthLines(TextPane& pane, const PersonFacts& facts);

// The current calendar year, for the age.
int CurrentYear();

}  // namespace vantrel
