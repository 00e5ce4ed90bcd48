#pragma once
// A birth whose hour is not known: the year, month and day pillars are
// fixed, and the hour pillar is one of twelve. The table lists each double
// hour with what changes with it: the hour pillar, the ten god of its stem
// and the shensha of the hour pillar.
#include <optional>
#include <string>
#include <vector>

#include "chart/chart.h"

namespace vantrel {

struct HourRow {
  Branch branch;
  std::string span;  // the clock hours of the double hour, "23-01点"
  Pillar pillar;
  // On the day of a jie the month (and at 立春 the year) changes with the hour.
  Pillar yearPillar, monthPillar;
  std::string tenGod;                // of the hour stem, seen from the day stem
  std::vector<std::string> shensha;  // the stars of the hour pillar, as the rule files name them
};

struct HourTable {
  Pillar yearPillar, monthPillar, dayPillar;
  std::vector<HourRow> rows;  // 子 .. 亥
};

// The table of a birth's date (its hour and minute are not read; the 子 row
// is the early 子 hour, 00:00 to 01:00, of that date). No table for a date
// the chart engine refuses. Database and rule-file errors propagate.
std::optional<HourTable> HourTableOf(Birth birth);

// The table as the reports and the command line print it: a heading with
// the three fixed pillars, a column line and the twelve rows.
std::vector<std::string> HourTableLines(const HourTable& table);

}  // namespace vantrel
