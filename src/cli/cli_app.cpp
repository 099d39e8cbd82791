#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include "book/book_grading.h"
#include "book/book_view.h"
#include "cli/cli_context.h"
#include "dlt_build_config.h"
#include "history/settings_file.h"

namespace dlt::cli {

std::string CliContext::SettingsPath() const {
  return settingsOption.empty() ? DefaultSettingsPath() : settingsOption;
}

std::unique_ptr<DrawTable> CliContext::OpenTableForRepair() const {
  DataFolder folder = Folder();
  std::string error;
  if (!folder.Ensure(&error)) throw CliError(error);
  auto table = std::make_unique<DrawTable>(folder.TablePath());
  if (!table->BadRows().empty()) err << table->BadRowsMessage() << "\n";
  AttachBook(*table);
  return table;
}

std::unique_ptr<DrawTable> CliContext::OpenTable() const {
  DataFolder folder = Folder();
  std::string error;
  if (!folder.Ensure(&error)) throw CliError(error);
  auto table = std::make_unique<DrawTable>(folder.TablePath());
  if (!table->BadRows().empty())
    throw CliError(table->BadRowsMessage() +
                   "\n改正: dlt history add 期数 五个主号 两个副号; 删除: dlt history delete 期数");
  AttachBook(*table);
  return table;
}

TicketBook* CliContext::Book(bool create) const {
  if (!book->book) {
    try {
      book->book = TicketBook::Open(Folder().BookPath(), create);
    } catch (const BookError& e) {
      throw CliError(e.what());
    }
  }
  return book->book.get();
}

void CliContext::AttachBook(DrawTable& table) const {
  // The book is opened only when draws are stored: commands that just read
  // the history never touch it.
  AttachBookGrading(
      table,
      [this]() -> TicketBook* {
        if (!book->book) book->book = TicketBook::Open(Folder().BookPath(), false);
        return book->book.get();
      },
      [this, &table](const GradingReport& report, const std::string& error) {
        if (!error.empty()) {
          book->warnings.push_back(error);
          return;
        }
        const auto lines =
            GradingNotices(report, ReadPrizeTable(SettingsPath()),
                           [&table](int32_t qs) { return PrizeAmounts(table).Read(qs); });
        book->notes.insert(book->notes.end(), lines.begin(), lines.end());
      });
}

void CliContext::PrintBookNotes() const {
  for (const std::string& line : book->notes) out << line << "\n";
  std::string last;
  for (const std::string& line : book->warnings)
    if (line != last) err << (last = line) << "\n";
  book->notes.clear();
  book->warnings.clear();
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliContext ctx{out, err, {}, {}};
  CLI::App app{"大乐透 analysis and ticket building", "dlt"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("dlt ") + DLT_VERSION,
                       "show the program's version");
  // An empty folder name is a slip (an unset variable), not the default.
  const auto notEmpty = [](const std::string& v) {
    return v.empty() ? std::string("不能为空") : std::string();
  };
  app.add_option("--data-dir", ctx.dataDirOption,
                 "data folder (default: $DLT_HOME, else $XDG_DATA_HOME/dlt)")
      ->check(notEmpty);
  app.add_option("--settings", ctx.settingsOption,
                 "settings file of the desktop program (default: ~/.config/dlt/dlt.ini)")
      ->check(notEmpty);
  RegisterHistoryCommands(app, ctx);
  RegisterColdHotCommands(app, ctx);
  RegisterIndicatorCommands(app, ctx);
  RegisterTicketCommands(app, ctx);
  RegisterFilterCommands(app, ctx);
  RegisterValueCommands(app, ctx);
  RegisterReportCommands(app, ctx);
  RegisterTrendCommands(app, ctx);
  RegisterConversionCommands(app, ctx);
  RegisterAnalysisCommands(app, ctx);
  RegisterKillnumCommands(app, ctx);
  RegisterExpectCommands(app, ctx);
  RegisterBookCommands(app, ctx);

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
    ctx.PrintBookNotes();
  } catch (const CLI::ParseError& e) {
    // Help prints to out with status 0; a usage error to err with status 1.
    return app.exit(e, out, err) == 0 ? 0 : 1;
  } catch (const CliError& e) {
    ctx.PrintBookNotes();
    err << e.what() << "\n";
    return 1;
  } catch (const DbError& e) {
    ctx.PrintBookNotes();
    err << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace dlt::cli
