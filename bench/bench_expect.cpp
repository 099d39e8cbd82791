// The exact distribution of a key or formula at the next draw over a
// 3000-draw demo history, on every core: catalogue keys of several kernels,
// formulas over earlier draws, and the back zone's 66 pairs. Setup (the
// candidate tables, the formula's history tables) is part of each run.
// Targets on two cores: a catalogue key 20 ms, a formula over earlier
// draws 100 ms. Besides the wall time, the processor time of all threads
// (the machine may be shared).
#include <benchmark/benchmark.h>

#include <ctime>

#include "generator/next_draw_distribution.h"
#include "history/draw_text_io.h"
#include "history/memory_history.h"

namespace {

using namespace dlt;

struct Case {
  const char* text;
  DrawZone zone;
};
constexpr Case kCases[] = {
    {"z_hz", DrawZone::Front},
    {"z_ac", DrawZone::Front},
    {"z_hzyl", DrawZone::Front},
    {"z_cmgs", DrawZone::Front},
    {"getylz(z_hz)", DrawZone::Front},
    {"[-1]z_hz+z_num1", DrawZone::Front},
    {"getzf(z_hw)+[-2]z_ac", DrawZone::Front},
    {"f_hz", DrawZone::Back},
};

const MemoryHistory& History() {
  static const MemoryHistory history = [] {
    MemoryHistory h;
    h.Assign(MakeDemoDraws(3000, 20240601));
    return h;
  }();
  return history;
}

void BM_NextDrawDistribution(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  DistributionQuery query;
  query.history = &History();
  query.text = c.text;
  query.zone = c.zone;
  double cpuMs = 0;
  size_t values = 0;
  for (auto _ : state) {
    const std::clock_t start = std::clock();
    const DistributionOutcome out = NextDrawDistribution(query);
    cpuMs += 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    values = out.distribution.counts.size();
    if (!out.ok()) state.SkipWithError(out.error.c_str());
  }
  state.counters["cpu_ms_all_threads"] = cpuMs / static_cast<double>(state.iterations());
  state.counters["values"] = static_cast<double>(values);
  state.SetLabel(c.text);
}

BENCHMARK(BM_NextDrawDistribution)
    ->DenseRange(0, static_cast<int>(std::size(kCases)) - 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
