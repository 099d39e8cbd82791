// The backtest of a whole condition set over the last 100 and the last
// 1000 draws of a 3000-draw demo history on every core: the judge's tables
// built once per stretch of draws and moved forward draw by draw, and the
// per-item naming of what a lost draw broke. Two sets: every condition
// enabled over its whole range (most draws kept, the judge alone), and the
// same with a narrow sum and two tolerant conditions (nearly every draw
// named item by item, the slow road). Targets on two cores: 100 draws
// 20 ms, 1000 draws 150 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "generator/backtest.h"
#include "generator/condition_set.h"
#include "history/draw_table.h"
#include "history/draw_text_io.h"

namespace {

using namespace dlt;

ConditionSet Everything() {
  ConditionSet set;
  for (const FrontCondition& fc : FrontConditions()) {
    if (!fc.Selectable()) continue;
    set.SetEnabled(fc.number, true);
    if (fc.IsRange())
      set.SetRangeBounds(fc.number, 0, 99);
    else
      set.SetValues(fc.number, *ValueSet::Range(fc.pickerFrom, fc.pickerTo));
  }
  return set;
}

ConditionSet EverythingNarrow() {
  ConditionSet set = Everything();
  set.SetValues(FindFrontConditionByStem("hmhz")->number, *ValueSet::Range(85, 95));
  for (const char* stem : {"jsgs", "dsgs"}) {
    const int n = FindFrontConditionByStem(stem)->number;
    set.SetValues(n, *ValueSet::Range(2, 3));
    set.SetTolerant(n, true);
  }
  set.SetTolerance({true, 0, 1});
  return set;
}

struct World {
  std::string dir;
  std::unique_ptr<DrawTable> table;
  ConditionSet sets[2] = {Everything(), EverythingNarrow()};

  World() {
    char pattern[] = "/tmp/dlt_bench_backtestXXXXXX";
    dir = mkdtemp(pattern);
    table = std::make_unique<DrawTable>(dir + "/basedata.db");
    table->ApplyImport(MakeDemoDraws(3000, 20240601), false);
  }
  ~World() { std::filesystem::remove_all(dir); }
};

World& TheWorld() {
  static World world;
  return world;
}

void BM_Backtest(benchmark::State& state) {
  World& w = TheWorld();
  const ConditionSet& set = w.sets[state.range(0)];
  const int draws = static_cast<int>(state.range(1));
  BacktestResult result;
  double cpuMs = 0;
  for (auto _ : state) {
    // The processor time of every thread: the machine may be shared.
    const std::clock_t start = std::clock();
    result = RunBacktest(*w.table, set, {}, NearRange(w.table->RecordCount(), draws));
    cpuMs += 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  }
  state.counters["cpu_ms_all_threads"] = cpuMs / static_cast<double>(state.iterations());
  int named = 0;
  for (const BacktestRow& row : result.rows) named += !row.broken.empty();
  state.counters["kept"] = result.kept;
  state.counters["named"] = named;
  state.SetLabel(state.range(0) == 0 ? "all conditions, whole ranges" : "all conditions, narrow");
}

// The yardstick: a judge set up from scratch for every draw, on one
// thread; its processor time is what the backtest cost before its tables
// moved forward.
void BM_BacktestDrawByDraw(benchmark::State& state) {
  World& w = TheWorld();
  const ConditionSet& set = w.sets[state.range(0)];
  const DrawRange range = NearRange(w.table->RecordCount(), static_cast<int>(state.range(1)));
  BacktestResult result;
  for (auto _ : state) result = RunBacktestDrawByDraw(*w.table, set, {}, range);
  state.counters["kept"] = result.kept;
  state.SetLabel("one judge per draw, one thread");
}

BENCHMARK(BM_BacktestDrawByDraw)
    ->ArgsProduct({{0, 1}, {100, 1000}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

BENCHMARK(BM_Backtest)
    ->ArgsProduct({{0, 1}, {100, 1000}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
