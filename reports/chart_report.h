#pragma once
// The single-person report: the chart report or, for the same entry, the
// constellation report. It is built in a scratch pane and replaces the
// visible pane only at the very end, so a run that stops half way leaves the
// visible report as it was.
#include <string>

#include "common/notice.h"
#include "common/pane.h"
#include "reports/person_entry.h"

namespace vantrel {

struct ChartEntry {
  PersonEntry person;
  std::string hiddenName;  // the never-shown second name edit, normally empty
  std::string sex = "男";
  std::string buttonCaption = "八字分析";  // "八字分析" for the chart, anything else the constellation
};

extern const char* const kChartSeparator;          // S1
extern const char* const kConstellationSeparator;  // S2
extern const char* const kChartClosingLine;

// Writes the report into `scratch` and then replaces `visible` by it.
void RunChartReport(const ChartEntry& entry, Pane& visible, Pane& scratch, Notifier& notifier, int currentYear = 0);

}  // namespace vantrel
