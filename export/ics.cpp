#include "export/ics.h"

#include <libical/ical.h>

#include <cmath>
#include <ctime>
#include <memory>
#include <stdexcept>

#include "common/report_file.h"

namespace vantrel {
namespace {

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

icaltimetype UtcTime(DateTime moment) {
  const CivilDate d = DecodeDate(moment);
  const ClockTime t = DecodeTime(moment);
  icaltimetype it = icaltime_null_time();
  it.year = d.year;
  it.month = d.month;
  it.day = d.day;
  it.hour = t.hour;
  it.minute = t.minute;
  it.second = t.second;
  it.is_date = 0;
  return icaltime_set_timezone(&it, icaltimezone_get_utc_timezone());
}

icaltimetype DateOnly(DateTime day) {
  const CivilDate d = DecodeDate(day);
  icaltimetype it = icaltime_null_date();
  it.year = d.year;
  it.month = d.month;
  it.day = d.day;
  return it;
}

void AddX(icalcomponent* c, const char* name, const std::string& value) {
  icalproperty* p = icalproperty_new_x(value.c_str());
  icalproperty_set_x_name(p, name);
  icalcomponent_add_property(c, p);
}

DateTime NowUtc() {
  // Day number of 1970-01-01 is 25569.
  return 25569.0 + static_cast<double>(std::time(nullptr)) / 86400.0;
}

}  // namespace

std::string CalendarText(const CalendarInfo& info, const std::vector<CalendarEvent>& events,
                         std::optional<DateTime> stamp) {
  std::unique_ptr<icalcomponent, ComponentFree> calendar(icalcomponent_new_vcalendar());
  icalcomponent* cal = calendar.get();
  icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
  icalcomponent_add_property(cal, icalproperty_new_prodid("-//Vantrel//Vantrel " VANTREL_VERSION "//ZH"));
  icalcomponent_add_property(cal, icalproperty_new_calscale("GREGORIAN"));
  if (!info.name.empty()) AddX(cal, "X-WR-CALNAME", info.name);
  if (!info.description.empty()) AddX(cal, "X-WR-CALDESC", info.description);

  const icaltimetype dtstamp = UtcTime(stamp.value_or(NowUtc()));
  for (const CalendarEvent& e : events) {
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(e.uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(dtstamp));
    if (e.allDay) {
      const icaltimetype day = DateOnly(e.start);
      icaltimetype next = day;
      icaltime_adjust(&next, 1, 0, 0, 0);
      icalcomponent_add_property(event, icalproperty_new_dtstart(day));
      icalcomponent_add_property(event, icalproperty_new_dtend(next));
    } else {
      icalcomponent_add_property(event, icalproperty_new_dtstart(UtcTime(e.start)));
    }
    icalcomponent_add_property(event, icalproperty_new_summary(e.summary.c_str()));
    if (!e.description.empty()) {
      icalcomponent_add_property(event, icalproperty_new_description(e.description.c_str()));
    }
    for (const std::string& category : e.categories) {
      icalcomponent_add_property(event, icalproperty_new_categories(category.c_str()));
    }
    // A date to know, not time taken: free/busy stays free.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    icalcomponent_add_component(cal, event);
  }
  char* text = icalcomponent_as_ical_string_r(cal);
  if (text == nullptr) throw std::runtime_error("the calendar could not be written as text");
  std::string result(text);
  icalmemory_free_buffer(text);
  return result;
}

void WriteCalendarFile(const std::string& path, const CalendarInfo& info,
                       const std::vector<CalendarEvent>& events) {
  WriteFileAtomically(path, CalendarText(info, events));
}

}  // namespace vantrel
