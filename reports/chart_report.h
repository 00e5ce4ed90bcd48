#pragma once
// The single-person report: the chart report or, for the same entry, the
// constellation report. It is built whole as a value; a run that stops half
// way (a notice, or a fault) has nothing to show, so the window keeps the
// report it showed before.
#include <array>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "chart/hour_table.h"
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

struct ChartReport {
  ReportKind kind = ReportKind::Chart;
  // The name as the report prints it: the name and the hidden name, trimmed.
  std::string name;
  std::optional<PersonFacts> facts;
  std::optional<PersonChart> chart;  // the chart report
  // The chart report of a birth whose hour is not known: the twelve
  // possible hour pillars instead of the chart.
  std::optional<HourTable> hourTable;
  // The constellation report's three texts: emotional intelligence, love
  // and strength, famous people.
  std::optional<std::array<std::string, 3>> topics;
  // The chart's boundary notices (ChartResult::warnings); the report text
  // does not print them.
  std::vector<std::string> warnings;
  // The notice that stopped the report.
  std::optional<std::string> notice;
  // The fault that stopped it; the window and the command line raise it.
  std::exception_ptr fault;

  bool Complete() const { return !notice && !fault && (chart ? chart->Complete() : topics || hourTable); }
  // The report's kind as the printed pages and the offered file name say it: "八字" or "星座".
  std::string KindWord() const;
};

// Builds the report of an entry; `currentYear` gives the age (0: this year).
ChartReport BuildChartReport(const ChartEntry& entry, int currentYear = 0);

// The report's text as the pane shows it; only a complete report has one.
std::string RenderChartReport(const ChartReport& report);

}  // namespace vantrel
