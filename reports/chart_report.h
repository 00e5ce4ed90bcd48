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

// The two reports of the chart page's one entry row.
enum class ReportKind { Chart, Constellation };

struct ChartEntry {
  PersonEntry person;
  std::string hiddenName;  // the never-shown second name edit, normally empty
  Sex sex = Sex::Man;
  ReportKind kind = ReportKind::Chart;
};

extern const char* const kChartSeparator;          // S1
extern const char* const kConstellationSeparator;  // S2
extern const char* const kChartClosingLine;

// Writes the report into `scratch` and then replaces `visible` by it.
void RunChartReport(const ChartEntry& entry, Pane& visible, Pane& scratch, Notifier& notifier,
                    int currentYear = 0);

}  // namespace vantrel
