#include <gtest/gtest.h>

#include <filesystem>

#include "cli_test_support.h"
#include "generator/result_files.h"
#include "support/history_service.h"

namespace dlt {
namespace {

using test::Lines;
using test::RunDlt;

// Against 2026011 (01 02 03 04 05 01 02): 一等奖, 五等奖, 六等奖, nothing, 八等奖.
constexpr const char* kTickets =
    "01 02 03 04 05 01 02 \r\n01 02 03 04 06 01 03 \r\n01 02 03 10 11 01 02 \r\n"
    "20 21 22 23 24 03 04 \r\n01 02 20 21 22 01 05 \r\n";
constexpr const char* kSummary =
    "一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:1个;六等奖:1个;七等奖:0个;八等奖:1个;"
    "未中奖:1个";

class BookCommands : public ::testing::Test {
 protected:
  BookCommands() {
    for (int i = 1; i <= 10; ++i)
      Run({"history", "add", std::to_string(2026000 + i), std::to_string(i), std::to_string(i + 5),
           std::to_string(i + 10), std::to_string(i + 15), std::to_string(i + 20),
           std::to_string(1 + i % 10), "12"});
    test::WriteBytes(dir.file("t.txt"), kTickets);
  }
  test::CliRun Run(std::vector<std::string> args) {
    auto r = RunDlt(dir.path(), std::move(args));
    EXPECT_EQ(r.status, 0) << r.err;
    return r;
  }
  test::CliRun AddTarget() {
    return Run({"history", "add", "2026011", "01", "02", "03", "04", "05", "01", "02"});
  }
  std::string BookFile() const { return dir.file("database/book.db"); }

  test::TempDir dir;
};

TEST_F(BookCommands, AnEntryIsGradedWhenItsDrawIsAdded) {
  auto r = Run({"book", "add", dir.file("t.txt"), "--draw", "2026011", "--name", "周二复式"});
  EXPECT_EQ(r.out, "已加入第1条投注记录: 第2026011期, 5注, 10元\n");
  EXPECT_EQ(Run({"book", "list"}).out,
            "1\t周二复式\t2026011\t5\t10元\t待开奖\n合计\t投入10元\t中奖0元\t盈亏-10元\n");
  EXPECT_EQ(Run({"book", "show", "1"}).out, "待开奖\n");

  r = AddTarget();
  EXPECT_EQ(r.out, "第2026011期: 4注中奖, 共505元(另有一等奖1注奖金未知, 未计入)\n");
  EXPECT_EQ(Run({"book", "list"}).out,
            std::string("1\t周二复式\t2026011\t5\t10元\t") + kSummary +
                "\t505元(另有一等奖1注奖金未知, 未计入)\n"
                "合计\t投入10元\t中奖505元\t盈亏495元\t未计入: 一等奖1注(奖金未知)\n");
  EXPECT_EQ(Run({"book", "show", "1"}).out,
            "01 02 03 04 05 01 02 一等奖\n01 02 03 04 06 01 03 五等奖\n"
            "01 02 03 10 11 01 02 六等奖\n01 02 20 21 22 01 05 八等奖\n");

  // The floating tier's amount entered by hand is counted from then on.
  EXPECT_EQ(Run({"book", "amount", "2026011", "1", "6000000"}).out,
            "第2026011期一等奖: 每注6000000元\n");
  EXPECT_EQ(Lines(Run({"book", "list"}).out).back(),
            "合计\t投入10元\t中奖6000505元\t盈亏6000495元");
}

TEST_F(BookCommands, TheListGivesTheSummaryOfThePrizeCheck) {
  AddTarget();
  // Random tickets of several sizes: the book's line holds exactly what
  // `dlt prize` prints for the same file and draw.
  for (const int count : {1, 37, 400}) {
    const std::string file = dir.file("r" + std::to_string(count) + ".txt");
    Run({"tickets", "random", "--count", std::to_string(count), "--seed", std::to_string(count),
         "--out", file});
    Run({"book", "add", file, "--draw", "2026011"});
  }
  const auto lines = Lines(Run({"book", "list"}).out);
  ASSERT_EQ(lines.size(), 4u);
  int row = 0;
  for (const int count : {1, 37, 400}) {
    const std::string file = dir.file("r" + std::to_string(count) + ".txt");
    const std::string summary = Run({"prize", file, "--draw", "2026011"}).out;
    std::vector<std::string> fields;
    std::stringstream line(lines[static_cast<size_t>(row++)]);
    for (std::string f; std::getline(line, f, '\t');) fields.push_back(f);
    ASSERT_EQ(fields.size(), 7u);
    EXPECT_EQ(fields[1], "r" + std::to_string(count)) << "the file's name is the default name";
    EXPECT_EQ(fields[3], std::to_string(count));
    EXPECT_EQ(fields[4], std::to_string(2 * count) + "元");
    EXPECT_EQ(fields[5] + "\n", summary) << count;
  }
}

TEST_F(BookCommands, ReplacingTheDrawByAnOverwritingImportGradesAgain) {
  AddTarget();
  Run({"book", "add", dir.file("t.txt"), "--draw", "2026011"});
  Run({"history", "export", dir.file("all.txt")});
  std::string all = test::ReadBytes(dir.file("all.txt"));
  const std::string old = "2026011 01 02 03 04 05 01 02 ";
  all.replace(all.find(old), old.size(), "2026011 20 21 22 23 24 03 04 ");
  test::WriteBytes(dir.file("all.txt"), all);
  const auto r = Run({"history", "import", dir.file("all.txt"), "--overwrite"});
  EXPECT_EQ(r.out,
            "导入11期, 共11期\n第2026011期: 2注中奖, 共5元(另有一等奖1注奖金未知, 未计入)\n");
  EXPECT_EQ(Run({"book", "show", "1"}).out,
            "20 21 22 23 24 03 04 一等奖\n01 02 20 21 22 01 05 八等奖\n");
}

TEST_F(BookCommands, TheResultsSyncGradesWithItsPublishedAmounts) {
  // The service knows the stored draws and 2026011.
  std::vector<Draw> history;
  for (int i = 1; i <= 10; ++i)
    history.push_back(
        test::MakeDraw(2026000 + i, {i, i + 5, i + 10, i + 15, i + 20}, {1 + i % 10, 12}));
  history.push_back(test::MakeDraw(2026011, {1, 2, 3, 4, 5}, {1, 2}));
  test::LoopbackServer server(test::ServiceOver(history));
  Run({"book", "add", dir.file("t.txt"), "--draw", "2026011"});
  const auto r = Run({"history", "sync", "--url", server.Url()});
  // The recorded pages give 2026011's 一等奖 10000011 元 (its number mod 7 is 1).
  EXPECT_EQ(r.out, "同步1期, 共11期\n第2026011期: 4注中奖, 共10000516元\n");
  EXPECT_EQ(Lines(Run({"book", "list"}).out).back(),
            "合计\t投入10元\t中奖10000516元\t盈亏10000506元");
}

TEST_F(BookCommands, AnEntryForAStoredDrawIsGradedAtOnce) {
  AddTarget();
  const auto r = Run({"book", "add", dir.file("t.txt"), "--draw", "2026011", "--name", "补记"});
  EXPECT_EQ(r.out,
            "已加入第1条投注记录: 第2026011期, 5注, 10元\n"
            "第2026011期: 4注中奖, 共505元(另有一等奖1注奖金未知, 未计入)\n");
}

TEST_F(BookCommands, RemovedEntriesLeaveTheTotals) {
  Run({"book", "add", dir.file("t.txt"), "--draw", "2026011"});
  Run({"book", "add", dir.file("t.txt"), "--draw", "2026012"});
  EXPECT_EQ(Run({"book", "remove", "1"}).out, "已删除第1条投注记录\n");
  const auto lines = Lines(Run({"book", "list"}).out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, 2), "2\t");
  EXPECT_EQ(lines[1], "合计\t投入10元\t中奖0元\t盈亏-10元");
  const auto again = RunDlt(dir.path(), {"book", "remove", "1"});
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, "没有第1条投注记录\n");
}

TEST_F(BookCommands, TheTicketPriceComesFromTheSettings) {
  test::WriteBytes(dir.file("settings.ini"),
                   "[software]\ndltsettings\\ticketprice=3\n"
                   "dltsettings\\prize8=\ndltsettings\\prize5=250.5\n");
  Run({"book", "add", dir.file("t.txt"), "--draw", "2026011"});
  const auto r = AddTarget();
  // 八等奖 floats now and 五等奖 pays 250.50 元.
  EXPECT_EQ(r.out, "第2026011期: 4注中奖, 共450.50元(另有一等奖1注、八等奖1注奖金未知, 未计入)\n");
  EXPECT_EQ(Lines(Run({"book", "list"}).out).back(),
            "合计\t投入15元\t中奖450.50元\t盈亏435.50元\t未计入: 一等奖1注、八等奖1注(奖金未知)");
}

struct Refusal {
  const char* what;
  std::vector<std::string> args;
  const char* message;
};

TEST_F(BookCommands, BadInputIsRefusedAndTheBookIsUnchanged) {
  test::WriteBytes(dir.file("bad.txt"), "01 02 03 04 05 01 02 \r\n01 02 03 04 36 01 02 \r\n");
  test::WriteBytes(dir.file("empty.txt"), "");
  const Refusal refusals[] = {
      {"a bad line", {"book", "add", dir.file("bad.txt"), "--draw", "2026011"}, "第2行"},
      {"no ticket", {"book", "add", dir.file("empty.txt"), "--draw", "2026011"}, "没有号码"},
      {"no file", {"book", "add", dir.file("none.txt"), "--draw", "2026011"}, "none"},
      {"a past draw not stored",
       {"book", "add", dir.file("t.txt"), "--draw", "2025100"},
       "第2025100期既不是将要开奖的一期, 也不在历史数据中"},
      {"a year too far", {"book", "add", dir.file("t.txt"), "--draw", "2062011"}, "2062011"},
      {"no number", {"book", "add", dir.file("t.txt"), "--draw", "x"}, "期数不是整数"},
      {"a tab in the name",
       {"book", "add", dir.file("t.txt"), "--draw", "2026011", "--name", "a\tb"},
       "制表符"},
      {"an unknown entry", {"book", "show", "7"}, "没有第7条投注记录"},
  };
  for (const Refusal& r : refusals) {
    const auto run = RunDlt(dir.path(), r.args);
    EXPECT_EQ(run.status, 1) << r.what;
    EXPECT_NE(run.err.find(r.message), std::string::npos) << r.what << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << r.what;
  }
  EXPECT_FALSE(std::filesystem::exists(BookFile())) << "no refused entry makes a book";
  Run({"book", "add", dir.file("t.txt"), "--draw", "2026011"});
  const std::string before = test::ReadBytes(BookFile());
  for (const Refusal& r : refusals) RunDlt(dir.path(), r.args);
  EXPECT_EQ(test::ReadBytes(BookFile()), before);
}

TEST_F(BookCommands, ADamagedBookIsRefusedAndLeftWhileDrawsAreStillStored) {
  Run({"book", "add", dir.file("t.txt"), "--draw", "2026011"});
  test::WriteBytes(BookFile(), "这不是数据库");
  const std::string before = test::ReadBytes(BookFile());
  auto r = RunDlt(dir.path(), {"book", "list"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("投注记录文件无法使用"), std::string::npos) << r.err;
  r = RunDlt(dir.path(), {"history", "add", "2026011", "01", "02", "03", "04", "05", "01", "02"});
  EXPECT_EQ(r.status, 0) << "the draw is stored";
  EXPECT_NE(r.err.find("投注记录未能对奖"), std::string::npos) << r.err;
  EXPECT_EQ(Lines(Run({"history", "list", "--last", "1"}).out).back(),
            "2026011 01 02 03 04 05 01 02");
  EXPECT_EQ(test::ReadBytes(BookFile()), before);
  // Commands that store nothing do not touch the book at all.
  r = RunDlt(dir.path(), {"history", "list", "--last", "1"});
  EXPECT_TRUE(r.err.empty()) << r.err;
}

}  // namespace
}  // namespace dlt
