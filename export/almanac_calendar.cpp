#include "export/almanac_calendar.h"

#include <cmath>
#include <string>

#include "almanac/almanac.h"
#include "calendar/ganzhi.h"
#include "common/text.h"
#include "reports/almanac.h"

namespace vantrel {
namespace {

long DayNumber(CivilDate d) { return static_cast<long>(std::floor(EncodeDate(d.year, d.month, d.day))); }

std::string Summary(const almanac::AlmanacRow& row, const almanac::Day& day) {
  return almanac::AlmanacMonthName(day.lunar.month, day.lunar.isLeap) + LunarDayName(day.lunar.day) +
         " 宜：" + row.yi + " 忌：" + row.ji;
}

}  // namespace

std::string AlmanacEventSummary(CivilDate date) {
  const almanac::Day day = almanac::DayOf(date);
  return Summary(almanac::RowOf(day), day);
}

std::vector<CalendarEvent> AlmanacEvents(CivilDate first, CivilDate last) {
  std::vector<CalendarEvent> events;
  for (long n = DayNumber(first); n <= DayNumber(last); ++n) {
    const CivilDate date = DecodeDate(static_cast<DateTime>(n));
    const almanac::Day day = almanac::DayOf(date);
    const almanac::AlmanacRow row = almanac::RowOf(day);
    CalendarEvent e;
    e.uid = "almanac-" + row.gn + "@vantrel";
    e.allDay = true;
    e.start = static_cast<DateTime>(n);
    e.summary = Summary(row, day);
    e.description = text::Join(AlmanacLines(AlmanacDayOfEngine(date)), "\n");
    e.categories = {"黄历"};
    events.push_back(std::move(e));
  }
  return events;
}

CalendarInfo AlmanacCalendarInfo(CivilDate first, CivilDate last) {
  const std::string from = FormatDate(EncodeDate(first.year, first.month, first.day));
  const std::string to = FormatDate(EncodeDate(last.year, last.month, last.day));
  const std::string span = from == to ? from : from + " 至 " + to;
  return {"黄历 " + span, "黄历（" + span + "），依《钦定协纪辨方书》：每日宜忌与全页"};
}

}  // namespace vantrel
