// The base indicators over every front combination, the way the generator
// judges candidates: directly through the id table, and by name through the
// resolved indicator objects.
#include <benchmark/benchmark.h>

#include <vector>

#include "history/draw_text_io.h"
#include "indicators/base_indicators.h"
#include "indicators/catalogue.h"
#include "indicators/indicator.h"

namespace {

std::vector<dlt::Draw> AllCombinations() {
  std::vector<dlt::Draw> all;
  dlt::Draw d;
  for (int a = 1; a <= 31; ++a)
    for (int b = a + 1; b <= 32; ++b)
      for (int c = b + 1; c <= 33; ++c)
        for (int e = c + 1; e <= 34; ++e)
          for (int f = e + 1; f <= 35; ++f) {
            d.front = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c),
                       static_cast<uint8_t>(e), static_cast<uint8_t>(f)};
            d.back = {1, 2};
            all.push_back(d);
          }
  return all;
}

const std::vector<dlt::Draw>& Combinations() {
  static const std::vector<dlt::Draw> all = AllCombinations();
  return all;
}

void BM_DrawRowsOverAllCombinations(benchmark::State& state) {
  const auto& all = Combinations();
  const dlt::Draw previous = all[12345];
  std::vector<dlt::DrawFn> fns;
  for (const dlt::BaseRow& row : dlt::BaseIndicators())
    if (row.draw) fns.push_back(row.draw);
  for (auto _ : state) {
    int64_t total = 0;
    for (const dlt::Draw& d : all)
      for (dlt::DrawFn fn : fns) total += fn(d, &previous);
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(all.size() * fns.size()));
}
BENCHMARK(BM_DrawRowsOverAllCombinations)->Unit(benchmark::kMillisecond);

void BM_ResolvedObjectsOverCandidates(benchmark::State& state) {
  // A history of 100 draws with the candidate slot after it.
  std::vector<dlt::Draw> history = dlt::MakeDemoDraws(101, 1);
  std::vector<dlt::IndicatorPtr> indicators;
  for (const dlt::BaseRow& row : dlt::BaseIndicators())
    if (row.draw) indicators.push_back(dlt::ResolveIndicator(row.key).indicator);
  dlt::EvalContext ctx;
  ctx.source = dlt::Source::Memory;
  ctx.draws = history.data();
  ctx.count = 101;
  ctx.pos = 100;
  const auto& all = Combinations();
  for (auto _ : state) {
    int64_t total = 0;
    for (const dlt::Draw& d : all) {
      history[100] = d;
      for (const auto& ind : indicators) total += ind->Value(ctx);
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() *
                          static_cast<int64_t>(all.size() * indicators.size()));
}
BENCHMARK(BM_ResolvedObjectsOverCandidates)->Unit(benchmark::kMillisecond);

void BM_ValueByName(benchmark::State& state) {
  std::vector<dlt::Draw> history = dlt::MakeDemoDraws(101, 1);
  dlt::EvalContext ctx;
  ctx.source = dlt::Source::Memory;
  ctx.draws = history.data();
  ctx.count = 101;
  ctx.pos = 100;
  for (auto _ : state) benchmark::DoNotOptimize(dlt::IndicatorValue(ctx, "z_ac"));
}
BENCHMARK(BM_ValueByName);

}  // namespace

BENCHMARK_MAIN();
