// The trend window's computations over a 2,911-draw synthetic history: the
// front omission grid over the whole history, and what a page switch or a
// paging step computes (each chart page at an anchor near the end, the
// distribution board, a screen of data-table rows).
#include <benchmark/benchmark.h>

#include <vector>

#include "history/draw_text_io.h"
#include "trend/data_tables.h"
#include "trend/distribution_chart.h"
#include "trend/framed_charts.h"
#include "trend/indicator_chart.h"
#include "trend/omission_events.h"
#include "trend/omission_grid.h"

namespace {

constexpr int kDraws = 2911;

const std::vector<dlt::Draw>& History() {
  static const std::vector<dlt::Draw> h = dlt::MakeDemoDraws(kDraws, 11);
  return h;
}

const dlt::EvalEnv& Env() {
  static const dlt::EvalEnv env;
  return env;
}

dlt::TrendPage Page(int span) {
  dlt::TrendPage p;
  p.draws = History();
  p.env = &Env();
  p.anchor = kDraws - 1 - span;
  p.span = span;
  p.width = 1260;
  p.height = 560;
  return p;
}

const dlt::FixedTextMetrics kMetrics;

void BM_FrontOmissionGridWholeHistory(benchmark::State& state) {
  dlt::OmissionGridSetup setup;
  setup.first = 0;
  setup.last = kDraws - 1;
  setup.order = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(dlt::ComputeOmissionGrid(History(), setup));
}
BENCHMARK(BM_FrontOmissionGridWholeHistory)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_TailOmissionGridDefaultRange(benchmark::State& state) {
  dlt::OmissionGridSetup setup{dlt::OmissionGridKind::TailWithBack, kDraws - 100, kDraws - 1, 1, 2};
  for (auto _ : state) benchmark::DoNotOptimize(dlt::ComputeOmissionGrid(History(), setup));
}
BENCHMARK(BM_TailOmissionGridDefaultRange)->Unit(benchmark::kMillisecond);

// One page of each indicator chart at the longest period; the omission keys walk back.
void BM_IndicatorChartPage(benchmark::State& state) {
  static const char* const keys[] = {"xh51", "z_ac", "z_hz", "z_hzyl", "z_num1yl_toall", "z_ylhz"};
  const char* key = keys[state.range(0)];
  state.SetLabel(key);
  for (auto _ : state) benchmark::DoNotOptimize(dlt::ValueAmplitudeChart(Page(66), key, kMetrics));
}
BENCHMARK(BM_IndicatorChartPage)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_SpecialChartPages(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(dlt::RemainderChart(Page(66), 5, kMetrics));
    benchmark::DoNotOptimize(dlt::GapChart(Page(66), false, 0, kMetrics));
    benchmark::DoNotOptimize(
        dlt::DispersionChart(Page(66), dlt::DispersionKind::Variation, kMetrics));
  }
}
BENCHMARK(BM_SpecialChartPages)->Unit(benchmark::kMillisecond);

void BM_OmissionEventPage(benchmark::State& state) {
  for (auto _ : state) {
    const dlt::OmissionEvents e = dlt::NumberOmissionEvents(History(), 7, false);
    benchmark::DoNotOptimize(dlt::OmissionEventChart(
        e, dlt::FirstEventPage(static_cast<int>(e.events.size())), 7, 1260, 560, kMetrics));
  }
}
BENCHMARK(BM_OmissionEventPage)->Unit(benchmark::kMillisecond);

void BM_DistributionPage(benchmark::State& state) {
  for (auto _ : state) {
    const dlt::DistributionPage page = dlt::ComputeDistributionPage(History(), kDraws - 30);
    benchmark::DoNotOptimize(dlt::DistributionChart(page, 1260, 560, 0, 0));
  }
}
BENCHMARK(BM_DistributionPage)->Unit(benchmark::kMillisecond);

// The rows a screen of a data table shows (about 40), table 3 being the dearest.
void BM_DataTableScreen(benchmark::State& state) {
  const int table = static_cast<int>(state.range(0));
  for (auto _ : state)
    for (int i = kDraws - 40; i < kDraws; ++i)
      benchmark::DoNotOptimize(dlt::DataTableRow(table, History(), i, Env().coldHot));
}
BENCHMARK(BM_DataTableScreen)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
