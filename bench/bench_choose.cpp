#include <benchmark/benchmark.h>

#include "reports/choose_day.h"
#include "reports/entry_texts.h"

namespace {

using namespace vantrel;

choose::ChooseRequest Couple(CivilDate from, CivilDate to) {
  EntryTexts man;
  man.year = "1998";
  man.month = "3";
  man.day = "5";
  EntryTexts woman;
  woman.year = "2000";
  woman.month = "7";
  woman.day = "9";
  choose::ChooseRequest r;
  r.from = from;
  r.to = to;
  r.people = {{choose::Role::kMan, ReadMarriagePerson(man), Sex::Man},
              {choose::Role::kWoman, ReadMarriagePerson(woman), Sex::Woman}};
  return r;
}

// A wedding day over twelve months for a couple: the charts of both, then
// every day judged and the chosen ones ranked (the promise: under 10 ms).
void BM_ChooseWeddingTwelveMonths(benchmark::State& state) {
  const choose::ChooseRequest r = Couple({2027, 1, 1}, {2027, 12, 31});
  for (auto _ : state) benchmark::DoNotOptimize(choose::ChooseDays(r).chosen.size());
}
BENCHMARK(BM_ChooseWeddingTwelveMonths)->Unit(benchmark::kMillisecond);

// The longest range, ten years (the promise: under 50 ms).
void BM_ChooseWeddingTenYears(benchmark::State& state) {
  const choose::ChooseRequest r = Couple({2027, 1, 1}, {2036, 12, 31});
  for (auto _ : state) benchmark::DoNotOptimize(choose::ChooseDays(r).chosen.size());
}
BENCHMARK(BM_ChooseWeddingTenYears)->Unit(benchmark::kMillisecond);

}  // namespace
