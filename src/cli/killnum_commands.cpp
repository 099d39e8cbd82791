// dlt kill and dlt search: the kill and banker analysis of a formula file,
// and the formula search, over the draw history.
#include <CLI/CLI.hpp>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include "cli/cli_context.h"
#include "cli/draw_range_args.h"
#include "cli/option_checks.h"
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
  std::optional<int> count;  // none: every formula of the file
};

struct SearchOptions {
  std::string kind = "front", indicator = "z_hw", range = "1-10", target = "80-100";
  int lookback = 6;
  int32_t from = 0, to = 0;
  std::optional<int> maxWrong;
  std::string seed;  // empty: a random seed
  int64_t maxCandidates = 1000000;
};

// A seed is a whole number of 0..2^64-1; anything else (a sign, a larger
// number) is refused rather than wrapped.
uint64_t ParseSeed(const std::string& text) {
  uint64_t v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty())
    throw CliError("--seed 应是0到" + std::to_string(UINT64_MAX) + "之间的整数: " + text);
  return v;
}

void RunKill(CliContext& ctx, const KillOptions& o) {
  const KillKind kind = ParseKind(o.kind);
  std::string error;
  const auto formulas = LoadFormulaSet(o.formulas, &error);
  if (!formulas) throw CliError(error);
  if (formulas->empty()) throw CliError("公式集文件中没有公式: " + o.formulas);
  const int slotCount = LayoutOf(kind).slotCount;
  const int available = std::min(static_cast<int>(formulas->size()), slotCount);
  const int count = o.count.value_or(available);
  if (count < 1 || count > available)
    throw CliError("--count 应是1到" + std::to_string(available) +
                   "之间的整数: " + std::to_string(count));

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
  if (lo != std::floor(lo) || hi != std::floor(hi) || lo < 0 || hi > kMaxCandidateValue)
    throw CliError("--range 应是0到" + std::to_string(kMaxCandidateValue) +
                   "之间的整数: " + o.range);
  s.setup.shape.from = static_cast<int32_t>(lo);
  s.setup.shape.to = static_cast<int32_t>(hi);
  if (const std::string e = CheckShape(s.setup.shape); !e.empty()) throw CliError(e);
  std::tie(s.targetFrom, s.targetTo) = ParseBounds(o.target, "--target");
  if (const std::string e = TargetRateError(s.targetFrom, s.targetTo); !e.empty())
    throw CliError(e + ": " + o.target);
  s.maxWrong = o.maxWrong;
  s.seed = o.seed.empty() ? std::random_device{}() : ParseSeed(o.seed);
  s.maxCandidates = o.maxCandidates;

  auto table = ctx.OpenTable();
  const KillHistory history = KillHistory::FromTable(*table, EvalEnv{});
  if (history.RealCount() == 0) throw CliError("历史数据为空");
  const DrawSpan span =
      SpanOfIssues(history, o.from, o.to, history.DefaultStart(), history.RealCount() - 1);
  s.setup.start = span.first;
  s.setup.end = span.last;

  const auto begin = std::chrono::steady_clock::now();
  const SearchResult r = SearchFormula(history, s);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  if (r.outcome == SearchOutcome::Failed) throw CliError(r.error);
  ctx.err << r.tested << " candidates, " << static_cast<int64_t>(r.tested / std::max(seconds, 1e-9))
          << " per second\n";
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
  kill->add_option("--count", k->count, "formulas used, from the first (default: all)")
      ->check(AtLeast(1));
  kill->callback([&ctx, k] { RunKill(ctx, *k); });

  auto o = std::make_shared<SearchOptions>();
  auto* search = app.add_subcommand("search", "search a formula that reaches a success rate");
  search->add_option("--kind", o->kind, "front, back, front-banker or back-banker")->required();
  search->add_option("--indicator", o->indicator, "indicator key (default z_hw)");
  search->add_option("--range", o->range, "value range LO-HI (default 1-10)");
  search->add_option("--target", o->target, "target rate P1-P2 in percent (default 80-100)");
  search->add_option("--from", o->from, "first draw tested (default: 100 draws before the last)");
  search->add_option("--to", o->to, "last draw tested (default: the last)");
  search->add_option("--lookback", o->lookback, "draws looked back, K (default 6)")
      ->check(IntRange(0, kMaxLookback));
  search->add_option("--max-wrong", o->maxWrong, "longest run of failures allowed (0 or more)")
      ->check(AtLeast(0));
  search->add_option("--seed", o->seed, "seed of the candidates, 0..2^64-1 (default: random)");
  search->add_option("--max-candidates", o->maxCandidates, "candidates tested at most (1000000)")
      ->check(AtLeast(1));
  search->callback([&ctx, o] { RunSearch(ctx, *o); });
}

}  // namespace dlt::cli
