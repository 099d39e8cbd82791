// The indicator analysis over a synthetic history as long as the real one
// (2,911 draws): "开始剖析" of a history formula, and the per-value omission
// statistics of a wide range.
#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/omission_stats.h"
#include "analysis/series_fill.h"
#include "history/draw_text_io.h"

namespace {

constexpr int kDraws = 2911;

const std::vector<dlt::Draw>& History() {
  static const std::vector<dlt::Draw> h = dlt::MakeDemoDraws(kDraws, 16);
  return h;
}

dlt::EvalContext Table() {
  static const dlt::EvalEnv env;
  dlt::EvalContext c;
  c.draws = History().data();
  c.count = kDraws;
  c.env = &env;
  return c;
}

// "开始剖析": the formula compiled once and evaluated at every draw. Over a
// history this long getylz(z_hz) + z_ac passes 1000 at some draws (2344 at
// most in the real history), which the fill refuses; the remainder keeps
// every value in range at the cost of one more operation per draw.
void BM_FillHistoryFormula(benchmark::State& state) {
  for (auto _ : state) {
    const dlt::SeriesFill fill = dlt::FillSeries(Table(), "getylz(z_hz)%990+z_ac");
    if (!fill.ok()) state.SkipWithError(fill.error.c_str());
    benchmark::DoNotOptimize(fill.values.data());
  }
}
BENCHMARK(BM_FillHistoryFormula)->Unit(benchmark::kMillisecond);

// "遗漏次数统计图" of the values 0..200 over the whole history.
void BM_OmissionStatistics0To200(benchmark::State& state) {
  const dlt::SeriesFill fill = dlt::FillSeries(Table(), "getylz(z_hz)%990");
  for (auto _ : state)
    benchmark::DoNotOptimize(dlt::OmissionStatistics(fill.values, 0, kDraws - 1, 0, 200));
}
BENCHMARK(BM_OmissionStatistics0To200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
