#include <benchmark/benchmark.h>

#include "common/datetime.h"
#include "tools/lib/almanac_rules.h"
#include "tools/lib/solar_terms.h"

namespace {

// One year of almanac rows, the terms of the year already known to the engine.
void BM_AlmanacYearOfRows(benchmark::State& state) {
  vantrel::tools::AlmanacEngine engine(vantrel::tools::SolarTermInstantCst);
  const vantrel::DateTime first = vantrel::EncodeDate(2013, 1, 1);
  engine.Row(first);
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (int k = 0; k < 365; ++k) {
      for (const auto& field : engine.Row(first + k).Fields()) bytes += field.size();
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_AlmanacYearOfRows)->Unit(benchmark::kMillisecond);

// The rules alone for the sixty days of a 酉 month round.
void BM_AlmanacJudgeDay(benchmark::State& state) {
  vantrel::tools::DayFacts facts;
  facts.month = 9;
  for (auto _ : state) {
    std::size_t n = 0;
    for (int i = 0; i < 60; ++i) {
      facts.day = vantrel::Pillar::FromIndex(i);
      n += vantrel::tools::JudgeDay(facts).suits.size();
    }
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations() * 60);
}
BENCHMARK(BM_AlmanacJudgeDay)->Unit(benchmark::kMicrosecond);

}  // namespace
