// The formula interpreter against the compiled form on one formula set over
// a 3000-draw history, per evaluation.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "history/draw_text_io.h"

namespace {

const std::vector<std::string> kFormulas = {
    "(z_hz+z_num1)%10",
    "max(z_num1,z_num2)",
    "[-1]z_hz+z_num1",
    "mid(z_num1,z_num3,z_num5)",
    "z_hz%3*10+z_jsgs",
    "abs(z_num5-[-1]z_num5)",
    "((z_num1+z_num2)*(z_num3+z_num4))%35+1",
    "min([-1]z_num1,[-2]z_num1,[-3]z_num1)",
};
const std::vector<std::string> kHistoryFormulas = {"getylz(z_num1)", "getzf(z_hz%10)"};

struct History {
  std::vector<dlt::Draw> draws = dlt::MakeDemoDraws(3000, 7);
  std::vector<int32_t> testColumn = std::vector<int32_t>(3000, 0);
  dlt::EvalContext At(int pos) const {
    dlt::EvalContext c;
    c.source = dlt::Source::Table;
    c.draws = draws.data();
    c.count = static_cast<int>(draws.size());
    c.pos = pos;
    c.testColumn = testColumn.data();
    return c;
  }
};

const History& TheHistory() {
  static const History h;
  return h;
}

void SetPerEvaluation(benchmark::State& state, int64_t perIteration) {
  state.SetItemsProcessed(state.iterations() * perIteration);
  // Seconds per evaluation (printed with an SI prefix, "n" for nanoseconds).
  state.counters["per_eval"] =
      benchmark::Counter(static_cast<double>(state.iterations() * perIteration),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void RunInterpreter(benchmark::State& state, const std::vector<std::string>& formulas, int step) {
  const History& h = TheHistory();
  // One context moved along the history, as the filter and the charts do.
  dlt::EvalContext ctx = h.At(0);
  int64_t evaluations = 0;
  for (auto _ : state) {
    int64_t total = 0;
    evaluations = 0;
    for (const std::string& f : formulas)
      for (ctx.pos = 0; ctx.pos < 3000; ctx.pos += step, ++evaluations)
        total += dlt::EvaluateFormula(ctx, f).value;
    benchmark::DoNotOptimize(total);
  }
  SetPerEvaluation(state, evaluations);
}

void RunCompiled(benchmark::State& state, const std::vector<std::string>& formulas, int step) {
  const History& h = TheHistory();
  std::vector<std::shared_ptr<const dlt::CompiledFormula>> compiled;
  for (const std::string& f : formulas) compiled.push_back(dlt::CompiledFormula::Compile(f));
  dlt::EvalContext ctx = h.At(0);
  int64_t evaluations = 0;
  for (auto _ : state) {
    int64_t total = 0;
    evaluations = 0;
    for (const auto& c : compiled)
      for (ctx.pos = 0; ctx.pos < 3000; ctx.pos += step, ++evaluations)
        total += c->Evaluate(ctx).value;
    benchmark::DoNotOptimize(total);
  }
  SetPerEvaluation(state, evaluations);
}

void BM_FormulaInterpreter(benchmark::State& state) {
  RunInterpreter(state, kFormulas, 1);
}
void BM_FormulaCompiled(benchmark::State& state) {
  RunCompiled(state, kFormulas, 1);
}
void BM_HistoryFunctionInterpreter(benchmark::State& state) {
  RunInterpreter(state, kHistoryFormulas, 10);
}
void BM_HistoryFunctionCompiled(benchmark::State& state) {
  RunCompiled(state, kHistoryFormulas, 10);
}
void BM_OneInterpreter(benchmark::State& state) {
  RunInterpreter(state, {kFormulas[static_cast<size_t>(state.range(0))]}, 1);
}
void BM_OneCompiled(benchmark::State& state) {
  RunCompiled(state, {kFormulas[static_cast<size_t>(state.range(0))]}, 1);
}
BENCHMARK(BM_OneInterpreter)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneCompiled)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
// Repeated, and the best run of each kept: on a busy machine the best run
// is the one least disturbed by other work.
BENCHMARK(BM_FormulaInterpreter)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(BM_FormulaCompiled)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(BM_HistoryFunctionInterpreter)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(BM_HistoryFunctionCompiled)->Unit(benchmark::kMillisecond)->Repetitions(10);

// Prints how many times faster the compiled form is, per pair.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration) continue;
      const auto it = r.counters.find("per_eval");
      if (it == r.counters.end()) continue;
      const std::string name = r.run_name.function_name;
      if (!perEval_.count(name) || it->second.value < perEval_[name])
        perEval_[name] = it->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    Ratio("BM_FormulaInterpreter", "BM_FormulaCompiled", "formula set");
    Ratio("BM_HistoryFunctionInterpreter", "BM_HistoryFunctionCompiled", "history functions");
  }

 private:
  void Ratio(const std::string& slow, const std::string& fast, const char* what) {
    if (!perEval_.count(slow) || !perEval_.count(fast) || perEval_[fast] <= 0) return;
    std::printf(
        "%s: interpreter %.1f ns, compiled %.1f ns per evaluation (best runs): %.1f times faster\n",
        what, perEval_[slow] * 1e9, perEval_[fast] * 1e9, perEval_[slow] / perEval_[fast]);
  }
  std::map<std::string, double> perEval_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
