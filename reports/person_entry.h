#pragma once
// One person's entry row as the reports read it, and the values both reports
// derive from it before they write anything.
#include <array>
#include <optional>
#include <string>

#include "calendar/lunar.h"
#include "chart/birth.h"
#include "chart/chart_block.h"
#include "common/datetime.h"
#include "common/notice.h"

namespace vantrel {

enum class CalendarKind { Solar, Lunar };

// One person's entry row: the calendar as picked and the other controls'
// texts exactly as typed. The texts are read into values by
// DerivePersonFacts, at the point of the report where each is needed, so
// the report's checks come in their fixed order.
struct PersonEntry {
  std::string name;
  CalendarKind calendar = CalendarKind::Solar;
  std::string year = "1980";
  std::string month = "1";
  std::string day = "1";
  std::string hour = "子 0";  // an hour item: branch, blank, clock hour
  std::string minute = "0";
};

// What a report derives from an entry.
struct PersonFacts {
  // The year of the solar birth date as the report prints it: as typed
  // (trimmed) for a solar entry, in four digits for a converted lunar one.
  std::string solarYearText;
  DateTime solarDate = 0;
  LunarDate lunar;
  std::string lunarText;  // "癸巳(蛇年)八月十七"
  std::string animal;     // "蛇"
  std::string constellation;
  std::string hourText;    // the clock hour cut from the hour item, "0" .. "23" when it is one
  std::string minuteText;  // as typed
  int age = 0;
};

// The notice of a birth that cannot be converted or charted.
inline constexpr const char* kCheckInputNotice = "请检查输入数据是否出错！";

// Converts the entry's dates and derives the facts. A year, month or day
// text that is not a number, or a solar date that does not exist, raises a
// ConvertError. A lunar entry that names no lunar date, and a solar date
// outside the lunar calendar's range (1900-01-31 .. 2100-12-31), show the
// notice "请检查输入数据是否出错！" and give no result, so nothing is written
// and no table is read out of range. The hour and the minute are cut out
// but not read as numbers yet (BirthOf does that).
std::optional<PersonFacts> DerivePersonFacts(const PersonEntry& entry, int currentYear, Notifier& notifier);

// The birth the chart is cast for. An hour or minute text that is not a
// number raises ConvertError; the minute is read first, so with both
// unreadable the minute's error is the one shown.
Birth BirthOf(const PersonFacts& facts, Sex sex);

// The 24 hour items of the entry lists: the double hour's branch, a blank
// and the clock hour, "子 0" .. "子 23".
extern const std::array<const char*, 24> kHourItems;

// The birth line: "您出生公历：" + yyyy年mm月dd日 + hour + "点" + minute + "分".
std::string BirthLine(const PersonFacts& facts);

// The input of the chart text block for a person's chart.
ChartBlockInput BlockInputFor(const ChartResult& chart, const PersonFacts& facts);

// The current calendar year, for the age.
int CurrentYear();

}  // namespace vantrel
