#include <CLI/CLI.hpp>

#include "analysis/series_fill.h"
#include "cli/cli_context.h"
#include "cli/eval_env_args.h"
#include "common/gbk_text.h"
#include "formula/formula.h"
#include "formula/formula_check.h"
#include "history/history_contexts.h"

namespace dlt::cli {
namespace {

struct ValueOptions {
  std::string expression;
  int32_t draw = 0;  // 0: the last real draw
  bool all = false;
  EvalEnvArgs envArgs;
  EvalEnv env;
};

std::string FormulaError(const FormulaResult& r) {
  return "公式有误:" + CutText(r.error, 60);
}

}  // namespace

void RegisterValueCommands(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<ValueOptions>();
  auto* cmd = app.add_subcommand("value", "the value of an indicator key or formula at a draw");
  cmd->add_option("EXPR", o->expression, "indicator key or formula, such as \"[-1]z_hw\"")
      ->required();
  auto* draw = cmd->add_option("--draw", o->draw, "draw number QS (default: the last draw)");
  cmd->add_flag("--all", o->all, "every draw, one \"qs<TAB>value\" line each")->excludes(draw);
  AddEvalEnvOptions(*cmd, o->envArgs);
  cmd->callback([&ctx, o] {
    o->env = o->envArgs.Resolve(ctx);
    auto table = ctx.OpenTable();
    if (table->Empty()) throw CliError("历史数据为空");
    // A formula that can never be computed (or a misspelt name that would
    // read -999 for every draw) is refused before any draw is read.
    if (auto problem = CheckExpression(o->expression)) throw CliError(*problem);
    const ExpressionSource source(o->expression);
    if (o->all) {
      table->First();
      const EvalContext first = TableContext(*table, &o->env);
      for (int pos = 0; pos < table->RecordCount(); ++pos) {
        const FormulaResult r = source.At(first.At(pos));
        const int32_t qs = table->Draws()[pos].qs;
        if (!r.ok) throw CliError(FormulaError(r) + "\n出错的期号: " + std::to_string(qs));
        ctx.out << qs << "\t" << r.value << "\n";
      }
      return;
    }
    int32_t qs = o->draw;
    if (qs == 0) {
      const int last = table->LastRealIndex();
      if (last < 0) throw CliError("历史数据为空");
      qs = table->Draws()[last].qs;
    }
    if (!table->LocateDraw(qs)) throw CliError("没有第" + std::to_string(qs) + "期的开奖数据");
    const FormulaResult r = source.At(TableContext(*table, &o->env));
    if (!r.ok) throw CliError(FormulaError(r));
    ctx.out << r.value << "\n";
  });
}

}  // namespace dlt::cli
