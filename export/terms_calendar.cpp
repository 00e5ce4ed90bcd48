#include "export/terms_calendar.h"

#include <cstdio>
#include <string>

#include "calendar/lunar.h"
#include "export/json_values.h"

namespace vantrel {

std::vector<CalendarEvent> SolarTermEvents(int firstYear, int lastYear) {
  std::vector<CalendarEvent> events;
  for (int year = firstYear; year <= lastYear; ++year) {
    for (int n = 0; n < 24; ++n) {
      const DateTime instant = SolarTermInstant(year, n);
      const std::string name(SolarTermNames[static_cast<std::size_t>(n)]);
      char uid[64];
      std::snprintf(uid, sizeof uid, "solar-term-%04d-%02d@vantrel", year, n);
      CalendarEvent e;
      e.uid = uid;
      e.start = json::ToUtc(instant, json::kBeijingOffsetSeconds);
      e.summary = name;
      e.description = name + (n % 2 == 0 ? "（节）" : "（气）") + "\n北京时间 " + FormatDateTime(instant);
      e.categories = {"二十四节气"};
      events.push_back(std::move(e));
    }
  }
  return events;
}

CalendarInfo SolarTermCalendarInfo(int firstYear, int lastYear) {
  const std::string years = firstYear == lastYear
                                ? std::to_string(firstYear)
                                : std::to_string(firstYear) + "-" + std::to_string(lastYear);
  return {"二十四节气 " + years, "二十四节气（" + years + "年），北京时间的交节时刻"};
}

}  // namespace vantrel
