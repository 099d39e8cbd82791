// The kill analysis of a full front scheme and the formula search, on a
// synthetic history of 2,911 draws.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "history/draw_text_io.h"
#include "killnum/formula_search.h"
#include "killnum/kill_analysis.h"

namespace {

const dlt::KillHistory& TheHistory() {
  static const dlt::KillHistory h(dlt::MakeDemoDraws(2911, 17), {}, dlt::EvalEnv{});
  return h;
}

// 60 formulas of the kinds users write: offsets, sums, functions.
std::vector<std::string> SixtyFormulas() {
  const char* templates[] = {"[-1]z_hw+%d",
                             "(z_hz+[-1]z_num1+%d)%35+1",
                             "([-2]z_num3*%d)%35+1",
                             "abs(z_num5-[-1]z_num1)+%d",
                             "(max([-1]z_num1,[-2]z_num2)+%d)%35+1",
                             "((z_num1+z_num2)*(z_num3+%d))%35+1"};
  std::vector<std::string> out;
  for (int i = 0; i < 60; ++i) {
    char buf[96];
    std::snprintf(buf, sizeof buf, templates[i % 6], i / 6 + 1);
    out.push_back(buf);
  }
  return out;
}

void BM_KillAnalysis60Formulas101Rows(benchmark::State& state) {
  const dlt::KillHistory& h = TheHistory();
  const std::vector<std::string> formulas = SixtyFormulas();
  for (auto _ : state) {
    const dlt::KillAnalysis a = dlt::AnalyseScheme(h, {}, formulas, h.DefaultStart());
    benchmark::DoNotOptimize(a.successes.data());
  }
}
BENCHMARK(BM_KillAnalysis60Formulas101Rows)->Unit(benchmark::kMillisecond);

// K = 6 over 100 draws with a target nothing reaches: every candidate is tested.
void BM_SearchCandidates(benchmark::State& state) {
  const dlt::KillHistory& h = TheHistory();
  dlt::SearchSettings s;
  s.setup.shape = {"z_hw", 6, 1, 10};
  s.setup.start = h.DefaultStart();
  s.setup.end = h.RealCount() - 1;
  s.targetFrom = 101;
  s.targetTo = 102;
  s.seed = 1;
  s.maxCandidates = 400000;
  s.threads = static_cast<int>(state.range(0));
  int64_t tested = 0;
  for (auto _ : state) {
    const dlt::SearchResult r = dlt::SearchFormula(h, s);
    tested += r.tested;
  }
  state.counters["candidates_per_s"] =
      benchmark::Counter(static_cast<double>(tested), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchCandidates)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
