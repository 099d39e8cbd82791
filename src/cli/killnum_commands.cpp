// dlt kill and dlt search: the kill and banker analysis of a formula file,
// and the formula search, over the draw history.
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <random>

#include "cli/cli_context.h"
#include "common/numbers.h"
#include "killnum/formula_search.h"
#include "killnum/kill_analysis.h"
#include "killnum/scheme_files.h"

namespace dlt::cli {
namespace {

KillKind ParseKind(const std::string& text) {
  const auto kind = KillKindFromName(text);
  if (!kind) throw CliError("--kind 应是 front、back、front-banker 或 back-banker：" + text);
  return *kind;
}

// "LO-HI" with numbers that may carry decimals.
std::pair<double, double> ParseBounds(const std::string& text, const std::string& what) {
  const size_t dash = text.find('-', 1);
  double lo = 0, hi = 0;
  size_t usedLo = 0, usedHi = 0;
  try {
    if (dash == std::string::npos) throw std::invalid_argument(text);
    const std::string a = text.substr(0, dash), b = text.substr(dash + 1);
    lo = std::stod(a, &usedLo);
    hi = std::stod(b, &usedHi);
    if (usedLo != a.size() || usedHi != b.size()) throw std::invalid_argument(text);
  } catch (const std::exception&) {
    throw CliError(what + " 应写成 LO-HI：" + text);
  }
  return {lo, hi};
}

int IndexOfDraw(const KillHistory& h, int32_t qs) {
  const int i = h.IndexOf(qs);
  if (i < 0) throw CliError("没有第" + std::to_string(qs) + "期的开奖数据");
  return i;
}

std::string RateNumber(double rate) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", rate);
  std::string s = buf;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

struct KillOptions {
  std::string kind, formulas;
  int32_t start = 0;
  int count = 0;
};

struct SearchOptions {
  std::string kind = "front", indicator = "z_hw", range = "1-10", target = "80-100";
  int lookback = 6;
  int32_t from = 0, to = 0;
  std::optional<int> maxWrong;
  std::optional<uint64_t> seed;
  int64_t maxCandidates = 1000000;
};

void RunKill(CliContext& ctx, const KillOptions& o) {
  const KillKind kind = ParseKind(o.kind);
  std::string error;
  const auto formulas = LoadFormulaSet(o.formulas, &error);
  if (!formulas) throw CliError(error);
  const int slotCount = LayoutOf(kind).slotCount;
  const int available = std::min(static_cast<int>(formulas->size()), slotCount);
  const int count = o.count > 0 ? o.count : available;
  if (count < 1 || count > available)
    throw CliError("--count 应在1到" + std::to_string(available) + "之间");

  auto table = ctx.OpenTable();
  const KillHistory history = KillHistory::FromTable(*table, EvalEnv{});
  if (history.RealCount() == 0) throw CliError("历史数据为空");
  const int start = o.start ? IndexOfDraw(history, o.start) : history.DefaultStart();
  KillTarget target;
  target.kind = kind;
  const std::vector<std::string> used(formulas->begin(), formulas->begin() + count);
  const KillAnalysis a = AnalyseScheme(history, target, used, start);
  for (int f = 0; f < count; ++f)
    ctx.out << f + 1 << "\t" << a.successes[static_cast<size_t>(f)] << "\t"
            << RateText(a.successes[static_cast<size_t>(f)], a.judgedRows) << "\n";
  std::string list;
  for (int32_t n : RowNumbers(a, a.Prediction())) list += (list.empty() ? "" : " ") + TwoDigit(n);
  ctx.out << list << "\n";
  if (a.fault) throw CliError(a.FaultMessage());
}

void RunSearch(CliContext& ctx, const SearchOptions& o) {
  SearchSettings s;
  s.setup.kind = ParseKind(o.kind);
  s.setup.shape.indicator = o.indicator;
  s.setup.shape.lookback = o.lookback;
  const auto [lo, hi] = ParseBounds(o.range, "--range");
  if (lo != static_cast<int32_t>(lo) || hi != static_cast<int32_t>(hi))
    throw CliError("--range 应是整数：" + o.range);
  s.setup.shape.from = static_cast<int32_t>(lo);
  s.setup.shape.to = static_cast<int32_t>(hi);
  std::tie(s.targetFrom, s.targetTo) = ParseBounds(o.target, "--target");
  s.maxWrong = o.maxWrong;
  s.seed = o.seed ? *o.seed : std::random_device{}();
  if (o.maxCandidates < 1) throw CliError("--max-candidates 应大于0");
  s.maxCandidates = o.maxCandidates;

  auto table = ctx.OpenTable();
  const KillHistory history = KillHistory::FromTable(*table, EvalEnv{});
  if (history.RealCount() == 0) throw CliError("历史数据为空");
  s.setup.start = o.from ? IndexOfDraw(history, o.from) : history.DefaultStart();
  s.setup.end = o.to ? IndexOfDraw(history, o.to) : history.RealCount() - 1;

  const auto begin = std::chrono::steady_clock::now();
  const SearchResult r = SearchFormula(history, s);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  ctx.err << r.tested << " candidates, " << static_cast<int64_t>(r.tested / std::max(seconds, 1e-9))
          << " per second\n";
  if (r.outcome == SearchOutcome::Failed) throw CliError(r.error);
  if (r.outcome != SearchOutcome::Found)
    throw CliError("测试了" + std::to_string(r.tested) + "个公式，没有找到达到目标准确率的公式");
  ctx.out << r.formula << "\t" << RateNumber(r.rate) << "\n";
}

}  // namespace

void RegisterKillnumCommands(CLI::App& app, CliContext& ctx) {
  auto k = std::make_shared<KillOptions>();
  auto* kill =
      app.add_subcommand("kill", "kill or banker formulas of a file tested on the history");
  kill->add_option("--kind", k->kind, "front, back, front-banker or back-banker")->required();
  kill->add_option("--formulas", k->formulas, "formula set file, one formula per line")->required();
  kill->add_option("--start", k->start, "first draw QS (default: 100 draws before the last)");
  kill->add_option("--count", k->count, "formulas used, from the first (default: all)");
  kill->callback([&ctx, k] { RunKill(ctx, *k); });

  auto o = std::make_shared<SearchOptions>();
  auto* search = app.add_subcommand("search", "search a formula that reaches a success rate");
  search->add_option("--kind", o->kind, "front, back, front-banker or back-banker")->required();
  search->add_option("--indicator", o->indicator, "indicator key (default z_hw)");
  search->add_option("--lookback", o->lookback, "draws looked back, K (default 6)");
  search->add_option("--range", o->range, "value range LO-HI (default 1-10)");
  search->add_option("--target", o->target, "target rate P1-P2 in percent (default 80-100)");
  search->add_option("--from", o->from, "first draw tested (default: 100 draws before the last)");
  search->add_option("--to", o->to, "last draw tested (default: the last)");
  search->add_option("--max-wrong", o->maxWrong, "longest run of failures allowed");
  search->add_option("--seed", o->seed, "seed of the candidates (default: random)");
  search->add_option("--max-candidates", o->maxCandidates, "candidates tested at most (1000000)");
  search->callback([&ctx, o] { RunSearch(ctx, *o); });
}

}  // namespace dlt::cli
