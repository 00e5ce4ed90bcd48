#pragma once
// The almanac as calendar events: one all-day event a day, the lunar date
// and what the day suits and forbids in its summary, the whole page in its
// description.
#include <vector>

#include "common/datetime.h"
#include "export/ics.h"

namespace vantrel {

// The days first..last (within the almanac's days), in order. The UID names
// the day ("almanac-2027-01-01@vantrel"), so a calendar that imports the file
// again updates the day instead of adding it twice. Throws
// std::out_of_range for a day the almanac does not know.
std::vector<CalendarEvent> AlmanacEvents(CivilDate first, CivilDate last);

// The summary of a day: "八月十七 宜：祭祀 沐浴 忌：嫁娶 安葬".
std::string AlmanacEventSummary(CivilDate day);

// The calendar's name and description for those days.
CalendarInfo AlmanacCalendarInfo(CivilDate first, CivilDate last);

}  // namespace vantrel
