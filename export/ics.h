#pragma once
// Calendar files (iCalendar, RFC 5545) of dated events, written with libical.
// Any part of the program that has dated events (the solar terms, almanac
// days, chosen days) turns them into CalendarEvent values and hands them here.
#include <optional>
#include <string>
#include <vector>

#include "common/datetime.h"

namespace vantrel {

struct CalendarEvent {
  // Stays the same for the same event in every file, so that a calendar
  // that imports the file again updates the event instead of adding it twice.
  std::string uid;
  // An event at an instant (`start` is its UTC reading) or a whole day
  // (`start` is the date; its time of day is ignored).
  bool allDay = false;
  DateTime start = 0;
  std::string summary;
  std::string description;
  std::vector<std::string> categories;
};

struct CalendarInfo {
  std::string name;  // the calendar's name as a calendar program lists it
  std::string description;
};

// The whole file, lines ending in CR LF as RFC 5545 asks. `stamp` is the UTC
// moment the events were made (DTSTAMP); none for now.
std::string CalendarText(const CalendarInfo& info, const std::vector<CalendarEvent>& events,
                         std::optional<DateTime> stamp = std::nullopt);

// Writes CalendarText to `path` whole or not at all (WriteFileAtomically).
void WriteCalendarFile(const std::string& path, const CalendarInfo& info,
                       const std::vector<CalendarEvent>& events);

}  // namespace vantrel
