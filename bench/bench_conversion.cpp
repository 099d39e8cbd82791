// The conversion pages over a 2,911-draw synthetic history: the conversion
// table of 200 conversions over the whole history ("转换表"), and the kill
// computation over the last 100 draws with conversions 1..200 ("刷新" of
// "转换法杀号", its table included). Also the matrix page at its largest.
#include <benchmark/benchmark.h>

#include <vector>

#include "history/draw_text_io.h"
#include "trend/conversion_kills.h"
#include "trend/key_series.h"
#include "trend/number_matrix.h"

namespace {

constexpr int kDraws = 2911;

const std::vector<dlt::Draw>& History() {
  static const std::vector<dlt::Draw> h = dlt::MakeDemoDraws(kDraws, 11);
  return h;
}

const dlt::EvalEnv kEnv;

void BM_ConversionTableWholeHistory(benchmark::State& state) {
  static const char* const keys[] = {"z_num1", "xc51", "z_lwr_lmgs"};
  const char* key = keys[state.range(0)];
  state.SetLabel(key);
  for (auto _ : state) {
    auto values = dlt::KeySeries(History(), kEnv, key, 0, kDraws);
    benchmark::DoNotOptimize(dlt::ConversionTable::Build(std::move(*values)));
  }
}
BENCHMARK(BM_ConversionTableWholeHistory)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_KillsLastHundredDraws(benchmark::State& state) {
  for (auto _ : state) {
    auto values = dlt::KeySeries(History(), kEnv, "z_num1", kDraws - 100, 100);
    const auto table = dlt::ConversionTable::Build(std::move(*values));
    benchmark::DoNotOptimize(dlt::ComputeKills(table, 1, 200));
  }
}
BENCHMARK(BM_KillsLastHundredDraws)->Unit(benchmark::kMillisecond);

// The whole history as the analysis range: the longest a "刷新" can take.
void BM_KillsWholeHistory(benchmark::State& state) {
  for (auto _ : state) {
    auto values = dlt::KeySeries(History(), kEnv, "z_num1", 0, kDraws);
    const auto table = dlt::ConversionTable::Build(std::move(*values));
    benchmark::DoNotOptimize(dlt::ComputeKills(table, 1, 200));
  }
}
BENCHMARK(BM_KillsWholeHistory)->Unit(benchmark::kMillisecond);

void BM_MatrixPageOfFiftyMatrices(benchmark::State& state) {
  const dlt::FixedTextMetrics metrics;
  dlt::MatrixPictureSetup setup;
  setup.count = 50;
  setup.perRow = 10;
  for (auto _ : state)
    benchmark::DoNotOptimize(dlt::MatrixChart(History(), kDraws - 60, setup, 1300, 560, metrics));
}
BENCHMARK(BM_MatrixPageOfFiftyMatrices)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
