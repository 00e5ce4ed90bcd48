#include <benchmark/benchmark.h>

#include "calendar/cn_calendar.h"
#include "calendar/month_grid.h"

namespace {

// Every day of the calendar tables, 1901..2050.
void BM_CnLunarCodeWholeRange(benchmark::State& state) {
  const vantrel::DateTime first = vantrel::EncodeDate(1901, 1, 1);
  const vantrel::DateTime last = vantrel::EncodeDate(2050, 12, 31);
  for (auto _ : state) {
    long sum = 0;
    for (vantrel::DateTime x = first; x <= last; x += 1) sum += vantrel::CnLunarCode(x);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(last - first + 1));
}
BENCHMARK(BM_CnLunarCodeWholeRange)->Unit(benchmark::kMillisecond);

// One redraw of the calendar dialog: a whole month grid with its texts.
void BM_BuildMonthGrid(benchmark::State& state) {
  int month = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vantrel::BuildMonthGrid(2013, month % 12 + 1, 15));
    ++month;
  }
}
BENCHMARK(BM_BuildMonthGrid)->Unit(benchmark::kMicrosecond);

}  // namespace
