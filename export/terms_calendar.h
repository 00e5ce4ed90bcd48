#pragma once
// The 24 solar terms as calendar events: each term at its instant (Beijing
// time, UTC+08:00), the local time in the description.
#include <vector>

#include "export/ics.h"

namespace vantrel {

// The terms of the years first..last, in order. The UID of a term names its
// year and number ("solar-term-2013-02@vantrel"), so it never changes.
std::vector<CalendarEvent> SolarTermEvents(int firstYear, int lastYear);

// The calendar's name and description for those years.
CalendarInfo SolarTermCalendarInfo(int firstYear, int lastYear);

}  // namespace vantrel
