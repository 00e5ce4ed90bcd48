#pragma once
// One person's entry row as the reports read it, and the values both reports
// derive from it before they write anything.
#include <array>
#include <optional>
#include <string>

#include "calendar/lunar.h"
#include "chart/chart_block.h"
#include "common/datetime.h"
#include "common/notice.h"

namespace vantrel {

// The texts of the entry controls exactly as typed or picked.
struct PersonEntry {
  std::string name;
  int calendarIndex = 0;  // 0 solar, anything else lunar
  std::string year = "1980";
  std::string month = "1";
  std::string day = "1";
  std::string hour = "子 0";  // an hour item: branch, blank, clock hour
  std::string minute = "0";
};

// What a report derives from an entry.
struct PersonFacts {
  std::string yearText, monthText, dayText;  // of the solar birth date
  DateTime solarDate = 0;
  LunarDate lunar;
  std::string lunarText;  // "癸巳(蛇年)八月十七"
  std::string animal;     // "蛇"
  std::string constellation;
  std::string hourNumber;  // "0" .. "23"
  std::string minuteText;  // as shown
  int age = 0;
};

// The notice of a birth that cannot be converted or charted.
inline constexpr const char* kCheckInputNotice = "请检查输入数据是否出错！";

// Converts the entry's dates and derives the facts. A year, month or day
// text that is not a number, or a solar date that does not exist, raises a
// ConvertError. A lunar entry that names no lunar date, and a solar date
// outside the lunar calendar's range (1900-01-31 .. 2100-12-31), show the
// notice "请检查输入数据是否出错！" and give no result, so nothing is written
// and no table is read out of range. `trimHourFirst` selects whether the
// hour item is trimmed before its number is cut out of it.
std::optional<PersonFacts> DerivePersonFacts(const PersonEntry& entry, bool trimHourFirst, int currentYear,
                                             Notifier& notifier);

// The 24 hour items of the entry lists: the double hour's branch, a blank
// and the clock hour, "子 0" .. "子 23".
extern const std::array<const char*, 24> kHourItems;

// The hour number of an hour item: the two GBK bytes from byte 4, trimmed.
std::string HourNumberOf(const std::string& hourItem);

// The birth line: "您出生公历：" + yyyy年mm月dd日 + hour + "点" + minute + "分".
std::string BirthLine(const PersonFacts& facts);

// The input of the chart text block for a person's chart.
ChartBlockInput BlockInputFor(const ChartResult& chart, const PersonFacts& facts);

// The current calendar year, for the age.
int CurrentYear();

}  // namespace vantrel
