// The statistics windows' computations over a 2,911-draw synthetic history:
// "开始统计" over every draw (counts, omissions, item tallies), the pair
// matrix with its lists, the association filter with an indicator
// condition, and one back-zone chart page.
#include <benchmark/benchmark.h>

#include <vector>

#include "history/draw_text_io.h"
#include "trend/association.h"
#include "trend/blue_charts.h"
#include "trend/item_tally.h"
#include "trend/number_tally.h"
#include "trend/pair_matrix.h"

namespace {

constexpr int kDraws = 2911;

const std::vector<dlt::Draw>& History() {
  static const std::vector<dlt::Draw> h = dlt::MakeDemoDraws(kDraws, 11);
  return h;
}

const dlt::FixedTextMetrics kMetrics;

void BM_StartOverEveryDraw(benchmark::State& state) {
  const dlt::DrawRange all = dlt::NearRange(kDraws, kDraws);
  for (auto _ : state) {
    benchmark::DoNotOptimize(dlt::TallyNumbers(History(), all));
    const dlt::ItemTally t = dlt::TallyItems(History(), all);
    benchmark::DoNotOptimize(dlt::ItemGroupsPageOne(t));
    benchmark::DoNotOptimize(dlt::ItemGroupsPageTwo(t, 3, 3));
  }
}
BENCHMARK(BM_StartOverEveryDraw)->Unit(benchmark::kMillisecond);

void BM_PairsOverEveryDraw(benchmark::State& state) {
  const dlt::DrawRange all = dlt::NearRange(kDraws, kDraws);
  for (auto _ : state)
    benchmark::DoNotOptimize(dlt::ListPairs(dlt::CountPairs(History(), all), 5, 1));
}
BENCHMARK(BM_PairsOverEveryDraw)->Unit(benchmark::kMillisecond);

// Every box at "all" (every draw qualifies) with zero, one or three conditions.
void BM_AssociationWholeHistory(benchmark::State& state) {
  static const dlt::EvalEnv env;
  dlt::AssociationSetup setup;
  const char* formulas[] = {"z_hz", "getylz(z_hz)", "(z_ac+z_num1)%5"};
  for (int k = 0; k < state.range(0); ++k) setup.conditions.push_back({formulas[k], {}});
  for (auto _ : state)
    benchmark::DoNotOptimize(dlt::ComputeAssociation({History(), nullptr, &env}, setup));
}
BENCHMARK(BM_AssociationWholeHistory)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_BackZoneMeanPage(benchmark::State& state) {
  dlt::TrendPage p;
  p.draws = History();
  p.anchor = kDraws - 67;
  p.span = 66;
  p.width = 1260;
  p.height = 560;
  const dlt::BlueMeans means = [](int) { return std::array<int32_t, 5>{60, 61, 62, 63, 64}; };
  for (auto _ : state)
    benchmark::DoNotOptimize(
        dlt::BlueMeanChart(p, means, {true, true, true, true, true, true}, kMetrics));
}
BENCHMARK(BM_BackZoneMeanPage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
