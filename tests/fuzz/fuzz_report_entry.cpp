// Arbitrary texts in every entry field of both person reports, with the real
// data files: each run completes, shows a notice or raises one of the
// program's own errors, and a run that stops leaves the visible pane of the
// single-person report as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/notice.h"
#include "common/pane.h"
#include "data/query.h"
#include "reports/chart_report.h"
#include "reports/entry_texts.h"
#include "reports/marriage_report.h"
#include "tests/fuzz/fuzz_fields.h"

namespace {

// The row at `at`, as typed.
vantrel::EntryTexts Person(const std::vector<std::string>& f, std::size_t at) {
  vantrel::EntryTexts e;
  e.name = f[at];
  e.calendar = !f[at + 1].empty() && static_cast<unsigned char>(f[at + 1][0]) % 2
                   ? vantrel::CalendarKind::Lunar
                   : vantrel::CalendarKind::Solar;
  e.year = f[at + 2];
  e.month = f[at + 3];
  e.day = f[at + 4];
  e.hour = f[at + 5];
  e.minute = f[at + 6];
  return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  const std::vector<std::string> f = vantrel::fuzz::Fields(data, size, 16);
  const MarriageEntry couple{ReadMarriagePerson(Person(f, 0)), ReadMarriagePerson(Person(f, 7))};
  const MarriageReport marriage = BuildMarriageReport(couple, 2024);
  const std::string shown = RenderMarriageReport(marriage);
  // Nothing is made before the man's row has passed its checks; a complete
  // report has neither a notice nor a fault.
  if (!marriage.Started() && !shown.empty()) std::abort();
  if (marriage.Complete() && (marriage.notice || marriage.fault)) std::abort();

  ChartEntry single;
  single.person = ReadChartPerson(Person(f, 0));
  single.hiddenName = f[14];
  single.sex = SexOfText(f[15]);
  for (const ReportKind kind : {ReportKind::Chart, ReportKind::Constellation}) {
    single.kind = kind;
    const ChartReport report = BuildChartReport(single, 2024);
    // A report that stopped has nothing to show, so the shown one stays.
    if (!report.Complete() && !RenderChartReport(report).empty()) std::abort();
  }
  return 0;
}
