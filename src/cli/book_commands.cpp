#include <CLI/CLI.hpp>
#include <ctime>
#include <filesystem>

#include "book/book_grading.h"
#include "book/book_view.h"
#include "book/tier_amounts.h"
#include "cli/cli_context.h"
#include "generator/result_files.h"
#include "history/settings_file.h"

namespace dlt::cli {
namespace {

// Option values live as long as the callbacks that read them.
struct BookOptions {
  std::string ticketFile, draw, name;
  int64_t id = 0;
  std::string amountQs, amountYuan;
  int amountLevel = 0;
};

StoredAmounts AmountsIn(DrawTable& table) {
  return [&table](int32_t qs) { return PrizeAmounts(table).Read(qs); };
}

// The book brought in line with the history first: draws stored while it
// could not be graded count too.
TicketBook* GradedBook(CliContext& ctx, DrawTable& table) {
  TicketBook* book = ctx.Book(false);
  if (book) GradeBookEntries(*book, table);
  return book;
}

BookEntry EntryOrThrow(const std::optional<BookEntry>& entry, int64_t id) {
  if (!entry) throw CliError("没有第" + std::to_string(id) + "条投注记录");
  return *entry;
}

void AddAddCommand(CLI::App& book, CliContext& ctx, const std::shared_ptr<BookOptions>& o) {
  auto* add = book.add_subcommand("add", "keep a ticket file in the book with the draw it is for");
  add->add_option("TICKETS", o->ticketFile, "ticket file (seven numbers a line)")->required();
  add->add_option("--draw", o->draw, "the draw the tickets are for: a draw to come or a stored one")
      ->required();
  add->add_option("--name", o->name, "name of the entry (default: the file's name)");
  add->callback([&ctx, o] {
    std::string error;
    // The file and the draw are checked before the book is opened: a
    // refused entry leaves no book file behind.
    const auto tickets = ReadTicketResults(o->ticketFile, &error);
    if (!tickets) throw CliError(error + ", 投注记录未改变");
    auto table = ctx.OpenTable();
    const auto qs = CheckBookDraw(*table, o->draw, &error);
    if (!qs) throw CliError(error + ", 投注记录未改变");
    NewBookEntry entry;
    entry.name = o->name.empty() ? std::filesystem::path(o->ticketFile).stem().string() : o->name;
    entry.qs = *qs;
    entry.addedAt = static_cast<int64_t>(std::time(nullptr));
    entry.tickets = *tickets;
    const PrizeTable prizes = ReadPrizeTable(ctx.SettingsPath());
    entry.costFen = prizes.ticketPriceFen * static_cast<int64_t>(tickets->size());
    if (!CheckBookEntry(*table, entry, &error)) throw CliError(error + ", 投注记录未改变");
    TicketBook* book = ctx.Book(true);
    const auto id = AddBookEntry(*book, *table, entry, &error);
    if (!id) throw CliError(error + ", 投注记录未改变");
    const BookEntry added = *book->Entry(*id);
    ctx.out << "已加入第" << *id << "条投注记录: 第" << added.qs << "期, " << added.ticketCount
            << "注, " << YuanText(added.costFen) << "\n";
    if (added.result) {
      GradingReport report;
      report.graded.push_back({added.qs, 1, added.result->counts});
      for (const std::string& line : GradingNotices(report, prizes, AmountsIn(*table)))
        ctx.out << line << "\n";
    }
  });
}

void AddListCommand(CLI::App& book, CliContext& ctx) {
  auto* list = book.add_subcommand("list", "print the entries with their results and the totals");
  list->callback([&ctx] {
    auto table = ctx.OpenTable();
    const TicketBook* book = GradedBook(ctx, *table);
    const BookView view = ViewBook(book ? book->Entries() : std::vector<BookEntry>{},
                                   ReadPrizeTable(ctx.SettingsPath()), AmountsIn(*table));
    for (const BookRow& row : view.rows) ctx.out << BookListLine(row) << "\n";
    ctx.out << BookTotalsLine(view.totals) << "\n";
  });
}

void AddShowCommand(CLI::App& book, CliContext& ctx, const std::shared_ptr<BookOptions>& o) {
  auto* show = book.add_subcommand("show", "print the winning tickets of an entry");
  show->add_option("ID", o->id, "the entry's number (dlt book list)")->required();
  show->callback([&ctx, o] {
    auto table = ctx.OpenTable();
    TicketBook* book = GradedBook(ctx, *table);
    const BookEntry entry = EntryOrThrow(book ? book->Entry(o->id) : std::nullopt, o->id);
    if (!entry.result) {
      ctx.out << "待开奖\n";
      return;
    }
    const std::vector<Ticket> winners = book->WinningTickets(entry);
    if (winners.empty()) ctx.out << "未中奖\n";
    for (const Ticket& t : winners) ctx.out << GradedTicketLine(t) << "\n";
  });
}

void AddRemoveCommand(CLI::App& book, CliContext& ctx, const std::shared_ptr<BookOptions>& o) {
  auto* remove = book.add_subcommand("remove", "remove an entry from the book");
  remove->add_option("ID", o->id, "the entry's number (dlt book list)")->required();
  remove->callback([&ctx, o] {
    TicketBook* book = ctx.Book(false);
    if (!book || !book->Remove(o->id))
      throw CliError("没有第" + std::to_string(o->id) + "条投注记录");
    ctx.out << "已删除第" << o->id << "条投注记录\n";
  });
}

void AddAmountCommand(CLI::App& book, CliContext& ctx, const std::shared_ptr<BookOptions>& o) {
  auto* amount = book.add_subcommand(
      "amount", "enter the amount per ticket of a floating tier of a stored draw by hand");
  amount->add_option("QS", o->amountQs, "draw number")->required();
  amount->add_option("LEVEL", o->amountLevel, "prize level, 1 for 一等奖 .. 8")->required();
  amount->add_option("YUAN", o->amountYuan, "amount per ticket in 元 (\"\" removes it)")
      ->required();
  amount->callback([&ctx, o] {
    std::string error;
    const auto qs = ParseDrawField(o->amountQs, 0, &error);
    if (!qs) throw CliError(error);
    std::optional<int64_t> fen;
    if (!ReadYuanText(o->amountYuan, &fen, &error)) throw CliError(error);
    auto table = ctx.OpenTable();
    if (*qs > kLastRealQs ||
        !EnterTierAmount(*table, static_cast<int32_t>(*qs), o->amountLevel, fen, &error))
      throw CliError(error.empty() ? "历史数据中没有第" + o->amountQs + "期" : error);
    ctx.out << "第" << *qs << "期" << PrizeText(o->amountLevel) << ": "
            << (fen ? "每注" + YuanText(*fen) : std::string("奖金未知")) << "\n";
  });
}

}  // namespace

// `dlt book add|list|show|remove|amount`: the ticket book.
void RegisterBookCommands(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<BookOptions>();
  auto* book = app.add_subcommand("book", "the ticket book: tickets kept with their draw");
  book->require_subcommand(1);
  AddAddCommand(*book, ctx, o);
  AddListCommand(*book, ctx);
  AddShowCommand(*book, ctx, o);
  AddRemoveCommand(*book, ctx, o);
  AddAmountCommand(*book, ctx, o);
}

}  // namespace dlt::cli
