#include <CLI/CLI.hpp>
#include <random>

#include "cli/cli_context.h"
#include "cli/condition_args.h"
#include "cli/draw_range_args.h"
#include "cli/eval_env_args.h"
#include "common/chance_figures.h"
#include "common/gbk_text.h"
#include "formula/formula.h"
#include "generator/backtest.h"
#include "generator/batch_filter.h"
#include "generator/condition_files.h"
#include "generator/filter_run.h"
#include "generator/random_pick.h"
#include "generator/random_tickets.h"
#include "generator/result_files.h"
#include "generator/ticket_list.h"
#include "history/history_contexts.h"
#include "history/memory_history.h"

namespace dlt::cli {
namespace {

// Option values live as long as the callbacks that read them.
struct FilterOptions {
  std::string zhFile, fhFile, continueFile, outFile, saveFile;
  std::string engine = "fast";
  bool back = false;
  bool histogram = false;
  ConditionArgs conditions;
  EvalEnvArgs envArgs;
};

struct BacktestOptions {
  std::string zhFile;
  ConditionArgs conditions;
  EvalEnvArgs envArgs;
  RangeOptions range;
  bool expected = false;
};

struct PickOptions {
  std::string zhFile, outFile;
  std::string engine = "fast";
  std::string count;  // as the count edit takes it: blank means 10
  bool filtered = false;
  bool tickets = false;
  std::optional<uint64_t> seed;
  ConditionArgs conditions;
  EvalEnvArgs envArgs;
};

struct BatchOptions {
  std::vector<std::string> files;
  std::string outFile;
  std::string engine = "fast";
  EvalEnvArgs envArgs;
};

JudgeEngine EngineByName(const std::string& name) {
  if (name == "fast") return JudgeEngine::kFast;
  if (name == "reference") return JudgeEngine::kReference;
  throw CliError("--engine 应为 fast 或 reference: " + name);
}

void AddEngineOption(CLI::App& cmd, std::string& engine) {
  cmd.add_option("--engine", engine, "judge: fast (all cores) or reference (the yardstick)")
      ->capture_default_str();
}

// The draw table of the data folder, the in-memory history the candidates
// join and the settings the windows use; `test` of the table is 0 in a
// fresh process.
struct FilterBase {
  std::unique_ptr<DrawTable> table;
  MemoryHistory history;
  FilterEnvironment env;

  FilterBase(CliContext& ctx, JudgeEngine engine, const EvalEnvArgs& envArgs)
      : table(ctx.OpenTable()), env(MakeFilterEnvironment(*table, history, envArgs.Resolve(ctx))) {
    env.engine = engine;
  }
};

// The judge passes over a custom indicator whose formula fails, and stops
// at one without values; say so, since nothing else would show it.
void WarnAboutCustomIndicators(const ConditionSet& set, const FilterBase& base, CliContext& ctx) {
  if (!set.CustomIndicatorsEnabled()) return;
  const auto& entries = set.CustomIndicators();
  const int last = base.table->LastRealIndex();
  for (size_t i = 0; i < entries.size(); ++i) {
    const CustomIndicator& entry = entries[i];
    if (entry.values.Empty()) {
      if (i + 1 < entries.size())
        ctx.err << "注意: 自定义指标 " << CutText(entry.formula)
                << " 没有取值, 它后面的自定义指标不起作用\n";
      return;
    }
    if (last < 0) continue;
    EvalContext at = TableContext(*base.table, &base.env.env);
    at.pos = last;
    const FormulaResult r = EvaluateFormula(at, entry.formula);
    if (!r.ok)
      ctx.err << "注意: 自定义指标 " << CutText(entry.formula) << " 在最新一期无法计算"
              << (r.error.empty() ? "" : " (" + CutText(r.error, 60) + ")")
              << ", 无法计算时它及其后的自定义指标不起作用\n";
  }
}

void LoadFrontFile(const std::string& path, ConditionSet& set, CliContext& ctx) {
  const LoadReport report = LoadFrontSet(path, set);
  if (!report.ok) throw CliError(path + ": " + report.message);
  if (!report.message.empty()) ctx.err << path << ": " << report.message << "\n";
}

void SaveCombosOrThrow(const std::vector<Combo>& combos, const std::string& name, CliContext& ctx) {
  std::string error, saved;
  if (!SaveCombos(combos, name, &error, &saved)) throw CliError(error);
  ctx.out << "已保存到 " << saved << "\n";
}

// A refused run: its message on stderr, status 1.
void ThrowUnlessDone(const RunOutcome& out) {
  if (!out.Done()) throw CliError(out.message);
}

std::string ComboText(const Combo& c) {
  std::string line = FrontResultLine(c);
  if (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

void RunBack(const FilterOptions& o, CliContext& ctx) {
  if (!o.zhFile.empty() || !o.continueFile.empty())
    throw CliError("--back 不能与 --zh 或 --continue 一起使用");
  if (o.histogram) throw CliError("--histogram 只用于主区过滤");
  FilterBase base(ctx, EngineByName(o.engine), o.envArgs);
  ConditionSet set;
  if (!o.fhFile.empty()) {
    const LoadReport report = LoadBackSet(o.fhFile, set.Back());
    if (!report.ok) throw CliError(o.fhFile + ": " + report.message);
  }
  ApplyBackConditionArgs(o.conditions, set.Back());
  if (!o.saveFile.empty()) {
    const std::string path = WithConditionExtension(o.saveFile, ".fh");
    std::string error;
    if (!SaveBackSet(set.Back(), path, &error)) throw CliError(error);
    ctx.out << "条件已保存到 " << path << "\n";
  }
  BackList list;
  const RunOutcome out = RunBackFilter(base.env, set, list);
  ThrowUnlessDone(out);
  ctx.out << out.caption << "\n";
  if (!o.outFile.empty()) {
    std::string error, saved;
    if (!SaveBackResults(list, o.outFile, &error, &saved)) throw CliError(error);
    ctx.out << "已保存到 " << saved << "\n";
  }
  ctx.out << list.Count() << "\n";
}

void RunFront(const FilterOptions& o, CliContext& ctx) {
  if (!o.fhFile.empty()) throw CliError("--fh 只能与 --back 一起使用");
  const JudgeEngine engine = EngineByName(o.engine);
  ConditionSet set;
  if (!o.zhFile.empty()) LoadFrontFile(o.zhFile, set, ctx);
  ApplyFrontConditionArgs(o.conditions, set);
  if (!o.saveFile.empty()) {
    const std::string path = WithConditionExtension(o.saveFile, ".zh");
    std::string error;
    if (!SaveFrontSet(set, path, &error)) throw CliError(error);
    ctx.out << "条件已保存到 " << path << "\n";
  }
  ResultList list;
  if (!o.continueFile.empty()) {
    std::string error;
    if (!LoadFrontResults(list, o.continueFile, &error)) throw CliError(error);
  }
  FilterBase base(ctx, engine, o.envArgs);
  WarnAboutCustomIndicators(set, base, ctx);
  const RunOutcome out = o.continueFile.empty() ? RunFilter(base.env, set, list)
                                                : RunContinueFilter(base.env, set, list);
  ThrowUnlessDone(out);
  ctx.out << out.caption << "\n";
  if (!o.outFile.empty()) SaveCombosOrThrow(list.Combos(), o.outFile, ctx);
  // Accepted combinations by their tolerated violations, 0 first.
  if (o.histogram)
    for (size_t k = 0; k < out.violations.size(); ++k)
      ctx.out << k << '\t' << out.violations[k] << "\n";
  ctx.out << list.Count() << "\n";
}

void AddFilterCommand(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<FilterOptions>();
  auto* cmd = app.add_subcommand(
      "filter", "常规过滤: judge every combination of the pool against the conditions");
  cmd->add_option("--zh", o->zhFile, "front condition file to start from (*.zh)");
  cmd->add_option("--fh", o->fhFile, "with --back: back condition file to start from (*.fh)");
  cmd->add_option("--continue", o->continueFile,
                  "继续过滤: re-judge this result file instead of enumerating");
  cmd->add_option("--out", o->outFile, "result file to write (\".txt\" is added when missing)");
  cmd->add_option("--save", o->saveFile,
                  "save the conditions in force (*.zh, or *.fh with --back)");
  cmd->add_flag("--back", o->back, "filter the back-zone pairs (副区过滤)");
  cmd->add_flag("--histogram", o->histogram,
                "before the count: one line per number of tolerated violations and how many "
                "combinations were kept with it");
  AddEngineOption(*cmd, o->engine);
  AddConditionOptions(*cmd, o->conditions, true);
  AddEvalEnvOptions(*cmd, o->envArgs);
  cmd->callback([&ctx, o] {
    if (o->back)
      RunBack(*o, ctx);
    else
      RunFront(*o, ctx);
  });
}

void PickTickets(const PickOptions& o, int count, CliContext& ctx) {
  if (o.filtered || o.conditions.Any() || !o.zhFile.empty())
    throw CliError("--tickets 是双区机选, 不使用过滤条件");
  std::mt19937_64 rng(o.seed ? *o.seed : ClockSeed());
  std::string error;
  const auto tickets = RandomTickets(count, rng, &error);
  if (!tickets) throw CliError(error);
  for (const Ticket& t : *tickets) {
    std::string line = TicketResultLine(t);
    if (!line.empty() && line.back() == ' ') line.pop_back();
    ctx.out << line << "\n";
  }
  if (!o.outFile.empty()) {
    std::string saved;
    if (!SaveTickets(*tickets, o.outFile, &error, &saved)) throw CliError(error);
    ctx.out << "已保存到 " << saved << "\n";
  }
  ctx.out << tickets->size() << "\n";
}

void AddPickCommand(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<PickOptions>();
  auto* cmd = app.add_subcommand(
      "pick", "机选: random combinations, or random ones among those the conditions accept");
  cmd->add_option("--count", o->count, "how many (0..9999; blank or absent: 10)");
  cmd->add_flag("--filtered", o->filtered, "过滤后机选: pick among the accepted combinations");
  cmd->add_flag("--tickets", o->tickets, "random two-zone tickets (双区机选)");
  cmd->add_option("--zh", o->zhFile, "with --filtered: front condition file (*.zh)");
  cmd->add_option("--out", o->outFile, "result file to write (\".txt\" is added when missing)");
  cmd->add_option("--seed", o->seed, "random seed (default: the clock)");
  AddEngineOption(*cmd, o->engine);
  AddConditionOptions(*cmd, o->conditions, false);
  AddEvalEnvOptions(*cmd, o->envArgs);
  cmd->callback([&ctx, o] {
    std::string error;
    const int capacity = o->tickets ? kTicketListCapacity : kMaxPickCount;
    const auto count = PickCount(o->count, capacity, &error);
    if (!count) throw CliError("--count " + o->count + ": " + error);
    if (o->tickets) return PickTickets(*o, *count, ctx);
    if (!o->filtered && (o->conditions.Any() || !o->zhFile.empty()))
      throw CliError("机选组号不使用过滤条件; 要在符合条件的组合中机选, 请加 --filtered");

    ConditionSet set;
    if (!o->zhFile.empty()) LoadFrontFile(o->zhFile, set, ctx);
    ApplyFrontConditionArgs(o->conditions, set);
    FilterBase base(ctx, EngineByName(o->engine), o->envArgs);
    if (o->filtered) WarnAboutCustomIndicators(set, base, ctx);
    ResultList list;
    FilterRequest request;
    request.mode = o->filtered ? FilterMode::kFilteredRandom : FilterMode::kPureRandom;
    request.pickCount = *count;
    request.seed = o->seed;
    const RunOutcome out = RunFilter(base.env, set, list, request);
    ThrowUnlessDone(out);
    for (const FrontRecord& r : list.Items()) ctx.out << ComboText(r.numbers) << "\n";
    if (!o->outFile.empty()) SaveCombosOrThrow(list.Combos(), o->outFile, ctx);
    ctx.out << list.Count() << "\n";
  });
}

void RunBacktestCommand(const BacktestOptions& o, CliContext& ctx) {
  ConditionSet set;
  if (!o.zhFile.empty()) LoadFrontFile(o.zhFile, set, ctx);
  ApplyFrontConditionArgs(o.conditions, set);
  const std::string refused = RangeGuardMessage(set);
  if (!refused.empty()) throw CliError(refused);
  FilterBase base(ctx, JudgeEngine::kFast, o.envArgs);
  if (base.table->LastRealIndex() < 0) throw CliError("历史数据为空");
  WarnAboutCustomIndicators(set, base, ctx);
  // The last N real draws: a forecast record stored after them does not count.
  const bool near = o.range.from == 0 && o.range.to == 0;
  const DrawRange range = near ? NearRange(base.table->LastRealIndex() + 1, o.range.last)
                               : RangeOf(*base.table, o.range);
  const BacktestResult result = RunBacktest(*base.table, set, base.env.env, range, {}, o.expected);
  for (const BacktestRow& row : result.rows) {
    ctx.out << row.qs << '\t' << (row.kept ? 1 : 0);
    for (size_t k = 0; k < row.broken.size(); ++k)
      ctx.out << (k == 0 ? '\t' : ' ') << BrokenConditionName(row.broken[k]);
    ctx.out << "\n";
  }
  ctx.out << result.kept << '/' << result.rows.size();
  if (result.withShares)
    ctx.out << '\t' << ExpectedText(result.expectedKept) << '\t'
            << ProbabilityText(result.chanceOfAsMany);
  ctx.out << "\n";
}

void AddBacktestCommand(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<BacktestOptions>();
  auto* cmd = app.add_subcommand(
      "backtest", "历史回测: would the conditions have kept each of the last real draws?");
  cmd->add_option("--zh", o->zhFile, "front condition file to start from (*.zh)");
  AddRangeOptions(cmd, o->range);
  cmd->add_flag("--expected", o->expected,
                "after K/N also the draws chance alone would keep (the part of all 324632 "
                "combinations each draw's filter run keeps, summed) and the chance that fair draws "
                "are kept as often or more; one whole enumeration a draw");
  AddConditionOptions(*cmd, o->conditions, false);
  AddEvalEnvOptions(*cmd, o->envArgs);
  cmd->callback([&ctx, o] { RunBacktestCommand(*o, ctx); });
}

const char* StepNote(BatchStepKind kind) {
  switch (kind) {
    case BatchStepKind::kFiltered:
      return "常规过滤";
    case BatchStepKind::kContinued:
      return "继续过滤";
    case BatchStepKind::kMissing:
      return "文件不存在, 已跳过";
    case BatchStepKind::kUnreadable:
      return "无法载入, 已跳过";
    case BatchStepKind::kRefused:
      return "未过滤";
  }
  return "";
}

void AddBatchCommand(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<BatchOptions>();
  auto* cmd = app.add_subcommand(
      "batch", "批量过滤: the first condition file filters, each later one continues");
  cmd->add_option("FILES", o->files, "front condition files (*.zh), in order")->required();
  cmd->add_option("--out", o->outFile, "result file to write (\".txt\" is added when missing)");
  AddEngineOption(*cmd, o->engine);
  AddEvalEnvOptions(*cmd, o->envArgs);
  cmd->callback([&ctx, o] {
    FilterBase base(ctx, EngineByName(o->engine), o->envArgs);
    ConditionSet set;
    ResultList list;
    const BatchOutcome batch = RunBatchFilter(base.env, o->files, set, list);
    bool ran = false;
    for (const BatchStep& step : batch.steps) {
      std::string line = step.path + ": " + StepNote(step.kind);
      if (!step.message.empty()) line += ": " + step.message;
      if (step.kind == BatchStepKind::kUnreadable || step.kind == BatchStepKind::kRefused)
        ctx.err << line << "\n";
      else
        ctx.out << line << "\n";
      ran = ran || step.kind == BatchStepKind::kFiltered;
    }
    if (!ran) throw CliError("没有一个条件文件完成过滤, 未得到结果");
    ctx.out << batch.caption << "\n";
    if (!o->outFile.empty()) SaveCombosOrThrow(list.Combos(), o->outFile, ctx);
    ctx.out << batch.message << "\n";
    ctx.out << list.Count() << "\n";
    if (batch.HadProblems()) throw CliError("部分条件文件未能过滤, 见上");
  });
}

}  // namespace

void RegisterFilterCommands(CLI::App& app, CliContext& ctx) {
  AddFilterCommand(app, ctx);
  AddPickCommand(app, ctx);
  AddBatchCommand(app, ctx);
  AddBacktestCommand(app, ctx);
}

}  // namespace dlt::cli
