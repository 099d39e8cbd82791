#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "cli/http_fetch.h"
#include "common/draw.h"
#include "common/numbers.h"
#include "history/draw_text_io.h"
#include "history/import_plan.h"
#include "history/notice_page.h"
#include "history/prize_amounts.h"
#include "history/results_sync.h"
#include "history/settings_file.h"

namespace dlt::cli {
namespace {

// Option values live as long as the callbacks that read them.
struct HistoryOptions {
  std::string importFile;
  bool overwrite = false;
  bool dryRun = false;
  std::string exportFile;
  std::vector<std::string> addFields;  // text: "08" is decimal, not octal
  std::string deleteQs;
  int last = 0;
  int demoCount = 2000;
  uint32_t demoSeed = 1;
  std::string syncUrl;
  int syncPages = 0;
  std::string prizesQs;
};

// A prize figure as the service gives it, "---" where it gave none.
std::string Figure(const std::optional<int64_t>& v, bool fen) {
  if (!v) return "---";
  return fen ? FormatFen(*v) : std::to_string(*v);
}

void RegisterSyncCommands(CLI::App* history, CliContext& ctx,
                          const std::shared_ptr<HistoryOptions>& o) {
  auto* sync =
      history->add_subcommand("sync", "add the new draws of the operator's history service");
  sync->add_option("--url", o->syncUrl, "address of the service (default: the setting syncurl)");
  sync->add_option("--pages", o->syncPages, "read at most N pages of 100 draws")
      ->check(CLI::Range(1, 100000));
  sync->callback([&ctx, o] {
    const std::string url = o->syncUrl.empty() ? ReadSyncUrl(ctx.SettingsPath()) : o->syncUrl;
    if (!IsSafeWebAddress(url))
      throw CliError("服务地址必须是以http://或https://开头的网址: " + url);
    auto table = ctx.OpenTable();
    SyncWatch watch;
    watch.progress = [&ctx](int read, int inAll) {
      ctx.err << "已读取第" << read << "/" << inAll << "页\n";
    };
    const SyncPlan plan = PlanSync(
        table->Draws(), [](const std::string& page) { return HttpGet(page); }, {url, o->syncPages},
        watch);
    if (!plan.ok()) throw CliError(plan.error + ", 历史数据未改变");
    SyncResult r;
    try {
      r = ApplySync(*table, plan);
    } catch (const DbError& e) {
      throw CliError(std::string("同步失败, 历史数据未改变: ") + e.what());
    }
    for (const std::string& line : SyncReportLines(r)) ctx.out << line << "\n";
  });

  auto* prizes = history->add_subcommand("prizes", "print the prize tiers stored with a draw");
  prizes->add_option("QS", o->prizesQs, "draw number")->required();
  prizes->callback([&ctx, o] {
    std::string error;
    const auto qs = ParseDrawField(o->prizesQs, 0, &error);
    if (!qs) throw CliError(error);
    auto table = ctx.OpenTable();
    const auto stored =
        *qs <= kLastRealQs ? PrizeAmounts(*table).Read(static_cast<int32_t>(*qs)) : std::nullopt;
    if (!stored) throw CliError("第" + o->prizesQs + "期没有奖金数据(dlt history sync 可同步)");
    for (const PrizeTier& t : stored->tiers)
      ctx.out << t.name << "\t" << Figure(t.winners, false) << "\t" << Figure(t.amountFen, true)
              << "\n";
  });
}

}  // namespace

void RegisterHistoryCommands(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<HistoryOptions>();
  auto* history = app.add_subcommand("history", "keep the draw history");
  history->require_subcommand(1);

  auto* import = history->add_subcommand("import", "import draws from a text or CSV file");
  import->add_option("FILE", o->importFile, "file to import")->required();
  import->add_flag("--overwrite", o->overwrite, "replace the whole history by the file");
  import->add_flag("--dry-run", o->dryRun,
                   "show the layout found and what the import would do; store nothing");
  import->callback([&ctx, o] {
    // Every line is checked first: a bad file, or one without a draw,
    // changes nothing.
    ParsedDraws parsed = ReadDrawFile(o->importFile);
    if (!parsed.ok()) throw CliError(parsed.error + ", 历史数据未改变");
    auto table = ctx.OpenTableForRepair();
    const ImportPlan plan = PlanImport(parsed, table->Draws(), o->overwrite);
    if (o->dryRun) {
      for (const std::string& line : PreviewLines(plan)) ctx.out << line << "\n";
      ctx.out << "试运行, 历史数据未改变\n";
      return;
    }
    int added = 0;
    try {
      added = table->ApplyImport(parsed.draws, o->overwrite);
    } catch (const DbError& e) {
      throw CliError(std::string("导入失败, 历史数据未改变: ") + e.what());
    }
    ctx.out << "导入" << added << "期, 共" << table->RecordCount() << "期\n";
    for (const std::string& line : LayoutNotes(parsed.layout)) ctx.out << line << "\n";
    if (!o->overwrite)
      for (const std::string& line : ConflictLines(plan)) ctx.out << line << "\n";
  });

  auto* exportCmd = history->add_subcommand("export", "export the history as a text file");
  exportCmd->add_option("FILE", o->exportFile, "file to write (\".txt\" is added when missing)")
      ->required();
  exportCmd->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    std::string error;
    if (!ExportDraws(table->Draws(), o->exportFile, &error)) throw CliError(error);
  });

  auto* add = history->add_subcommand("add", "add one draw");
  add->add_option("FIELDS", o->addFields, "QS N1 N2 N3 N4 N5 B1 B2")->required()->expected(8);
  add->callback([&ctx, o] {
    std::string error;
    std::array<int64_t, 8> v{};
    for (int i = 0; i < 8; ++i) {
      const auto n = ParseDrawField(o->addFields[i], i, &error);
      if (!n) throw CliError(error);
      v[i] = *n;
    }
    auto d = ValidateDraw(v[0], {v[1], v[2], v[3], v[4], v[5]}, {v[6], v[7]}, &error);
    if (!d) throw CliError(error);
    // Adding a draw whose stored row is bad replaces that row.
    auto table = ctx.OpenTableForRepair();
    if (!table->AppendDraw(*d, &error)) throw CliError(error);
  });

  auto* remove = history->add_subcommand("delete", "delete a draw (or a bad row) by its number");
  remove->add_option("QS", o->deleteQs, "draw number")->required();
  remove->callback([&ctx, o] {
    std::string error;
    const std::string& text = o->deleteQs;
    // A bad row may carry any number, a negative one too.
    const bool negative = text.size() > 1 && text.front() == '-';
    const auto qs = ParseDrawField(negative ? text.substr(1) : text, 0, &error);
    if (!qs) throw CliError(error);
    auto table = ctx.OpenTableForRepair();
    if (!table->DeleteDraw(negative ? -*qs : *qs)) throw CliError("没有第" + text + "期的记录");
    ctx.out << "已删除第" << text << "期\n";
  });

  auto* list = history->add_subcommand("list", "print the draws, one per line");
  list->add_option("--last", o->last, "only the last N draws");
  list->callback([&ctx, o] {
    auto table = ctx.OpenTableForRepair();
    const auto& draws = table->Draws();
    const size_t from = (o->last > 0 && static_cast<size_t>(o->last) < draws.size())
                            ? draws.size() - static_cast<size_t>(o->last)
                            : 0;
    for (size_t i = from; i < draws.size(); ++i) ctx.out << DrawText(draws[i]) << "\n";
  });

  auto* demo = history->add_subcommand("demo", "fill an empty history with synthetic draws");
  demo->add_option("--draws", o->demoCount, "number of draws")->check(CLI::Range(1, 100000));
  demo->add_option("--seed", o->demoSeed, "random seed");
  demo->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    if (table->RecordCount() > 0) throw CliError("历史数据不为空, 不能生成演示数据");
    table->ApplyImport(MakeDemoDraws(o->demoCount, o->demoSeed), false);
    ctx.out << "已生成" << o->demoCount << "期演示数据(随机合成, 并非真实开奖)\n";
  });

  RegisterSyncCommands(history, ctx, o);

  auto* repeats = history->add_subcommand("repeats", "draws whose front numbers repeat another");
  repeats->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    const auto rows = table->RepeatedFrontDraws();
    if (rows.empty()) ctx.out << "历史数据中尚未发现完全重复的记录\n";
    for (const auto& d : rows) {
      std::string s = std::to_string(d.qs);
      for (auto n : d.front) s += " " + TwoDigit(n);
      ctx.out << s << "\n";
    }
  });
}

}  // namespace dlt::cli
