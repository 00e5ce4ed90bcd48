#include <benchmark/benchmark.h>

#include "tools/lib/solar_terms.h"

namespace {

// The whole term table the generator writes: 24 terms of every year 1900..2100.
void BM_SolarTermsWholeRange(benchmark::State& state) {
  for (auto _ : state) {
    double sum = 0;
    for (int year = 1900; year <= 2100; ++year) {
      for (int term = 0; term < 24; ++term) sum += vantrel::tools::SolarTermInstantCst(year, term);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 201 * 24);
}
BENCHMARK(BM_SolarTermsWholeRange)->Unit(benchmark::kMillisecond);

}  // namespace
