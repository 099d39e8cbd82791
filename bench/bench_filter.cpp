// The filter engine on four scenarios over a 3000-draw demo history: the
// reference judge and the fast judge on the same 20,000 combinations (one
// thread each), and the fast judge on the full enumeration on every core
// (judge setup, enumeration, judging and counting included). A summary
// table with the result counts, times and ratios follows the run. Times
// are the best of their runs: wall-clock, and for the full enumeration also
// the processor time of all threads (the machine may be shared).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "generator/combination.h"
#include "generator/condition_set.h"
#include "generator/front_judge.h"
#include "generator/judge_runs.h"
#include "history/draw_text_io.h"
#include "history/memory_history.h"

namespace {

using namespace dlt;

constexpr int kSampleSize = 20000;

struct Scenario {
  const char* name;
  double targetMs;  // full enumeration with the fast judge
  ConditionSet set;
};

ValueSet Range(int from, int to) {
  return *ValueSet::Range(from, to);
}

void Enable(ConditionSet& set, const char* stem, int from, int to, bool tolerant = false) {
  const FrontCondition* fc = FindFrontConditionByStem(stem);
  set.SetEnabled(fc->number, true);
  set.SetValues(fc->number, Range(from, to));
  if (tolerant) set.SetTolerant(fc->number, true);
}

std::vector<Scenario> MakeScenarios() {
  std::vector<Scenario> s;

  Scenario bare{"S1 bare", 20, {}};
  bare.set.Switches().notEqualDist = false;
  bare.set.Switches().specNext = false;
  s.push_back(std::move(bare));

  Scenario typical{"S2 typical", 30, {}};
  Enable(typical.set, "hmhz", 70, 125);
  Enable(typical.set, "jsgs", 1, 4);
  Enable(typical.set, "dsgs", 1, 4);
  Enable(typical.set, "ac", 4, 6);
  Enable(typical.set, "contzs", 0, 2);
  Enable(typical.set, "repeatgs", 0, 2);
  Enable(typical.set, "coldgs", 0, 3);
  Enable(typical.set, "yqgs", 1, 3);
  Enable(typical.set, "hzyl", 0, 30, true);
  Enable(typical.set, "red1yl", 0, 20, true);
  typical.set.SetTolerance({true, 0, 1});
  s.push_back(std::move(typical));

  Scenario everything{"S3 everything", 300, {}};
  for (const FrontCondition& fc : FrontConditions()) {
    if (!fc.Selectable()) continue;
    everything.set.SetEnabled(fc.number, true);
    if (fc.IsRange())
      everything.set.SetRangeBounds(fc.number, 0, 99);
    else
      everything.set.SetValues(fc.number, Range(fc.pickerFrom, fc.pickerTo));
  }
  s.push_back(std::move(everything));

  Scenario formulas{"S4 formulas", 500, {}};
  for (const char* f : {"getylz(z_hz)", "getzf(z_hw)", "getylzzf(z_ac)", "[-1]z_hz+z_num1",
                        "(z_hz+z_num1)%10", "max(z_num1,z_num2)", "mid(z_num1,z_num3,z_num5)",
                        "getylz(z_jsgs)", "c_fq_0_4_1", "getzb(c_2zbzh:z_num1|z_num2:0)"})
    formulas.set.AddCustomIndicator({f, Range(0, 1000), false});
  s.push_back(std::move(formulas));
  return s;
}

struct World {
  MemoryHistory history;
  HistoryComboSet past;
  std::vector<Scenario> scenarios = MakeScenarios();
  std::vector<Combo> sample;

  World() {
    std::vector<Draw> draws = MakeDemoDraws(3000, 20240601);
    for (const Draw& d : draws) past.Add(d.front);
    history.Assign(std::move(draws));
    std::vector<int> all(35);
    for (int n = 0; n < 35; ++n) all[n] = n + 1;
    const std::vector<Combo> combos = EnumerateCombos(all, {});
    std::vector<size_t> index(combos.size());
    for (size_t i = 0; i < index.size(); ++i) index[i] = i;
    std::mt19937 rng(7);
    std::shuffle(index.begin(), index.end(), rng);
    index.resize(kSampleSize);
    std::sort(index.begin(), index.end());
    for (size_t i : index) sample.push_back(combos[i]);
  }

  JudgeSetup Setup(int scenario) const {
    JudgeSetup s;
    s.set = &scenarios[scenario].set;
    s.history = &history;
    s.pastCombos = &past;
    return s;
  }
};

const World& TheWorld() {
  static const World world;
  return world;
}

// Best time of each measurement, and the counts, for the summary.
struct Row {
  double referenceMs = 0, fastSampleMs = 0, fullMs = 0, fullCpuMs = 0;
  double judgeAllMs = 0, judgeAllCpuMs = 0;
  int referenceAccepted = -1, fastSampleAccepted = -1, fullAccepted = -1, judgeAllAccepted = -1;
};
std::map<int, Row>& Rows() {
  static std::map<int, Row> rows;
  return rows;
}

double Best(double old, double now) {
  return old == 0 || now < old ? now : old;
}

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void JudgeSample(benchmark::State& state, bool fast) {
  const World& w = TheWorld();
  const int scenario = static_cast<int>(state.range(0));
  const auto judge =
      fast ? MakeFastJudge(w.Setup(scenario)) : MakeReferenceJudge(w.Setup(scenario));
  Row& row = Rows()[scenario];
  int accepted = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    accepted = 0;
    for (const Combo& c : w.sample) accepted += judge->Judge(c).accepted;
    const double ms = MsSince(start);
    if (fast)
      row.fastSampleMs = Best(row.fastSampleMs, ms);
    else
      row.referenceMs = Best(row.referenceMs, ms);
  }
  (fast ? row.fastSampleAccepted : row.referenceAccepted) = accepted;
  state.counters["accepted"] = accepted;
  state.SetLabel(w.scenarios[scenario].name);
}

void BM_ReferenceSample(benchmark::State& state) {
  JudgeSample(state, false);
}
void BM_FastSample(benchmark::State& state) {
  JudgeSample(state, true);
}

double CpuMsSince(std::clock_t start) {
  return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// The whole filter: judge setup, enumeration in the generator's order and
// judging on every core, accepted combinations in order.
void BM_FastFullEnumeration(benchmark::State& state) {
  const World& w = TheWorld();
  const int scenario = static_cast<int>(state.range(0));
  const ConditionSet& set = w.scenarios[scenario].set;
  Row& row = Rows()[scenario];
  int accepted = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    const auto judge = MakeFastJudge(w.Setup(scenario));
    const EnumerationVerdicts result =
        JudgeEnumeration(*judge, set.PoolNumbers(), set.BankerNumbers());
    accepted = static_cast<int>(result.accepted.size());
    row.fullMs = Best(row.fullMs, MsSince(start));
    row.fullCpuMs = Best(row.fullCpuMs, CpuMsSince(cpuStart));
  }
  row.fullAccepted = accepted;
  state.counters["results"] = accepted;
  state.SetLabel(w.scenarios[scenario].name);
}

// The same through the list: EnumerateCombos, then JudgeAll over it.
void BM_FastEnumerateThenJudgeAll(benchmark::State& state) {
  const World& w = TheWorld();
  const int scenario = static_cast<int>(state.range(0));
  const ConditionSet& set = w.scenarios[scenario].set;
  Row& row = Rows()[scenario];
  int accepted = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    const auto judge = MakeFastJudge(w.Setup(scenario));
    const std::vector<Combo> combos = EnumerateCombos(set.PoolNumbers(), set.BankerNumbers());
    const std::vector<Verdict> verdicts = JudgeAll(*judge, combos, false);
    accepted = static_cast<int>(std::count_if(verdicts.begin(), verdicts.end(),
                                              [](const Verdict& v) { return v.accepted; }));
    row.judgeAllMs = Best(row.judgeAllMs, MsSince(start));
    row.judgeAllCpuMs = Best(row.judgeAllCpuMs, CpuMsSince(cpuStart));
  }
  row.judgeAllAccepted = accepted;
  state.counters["results"] = accepted;
  state.SetLabel(w.scenarios[scenario].name);
}

BENCHMARK(BM_ReferenceSample)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FastSample)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(0.3);
BENCHMARK(BM_FastFullEnumeration)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FastEnumerateThenJudgeAll)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void PrintSummary() {
  const World& w = TheWorld();
  std::printf("\nBest times; \"full\" = judge setup + enumeration + judging on every core.\n");
  std::printf("%-14s %8s %11s %9s %6s %19s %19s %7s  %s\n", "scenario", "results", "ref 20k",
              "fast 20k", "ratio", "full wall / cpu", "list+JudgeAll", "target", "agree");
  for (const auto& [scenario, r] : Rows()) {
    const double ratio = r.fastSampleMs > 0 ? r.referenceMs / r.fastSampleMs : 0;
    const bool agree = r.referenceAccepted == r.fastSampleAccepted &&
                       (r.judgeAllAccepted < 0 || r.judgeAllAccepted == r.fullAccepted);
    std::printf(
        "%-14s %8d %8.1f ms %6.2f ms %5.0fx %7.1f / %6.1f ms %7.1f / %6.1f ms %4.0f ms  %s\n",
        w.scenarios[scenario].name, r.fullAccepted, r.referenceMs, r.fastSampleMs, ratio, r.fullMs,
        r.fullCpuMs, r.judgeAllMs, r.judgeAllCpuMs, w.scenarios[scenario].targetMs,
        agree ? "yes" : "NO");
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintSummary();
  return 0;
}
