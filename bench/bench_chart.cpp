#include <benchmark/benchmark.h>

#include "chart/chart.h"
#include "data/shensha.h"

namespace {

// One chart as a report casts it, with the data files beside the program.
void BM_CastChart(benchmark::State& state) {
  for (auto _ : state) {
    auto chart = vantrel::CastChart({{2000, 1, 1}, 0, 0, vantrel::Sex::Man});
    benchmark::DoNotOptimize(chart);
  }
}
BENCHMARK(BM_CastChart)->Unit(benchmark::kMillisecond);

// The four shensha lines of one person: 27 evaluator calls, each reading its
// rule file afresh.
void BM_PillarShenshaLines(benchmark::State& state) {
  const vantrel::data::ChartPillars pillars = {vantrel::Pillar{vantrel::Stem(5), vantrel::Branch(3)},
                                               vantrel::Pillar{vantrel::Stem(2), vantrel::Branch(0)},
                                               vantrel::Pillar{vantrel::Stem(4), vantrel::Branch(6)},
                                               vantrel::Pillar{vantrel::Stem(8), vantrel::Branch(0)}};
  for (auto _ : state) {
    std::size_t size = 0;
    for (const auto at : vantrel::data::kPillarPositions) {
      size += vantrel::data::PillarShenshaLine(at, pillars, vantrel::LuckDirection::Backward).size();
    }
    benchmark::DoNotOptimize(size);
  }
}
BENCHMARK(BM_PillarShenshaLines)->Unit(benchmark::kMicrosecond);

}  // namespace
