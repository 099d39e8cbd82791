#include <CLI/CLI.hpp>
#include <random>

#include "cli/cli_context.h"
#include "generator/prizes.h"
#include "generator/random_tickets.h"
#include "generator/result_files.h"
#include "generator/ticket_list.h"
#include "generator/ticket_matching.h"

namespace dlt::cli {
namespace {

// Option values live as long as the callbacks that read them.
struct MatchOptions {
  std::string frontFile, backFile, style = "order", outFile;
  std::optional<uint64_t> seed;
};

struct PrizeOptions {
  std::string ticketFile, outFile;
  std::string draw;
  std::vector<std::string> numbers;
};

struct RandomOptions {
  std::string count = "10";
  std::string outFile;
  std::optional<uint64_t> seed;
};

std::mt19937_64 MakeRng(const std::optional<uint64_t>& seed) {
  return std::mt19937_64(seed ? *seed : ClockSeed());
}

void SaveOrThrow(const std::vector<Ticket>& tickets, const std::string& name, bool graded,
                 CliContext& ctx) {
  std::string error, saved;
  const bool ok = graded ? SaveGradedTickets(tickets, name, &error, &saved)
                         : SaveTickets(tickets, name, &error, &saved);
  if (!ok) throw CliError(error);
  ctx.out << "已保存到 " << saved << "\n";
}

void AddMatchCommand(CLI::App& parent, const std::string& name, CliContext& ctx) {
  auto o = std::make_shared<MatchOptions>();
  auto* cmd = parent.add_subcommand(
      name, "join a front result file and a back result file into tickets (双区匹配)");
  cmd->add_option("FRONT", o->frontFile, "front result file (five numbers a line)")->required();
  cmd->add_option("BACK", o->backFile, "back result file (two numbers a line)")->required();
  cmd->add_option("--style", o->style, "order (顺序匹配), random (随机匹配) or full (全组合匹配)")
      ->capture_default_str();
  cmd->add_option("--out", o->outFile, "ticket file to write (\".txt\" is added when missing)")
      ->required();
  cmd->add_option("--seed", o->seed, "seed of the random style (default: the clock)");
  cmd->callback([&ctx, o] {
    const auto style = MatchStyleByName(o->style);
    if (!style) throw CliError("未知的匹配方式: " + o->style + " (order, random, full)");
    std::string error;
    const auto front = ReadFrontResults(o->frontFile, &error);
    if (!front) throw CliError(error);
    const auto back = ReadBackResults(o->backFile, &error);
    if (!back) throw CliError(error);
    auto rng = MakeRng(o->seed);
    const auto tickets = MatchTickets(*front, *back, *style, rng, &error);
    if (!tickets) throw CliError(error);
    SaveOrThrow(*tickets, o->outFile, false, ctx);
    ctx.out << "已得到双区组合数有" << tickets->size() << "个\n";
  });
}

// The draw to grade against: a draw of the history by its number, or seven
// numbers typed in.
Draw PrizeDraw(const PrizeOptions& o, CliContext& ctx) {
  if (o.draw.empty() == o.numbers.empty())
    throw CliError("请用 --draw 给出期数, 或用 --numbers 给出七个号码 (二者选一)");
  std::string error;
  if (!o.numbers.empty()) {
    std::array<std::string, 7> texts;
    std::copy(o.numbers.begin(), o.numbers.end(), texts.begin());
    auto d = ParsePrizeDraw(texts, &error);
    if (!d) throw CliError(error);
    return *d;
  }
  auto table = ctx.OpenTable();
  // Read in decimal: a leading zero must not make the number octal.
  const bool digits =
      o.draw.size() <= 9 && o.draw.find_first_not_of("0123456789") == std::string::npos;
  const int index = digits ? table->IndexOf(static_cast<int32_t>(std::stol(o.draw))) : -1;
  if (index < 0) throw CliError("历史数据中没有第" + o.draw + "期");
  return table->Draws()[static_cast<size_t>(index)];
}

void AddPrizeCommand(CLI::App& parent, const std::string& name, CliContext& ctx) {
  auto o = std::make_shared<PrizeOptions>();
  auto* cmd = parent.add_subcommand(name, "grade a ticket file against a draw (对奖)");
  cmd->add_option("TICKETS", o->ticketFile, "ticket file (seven numbers a line)")->required();
  cmd->add_option("--draw", o->draw, "draw number of the history, such as 2009001");
  cmd->add_option("--numbers", o->numbers, "the draw typed in: N1 N2 N3 N4 N5 B1 B2")->expected(7);
  cmd->add_option("--out", o->outFile,
                  "write the tickets sorted by prize, each followed by its prize text");
  cmd->callback([&ctx, o] {
    const Draw draw = PrizeDraw(*o, ctx);
    std::string error;
    TicketList list;
    if (!LoadTicketResults(list, o->ticketFile, &error)) throw CliError(error);
    const PrizeCounts counts = CheckPrizes(list.MutableItems(), draw);
    if (!o->outFile.empty()) SaveOrThrow(list.Items(), o->outFile, true, ctx);
    ctx.out << PrizeSummary(counts) << "\n";
  });
}

void AddRandomCommand(CLI::App& parent, CliContext& ctx) {
  auto o = std::make_shared<RandomOptions>();
  auto* cmd = parent.add_subcommand("random", "random tickets (机选组号 of the two-zone list)");
  cmd->add_option("--count", o->count, "number of tickets, 0 to 50000")->capture_default_str();
  cmd->add_option("--out", o->outFile, "ticket file to write (\".txt\" is added when missing)")
      ->required();
  cmd->add_option("--seed", o->seed, "random seed (default: the clock)");
  cmd->callback([&ctx, o] {
    std::string error;
    const auto count = PickCount(o->count, kTicketListCapacity, &error);
    if (!count) throw CliError(error);
    auto rng = MakeRng(o->seed);
    const auto tickets = RandomTickets(*count, rng, &error);
    if (!tickets) throw CliError(error);
    SaveOrThrow(*tickets, o->outFile, false, ctx);
    ctx.out << "已得到双区组合数有" << tickets->size() << "个\n";
  });
}

}  // namespace

// `dlt tickets random|match|prize`, with `dlt match` and `dlt prize` as
// short forms of the last two.
void RegisterTicketCommands(CLI::App& app, CliContext& ctx) {
  auto* tickets = app.add_subcommand("tickets", "two-zone tickets: random, match, prize");
  tickets->require_subcommand(1);
  AddRandomCommand(*tickets, ctx);
  AddMatchCommand(*tickets, "match", ctx);
  AddPrizeCommand(*tickets, "prize", ctx);
  AddMatchCommand(app, "match", ctx);
  AddPrizeCommand(app, "prize", ctx);
}

}  // namespace dlt::cli
