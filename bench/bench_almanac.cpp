#include <benchmark/benchmark.h>

#include "almanac/almanac.h"
#include "common/datetime.h"
#include "reports/almanac.h"

namespace {

// One year of almanac rows through the run-time engine.
void BM_AlmanacYearOfRows(benchmark::State& state) {
  const vantrel::DateTime first = vantrel::EncodeDate(2013, 1, 1);
  vantrel::almanac::RowOf(vantrel::DecodeDate(first));
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (int k = 0; k < 365; ++k) {
      for (const auto& field : vantrel::almanac::RowOf(vantrel::DecodeDate(first + k)).Fields())
        bytes += field.size();
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_AlmanacYearOfRows)->Unit(benchmark::kMillisecond);

// Every day the engine knows, 1901-01-01 .. 2100-12-31, as typed values:
// what a range of the almanac or a search for a good day asks of it.
void BM_AlmanacEveryDay(benchmark::State& state) {
  const vantrel::DateTime first = vantrel::EncodeDate(1901, 1, 1);
  const vantrel::DateTime last = vantrel::EncodeDate(2100, 12, 31);
  for (auto _ : state) {
    std::size_t suits = 0;
    for (vantrel::DateTime x = first; x <= last; x += 1)
      suits += vantrel::almanac::DayOf(vantrel::DecodeDate(x)).verdict.suits.size();
    benchmark::DoNotOptimize(suits);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(last - first + 1));
}
BENCHMARK(BM_AlmanacEveryDay)->Unit(benchmark::kMillisecond);

// Every day's page as `almanac 1901-01-01 2100-12-31` prints it: the
// engine's row put into the page's ten lines.
void BM_AlmanacEveryPage(benchmark::State& state) {
  const vantrel::DateTime first = vantrel::EncodeDate(1901, 1, 1);
  const vantrel::DateTime last = vantrel::EncodeDate(2100, 12, 31);
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (vantrel::DateTime x = first; x <= last; x += 1)
      for (const std::string& line :
           vantrel::AlmanacLines(vantrel::AlmanacDayOfEngine(vantrel::DecodeDate(x))))
        bytes += line.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(last - first + 1));
}
BENCHMARK(BM_AlmanacEveryPage)->Unit(benchmark::kMillisecond)->Iterations(1);

// The rules alone for the sixty days of a 酉 month round.
void BM_AlmanacJudgeDay(benchmark::State& state) {
  vantrel::almanac::DayFacts facts;
  facts.month = vantrel::Branch(9);
  for (auto _ : state) {
    std::size_t n = 0;
    for (int i = 0; i < 60; ++i) {
      facts.day = vantrel::Pillar::FromIndex(i);
      n += vantrel::almanac::JudgeDay(facts).suits.size();
    }
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations() * 60);
}
BENCHMARK(BM_AlmanacJudgeDay)->Unit(benchmark::kMicrosecond);

}  // namespace
