#include <benchmark/benchmark.h>

#include "divination/numbers.h"
#include "divination/pinyin.h"

namespace {

// A net name of the entry's full 18 characters, mixing Han, Latin, digits and
// symbols: the converter runs once per "测算".
void BM_NetNameTrait(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vantrel::NetNameTrait("天使の翅膀ABC123⑩Θ小明长行佛！"));
}
BENCHMARK(BM_NetNameTrait);

void BM_NumberVerdict(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vantrel::NumberVerdict("123456789012345678"));
}
BENCHMARK(BM_NumberVerdict);

}  // namespace
