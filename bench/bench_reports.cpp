// The two person reports end to end with the real data files: every database
// and rule-file read included, as a user's click runs them.
#include <benchmark/benchmark.h>

#include "common/notice.h"
#include "common/pane.h"
#include "data/query.h"
#include "reports/almanac.h"
#include "reports/chart_report.h"
#include "reports/entry_texts.h"
#include "reports/marriage_report.h"

namespace {

using namespace vantrel;

EntryTexts Person(const char* name, const char* year, const char* month, const char* day, const char* hour) {
  EntryTexts e;
  e.name = name;
  e.year = year;
  e.month = month;
  e.day = day;
  e.hour = hour;
  e.minute = "30";
  return e;
}

void BM_MarriageReport(benchmark::State& state) {
  const MarriageEntry entry{ReadMarriagePerson(Person("张三", "1985", "6", "15", "巳 10")),
                            ReadMarriagePerson(Person("李四", "1987", "3", "8", "子 23"))};
  for (auto _ : state) {
    const std::string text = RenderMarriageReport(BuildMarriageReport(entry, 2024));
    benchmark::DoNotOptimize(text.size());
  }
}
BENCHMARK(BM_MarriageReport)->Unit(benchmark::kMillisecond);

void BM_ChartReport(benchmark::State& state) {
  ChartEntry entry;
  entry.person = ReadChartPerson(Person("王五", "1990", "6", "7", "辰 8"));
  for (auto _ : state) {
    const std::string text = RenderChartReport(BuildChartReport(entry, 2024));
    benchmark::DoNotOptimize(text.size());
  }
}
BENCHMARK(BM_ChartReport)->Unit(benchmark::kMillisecond);

void BM_ConstellationReport(benchmark::State& state) {
  ChartEntry entry;
  entry.kind = ReportKind::Constellation;
  for (auto _ : state) {
    const std::string text = RenderChartReport(BuildChartReport(entry, 2024));
    benchmark::DoNotOptimize(text.size());
  }
}
BENCHMARK(BM_ConstellationReport)->Unit(benchmark::kMillisecond);

// The almanac page's lookup of one day among the 73,000 rows, and its lines.
void BM_ShowAlmanac(benchmark::State& state) {
  for (auto _ : state) {
    const std::vector<std::string> lines = AlmanacLines(AlmanacDayOf("2013", "09", "21"));
    benchmark::DoNotOptimize(lines.size());
  }
}
BENCHMARK(BM_ShowAlmanac)->Unit(benchmark::kMicrosecond);

}  // namespace
