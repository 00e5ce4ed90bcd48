#pragma once
// The report pages' entry rows as a user types them, read into the reports'
// entries the way the window and the command line read them.
#include <string>

#include "reports/chart_report.h"
#include "reports/entry_texts.h"
#include "reports/marriage_report.h"

namespace vantrel::testing {

// One row as typed: a Gregorian birth unless `calendar` is 1 (lunar).
inline EntryTexts Person(const std::string& name, const std::string& year, const std::string& month,
                         const std::string& day, const std::string& hour, const std::string& minute,
                         int calendar = 0) {
  EntryTexts e;
  e.name = name;
  e.calendar = calendar == 0 ? CalendarKind::Solar : CalendarKind::Lunar;
  e.year = year;
  e.month = month;
  e.day = day;
  e.hour = hour;
  e.minute = minute;
  return e;
}

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

// The couple of the reviewed marriage report kept beside the report tests.
inline CoupleRows ReviewedCouple() {
  return {Person("张三", "1985", "6", "15", "巳 10", "30"), Person("李四", "1987", "3", "8", "子 23", "5")};
}

}  // namespace vantrel::testing
