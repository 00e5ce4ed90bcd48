#pragma once
// The report pages' entry rows as a user types them, read into the reports'
// entries the way the window and the command line read them.
#include <string>

#include "reports/chart_report.h"
#include "reports/entry_texts.h"
#include "reports/marriage_report.h"

namespace vantrel::testing {

// The chart page: one row, the hidden second name, the sex and the report.
struct ChartRow {
  EntryTexts person;
  std::string hiddenName;
  Sex sex = Sex::Man;
  ReportKind kind = ReportKind::Chart;

  ChartEntry Read() const { return {ReadChartPerson(person), hiddenName, sex, kind}; }
};

// The marriage page: the man's and the woman's rows.
struct CoupleRows {
  EntryTexts man;
  EntryTexts woman;

  MarriageEntry Read() const { return {ReadMarriagePerson(man), ReadMarriagePerson(woman)}; }
};

}  // namespace vantrel::testing
