#pragma once
// The reports run the way the window runs them: the value is built, what it
// made is written into a pane, its notice goes to a notifier and its fault
// is raised. The tests of the reports' order of checks and of a damaged
// install read the outcome through these.
#include <functional>
#include <optional>
#include <string>

#include "common/notice.h"
#include "common/pane.h"
#include "reports/chart_report.h"
#include "reports/marriage_report.h"

namespace vantrel {

// The report pane and each person's blocks as the comparison copies them in.
struct MarriagePanes {
  explicit MarriagePanes(Pane& report_pane) : report(report_pane) {}
  Pane& report;
  TextPane shenshaMan, shenshaWoman;
  TextPane boneWeightMan, boneWeightWoman;
  TextPane personalityMan, personalityWoman;
};

// Builds the marriage report; the pane is replaced by what it made (left
// alone when it made nothing), the scratch panes get each chart's blocks.
void RunMarriageReport(const MarriageEntry& entry, MarriagePanes& panes, Notifier& notifier,
                       const std::function<void(EntryFocus)>& focus = {}, int currentYear = 0);

// Builds the chart or constellation report; `visible` is replaced only by a
// complete report, `scratch` gets whatever text the report has.
void RunChartReport(const ChartEntry& entry, Pane& visible, Pane& scratch, Notifier& notifier,
                    int currentYear = 0);

// The chart of a birth, or the notice "请检查输入数据是否出错！".
std::optional<ChartResult> CastChart(const Birth& birth, Notifier& notifier);
// The facts of an entry, or the same notice.
std::optional<PersonFacts> DerivePersonFacts(const PersonEntry& entry, int currentYear, Notifier& notifier);

// The blocks of a chart written as the reports write them.
void WriteChartBlock(Pane& pane, const ChartBlockInput& input);
void WriteShenshaBlock(Pane& pane, const ChartResult& chart, const std::string& header);
void WriteBoneWeightBlock(Pane& pane, const ChartBlockInput& input, const std::string& header);
void WritePersonalityBlock(Pane& pane, const ChartResult& chart, const std::string& header);

}  // namespace vantrel
