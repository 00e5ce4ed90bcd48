#pragma once
// One person's entry row as typed, and its reading into values. The window
// and the command line both read their rows with the readers below, so they
// agree on every text; the reports see only the values.
#include <string>

#include "reports/person_entry.h"

namespace vantrel {

// The calendar as picked and the other controls' texts exactly as typed;
// the defaults are the window's.
struct EntryTexts {
  std::string name;
  CalendarKind calendar = CalendarKind::Solar;
  std::string year = "1980";
  std::string month = "1";
  std::string day = "1";
  std::string hour = "子 0";  // an hour item: branch, blank, clock hour
  std::string minute = "0";
};

// Reads the texts. A solar date is the three trimmed texts read as one
// date ("'<y>-<m>-<d>' is not a valid date" when it is none); a lunar one
// is the year, month and day each read as a number, in that order. The
// minute is read trimmed; the clock hour is the two GBK bytes from byte 4
// of the hour item, trimmed. The two reports cut that hour differently:
// the marriage report from the item as it stands, the chart report from
// the item trimmed first.
PersonEntry ReadMarriagePerson(const EntryTexts& texts);
PersonEntry ReadChartPerson(const EntryTexts& texts);

}  // namespace vantrel
