// The omission statistics of one expression over a 3000-draw history: the
// one-pass series against the per-draw walks, and the candidate-slot walks
// the generator does for the omission and the parameterised keys.
#include <benchmark/benchmark.h>

#include <vector>

#include "history/draw_text_io.h"
#include "indicators/coldhot.h"
#include "indicators/indicator.h"
#include "indicators/series.h"
#include "indicators/statistics.h"

namespace {

const std::vector<dlt::Draw>& History() {
  static const std::vector<dlt::Draw> h = dlt::MakeDemoDraws(3001, 5);
  return h;
}

dlt::EvalContext Context(int pos) {
  dlt::EvalContext c;
  c.source = dlt::Source::Memory;
  c.draws = History().data();
  c.count = static_cast<int>(History().size());
  c.pos = pos;
  return c;
}

int32_t Sum(const dlt::EvalContext& c) {
  int32_t s = 0;
  for (auto n : c.Current().front) s += n;
  return s;
}

void BM_SeriesOnePass(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(dlt::ComputeStatisticSeries(Context(0), Sum));
}
BENCHMARK(BM_SeriesOnePass)->Unit(benchmark::kMillisecond);

void BM_SeriesPerDrawWalks(benchmark::State& state) {
  for (auto _ : state) {
    const dlt::EvalContext base = Context(0);
    for (int i = 0; i < base.count; ++i) {
      benchmark::DoNotOptimize(dlt::ValueOmission(base.At(i), Sum));
      benchmark::DoNotOptimize(dlt::OmissionAmplitude(base.At(i), Sum));
    }
  }
}
BENCHMARK(BM_SeriesPerDrawWalks)->Unit(benchmark::kMillisecond);

void BM_FormulaSeries(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(dlt::ComputeFormulaSeries(Context(0), "z_hz%7+z_num1"));
}
BENCHMARK(BM_FormulaSeries)->Unit(benchmark::kMillisecond);

// Keys a generator condition evaluates at the candidate slot (the last draw).
void BM_CandidateKey(benchmark::State& state, const char* key) {
  const dlt::IndicatorPtr ind = dlt::ResolveIndicator(key).indicator;
  const dlt::EvalContext c = Context(3000);
  for (auto _ : state) benchmark::DoNotOptimize(ind->Value(c));
}
BENCHMARK_CAPTURE(BM_CandidateKey, z_hzyl, "z_hzyl");
BENCHMARK_CAPTURE(BM_CandidateKey, z_lwr_lmgs, "z_lwr_lmgs");
BENCHMARK_CAPTURE(BM_CandidateKey, c_ylz, "c_ylz_0_0_5");
BENCHMARK_CAPTURE(BM_CandidateKey, c_hnszhxt, "c_hnszhxt_2_10_4");
BENCHMARK_CAPTURE(BM_CandidateKey, c_2zbzh_shape, "c_2zbzh:z_num1|z_num2:10");
BENCHMARK_CAPTURE(BM_CandidateKey, c_3zbzh_more, "c_3zbzh:z_num1|z_num3|z_num5:22");

}  // namespace

BENCHMARK_MAIN();
