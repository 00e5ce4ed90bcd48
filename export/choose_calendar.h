#pragma once
// The chosen days of a 择日 as all-day calendar events.
#include <cstddef>
#include <vector>

#include "export/ics.h"
#include "reports/choose_day.h"

namespace vantrel {

// The chosen days in rank order, at most `limit` of them (0: all). The UID
// names the activity and the date, so the same day chosen for the same
// activity is the same event in every file.
std::vector<CalendarEvent> ChosenDayEvents(const choose::ChooseResult& result, std::size_t limit = 0);

// The calendar's name and description: the activity and the range.
CalendarInfo ChosenDayCalendarInfo(const choose::ChooseResult& result);

}  // namespace vantrel
