#include <benchmark/benchmark.h>

#include "calendar/lunar.h"

namespace {

// Every day of the lunar table's range, 1900-01-31 .. 2100-12-31.
void BM_SolarToLunarWholeRange(benchmark::State& state) {
  for (auto _ : state) {
    long sum = 0;
    for (int x = 32; x < 73416; ++x) sum += vantrel::SolarToLunar(x).day;
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * (73416 - 32));
}
BENCHMARK(BM_SolarToLunarWholeRange)->Unit(benchmark::kMillisecond);

}  // namespace
