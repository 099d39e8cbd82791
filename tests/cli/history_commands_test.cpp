#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "cli_test_support.h"
#include "history/draw_table.h"

namespace dlt {
namespace {

using test::RunDlt;

TEST(HistoryCommands, AddListAndExport) {
  test::TempDir dir;
  auto r =
      RunDlt(dir.path(), {"history", "add", "2009002", "22", "03", "18", "05", "12", "11", "05"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("save"))) << "the data folder is set up";
  ASSERT_EQ(
      RunDlt(dir.path(), {"history", "add", "2009001", "1", "2", "3", "4", "5", "1", "2"}).status,
      0);
  r = RunDlt(dir.path(), {"history", "list"});
  EXPECT_EQ(r.out, "2009001 01 02 03 04 05 01 02\n2009002 03 05 12 18 22 05 11\n");
  r = RunDlt(dir.path(), {"history", "list", "--last", "1"});
  EXPECT_EQ(r.out, "2009002 03 05 12 18 22 05 11\n");
  ASSERT_EQ(RunDlt(dir.path(), {"history", "export", dir.file("out")}).status, 0);
  EXPECT_EQ(test::ReadBytes(dir.file("out.txt")),
            "2009001 01 02 03 04 05 01 02 \r\n2009002 03 05 12 18 22 05 11 \r\n");
}

TEST(HistoryCommands, BadInputFailsWithAMessageAndChangesNothing) {
  test::TempDir dir;
  ASSERT_EQ(
      RunDlt(dir.path(), {"history", "add", "2009001", "1", "2", "3", "4", "5", "1", "2"}).status,
      0);
  auto r = RunDlt(dir.path(), {"history", "add", "2009001", "6", "7", "8", "9", "10", "1", "2"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("数据库中已经存在此期的记录"), std::string::npos);
  r = RunDlt(dir.path(), {"history", "add", "2009003", "01", "08", "09", "10", "x", "01", "02"});
  EXPECT_EQ(r.status, 1);
  r = RunDlt(dir.path(), {"history", "add", "2009002", "1", "2", "3", "4", "36", "1", "2"});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());

  test::WriteBytes(dir.file("bad.txt"), "2009005 01 02 03 04 05 01 02\r\n2009006 01 02\r\n");
  r = RunDlt(dir.path(), {"history", "import", dir.file("bad.txt"), "--overwrite"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("第2行"), std::string::npos) << r.err;
  EXPECT_EQ(RunDlt(dir.path(), {"history", "list"}).out, "2009001 01 02 03 04 05 01 02\n")
      << "a rejected overwrite keeps the old history";

  r = RunDlt(dir.path(), {"history", "import", dir.file("missing.txt")});
  EXPECT_EQ(r.status, 1);
  r = RunDlt(dir.path(), {"history", "frobnicate"});
  EXPECT_EQ(r.status, 1);
}

TEST(HistoryCommands, ImportAppendsOrOverwrites) {
  test::TempDir dir;
  test::WriteBytes(dir.file("a.csv"),
                   "issue,date,r1,r2,r3,r4,r5,b1,b2\n07001,2007-05-30,22,24,29,31,35,4,11\n"
                   "07002,2007-06-02,15,22,31,34,35,5,12\n");
  auto r = RunDlt(dir.path(), {"history", "import", dir.file("a.csv")});
  ASSERT_EQ(r.status, 0) << r.err;
  test::WriteBytes(dir.file("b.txt"),
                   "2007002 01 02 03 04 05 01 02 \r\n2007003 03 04 18 23 32 01 06 \r\n");
  ASSERT_EQ(RunDlt(dir.path(), {"history", "import", dir.file("b.txt")}).status, 0);
  EXPECT_EQ(
      RunDlt(dir.path(), {"history", "list"}).out,
      "2007001 22 24 29 31 35 04 11\n2007002 15 22 31 34 35 05 12\n2007003 03 04 18 23 32 01 06\n");
  ASSERT_EQ(RunDlt(dir.path(), {"history", "import", dir.file("b.txt"), "--overwrite"}).status, 0);
  EXPECT_EQ(RunDlt(dir.path(), {"history", "list"}).out,
            "2007002 01 02 03 04 05 01 02\n2007003 03 04 18 23 32 01 06\n");
}

// An import that yields no draw, or reads what is no file, changes nothing
// and says so.
TEST(HistoryCommands, AnImportWithoutDrawsChangesNothing) {
  test::TempDir dir;
  ASSERT_EQ(
      RunDlt(dir.path(), {"history", "add", "2009001", "1", "2", "3", "4", "5", "1", "2"}).status,
      0);
  test::WriteBytes(dir.file("empty.txt"), "");
  test::WriteBytes(dir.file("blank.txt"), "  \r\n\r\n");
  test::WriteBytes(dir.file("zero.txt"), "0 0 0 0 0 0 0 0\r\n2009005 01 02 03 04 05 01 02\r\n");
  std::filesystem::create_directory(dir.file("folder"));
  const std::vector<std::pair<std::string, std::string>> cases = {
      {dir.file("empty.txt"), "文件中没有开奖数据, 历史数据未改变"},
      {dir.file("blank.txt"), "文件中没有开奖数据, 历史数据未改变"},
      {dir.file("zero.txt"), "第1行: 期数为0的行之后还有数据(期数0表示文件结束), 历史数据未改变"},
      {dir.file("folder"), "这是一个文件夹, 不是文件: " + dir.file("folder") + ", 历史数据未改变"},
      {"/dev/null", "不是普通文件: /dev/null, 历史数据未改变"},
  };
  for (const auto& [file, message] : cases) {
    const auto r = RunDlt(dir.path(), {"history", "import", file, "--overwrite"});
    EXPECT_EQ(r.status, 1) << file;
    EXPECT_EQ(r.err, message + "\n");
    EXPECT_EQ(RunDlt(dir.path(), {"history", "list"}).out, "2009001 01 02 03 04 05 01 02\n");
  }
  std::ostringstream out, err;
  EXPECT_EQ(cli::RunCli({"--data-dir", "", "history", "list"}, out, err), 1);
  EXPECT_NE(err.str().find("不能为空"), std::string::npos) << err.str();
}

// An exported history always imports again: the forecast record stays out.
TEST(HistoryCommands, AnExportImportsAgain) {
  test::TempDir dir;
  ASSERT_EQ(RunDlt(dir.path(), {"history", "demo", "--draws", "20"}).status, 0);
  const std::string before = RunDlt(dir.path(), {"history", "list"}).out;
  DrawTable(dir.file("database/basedata.db"))
      .WriteForecast(test::MakeDraw(0, {1, 2, 3, 4, 5}, {1, 2}));
  ASSERT_EQ(RunDlt(dir.path(), {"history", "export", dir.file("h.txt")}).status, 0);
  const auto r = RunDlt(dir.path(), {"history", "import", dir.file("h.txt"), "--overwrite"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "导入20期, 共20期\n");
  EXPECT_EQ(RunDlt(dir.path(), {"history", "list"}).out, before);
}

// The dry run prints how the file was read and what the import would do,
// and stores nothing; the import then says which draws it kept.
TEST(HistoryCommands, ADryRunPreviewsAndAnAppendNamesTheDrawsThatDiffer) {
  test::TempDir dir;
  test::WriteBytes(dir.file("h.txt"),
                   "2007001 22 24 29 31 35 04 11 \r\n"
                   "2007002 15 22 31 34 35 05 12 \r\n");
  ASSERT_EQ(RunDlt(dir.path(), {"history", "import", dir.file("h.txt")}).status, 0);
  test::WriteBytes(dir.file("dl.tsv"),
                   "期号\t开奖日期\t前区\t后区\t奖池\n"
                   "7003\t2007-06-04\t03 04 18 23 32\t01 06\t1,000,000\n"
                   "7002\t2007-06-02\t01 02 03 04 05\t06 07\t2,000,000\n"
                   "7001\t2007-05-30\t22 24 29 31 35\t04 11\t3,000,000\n");
  const std::string preview =
      "格式: 制表符分隔, 带表头, 期号=第1列(补足前导0), 日期=第2列, 主号=第3列(5个), "
      "副号=第4列(2个), 另有1列不读, 新的在前\n"
      "期号缺了前导0, 已按五位补足(第2行的7003读作2007003)\n"
      "文件中共3期, 第一期: 2007001 22 24 29 31 35 04 11, 最后一期: 2007003 03 04 18 23 32 01 06\n";
  const std::string conflicts =
      "文件中有1期与已存的号码不同(追加导入保留已存的, 覆盖导入才换成文件中的):\n"
      "  第2007002期 文件: 01 02 03 04 05 06 07, 已存: 15 22 31 34 35 05 12\n";
  auto r = RunDlt(dir.path(), {"history", "import", dir.file("dl.tsv"), "--dry-run"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, preview + "追加导入: 新增1期, 1期与已存的相同, 1期与已存的不同\n" + conflicts +
                       "试运行, 历史数据未改变\n");
  r = RunDlt(dir.path(), {"history", "import", dir.file("dl.tsv"), "--dry-run", "--overwrite"});
  EXPECT_EQ(r.out, preview +
                       "覆盖导入: 删除现有的全部2期, 换成文件中的3期\n"
                       "文件中有1期与已存的号码不同(覆盖导入换成文件中的):\n"
                       "  第2007002期 文件: 01 02 03 04 05 06 07, 已存: 15 22 31 34 35 05 12\n"
                       "试运行, 历史数据未改变\n");
  const std::string stored = "2007001 22 24 29 31 35 04 11\n2007002 15 22 31 34 35 05 12\n";
  EXPECT_EQ(RunDlt(dir.path(), {"history", "list"}).out, stored);

  r = RunDlt(dir.path(), {"history", "import", dir.file("dl.tsv")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "导入1期, 共3期\n期号缺了前导0, 已按五位补足(第2行的7003读作2007003)\n" + conflicts);
  EXPECT_EQ(RunDlt(dir.path(), {"history", "list"}).out, stored + "2007003 03 04 18 23 32 01 06\n");
}

// A file read by a doubtful layout stores nothing, in either mode.
TEST(HistoryCommands, ADoubtfulFileIsRefusedNamingItsLine) {
  test::TempDir dir;
  ASSERT_EQ(RunDlt(dir.path(), {"history", "demo", "--draws", "5"}).status, 0);
  const std::string before = RunDlt(dir.path(), {"history", "list"}).out;
  const std::vector<std::pair<std::string, std::string>> files = {
      {"期号,日期,号码\n07101,2007-05-30,22,24,29,31+35,04,11\n", "第2行第6列“31+35”"},
      {"期号,日期,号码\n07101,2007-05-30,22,24,29,31,35+04,11\n07102,2007-06-02,15,22,31,34,35,05,"
       "12\n",
       "第3行: 与其他各行的格式不同"},
      {"7101 01 02 03 04 05 06 07\n2007102 01 02 03 04 05 06 07\n", "第1行: 期号7101缺了前导0"},
      {"期号,红1,红2,红3,红4,红5,红6,蓝\n2007101,01,02,03,04,05,06,07\n", "第2行: 表头的后区"},
  };
  for (const auto& [content, error] : files) {
    test::WriteBytes(dir.file("in.csv"), content);
    for (const char* mode : {"--overwrite", "--dry-run"}) {
      const auto r = RunDlt(dir.path(), {"history", "import", dir.file("in.csv"), mode});
      EXPECT_EQ(r.status, 1) << content;
      EXPECT_EQ(r.err.rfind(error, 0), 0u) << r.err;
      EXPECT_EQ(RunDlt(dir.path(), {"history", "list"}).out, before);
    }
  }
}

// A row edited outside the program stops every command but those that mend it.
TEST(HistoryCommands, ABadStoredRowIsNamedUntilMended) {
  test::TempDir dir;
  ASSERT_EQ(RunDlt(dir.path(), {"history", "demo", "--draws", "20"}).status, 0);
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file("database/basedata.db").c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "UPDATE basedata SET red1 = 200 WHERE qs = 2007003", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
  }
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"filter", "--pool", "1-6"}, {"value", "z_hz"}, {"history", "export", dir.file("x")}}) {
    const auto r = RunDlt(dir.path(), args);
    EXPECT_EQ(r.status, 1) << args[0];
    EXPECT_NE(r.err.find("第2007003期: 主号一必须在1到35之间: 200"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("dlt history delete"), std::string::npos) << r.err;
  }
  auto r = RunDlt(dir.path(), {"history", "list", "--last", "1"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("第2007003期"), std::string::npos) << r.err;
  r = RunDlt(dir.path(), {"history", "add", "2007003", "1", "2", "3", "4", "5", "1", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(RunDlt(dir.path(), {"value", "z_hz", "--draw", "2007003"}).out, "15\n");
  // Deleting is the other way out.
  test::TempDir other;
  ASSERT_EQ(RunDlt(other.path(), {"history", "demo", "--draws", "5"}).status, 0);
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(other.file("database/basedata.db").c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "UPDATE basedata SET blue = NULL WHERE qs = 2007002", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
  }
  r = RunDlt(other.path(), {"history", "delete", "2007002"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(RunDlt(other.path(), {"value", "z_hz", "--all"}).status, 0);
}

TEST(HistoryCommands, MessagesSayWhatIsWrong) {
  test::TempDir dir;
  ASSERT_EQ(RunDlt(dir.path(), {"history", "demo", "--draws", "5"}).status, 0);
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"history", "add", "9999999", "1", "2", "3", "4", "5", "1", "2"},
       "期数9999999留作预测区, 不能用于开奖数据\n"},
      {{"history", "add", "2009001", "1", "2", "3", "4", "x", "1", "2"}, "主号五不是整数: x\n"},
      {{"history", "add", "--", "-5", "1", "2", "3", "4", "5", "1", "2"}, "期数不能是负数: -5\n"},
      {{"value", std::string(3000, 'q') + "(1)"},
       "公式有误:" + std::string(40, 'q') + "...函数不存在\n"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = RunDlt(dir.path(), args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, message);
  }
}

TEST(HistoryCommands, DemoFillsOnlyAnEmptyHistory) {
  test::TempDir dir;
  auto r = RunDlt(dir.path(), {"history", "demo", "--draws", "300", "--seed", "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  r = RunDlt(dir.path(), {"history", "list", "--last", "2"});
  EXPECT_EQ(r.out.substr(0, 7), "2008149");
  r = RunDlt(dir.path(), {"history", "demo"});
  EXPECT_EQ(r.status, 1);
}

TEST(HistoryCommands, RepeatsReportsRepeatedFrontNumbers) {
  test::TempDir dir;
  RunDlt(dir.path(), {"history", "add", "2009001", "1", "2", "3", "4", "5", "1", "2"});
  EXPECT_EQ(RunDlt(dir.path(), {"history", "repeats"}).out, "历史数据中尚未发现完全重复的记录\n");
  RunDlt(dir.path(), {"history", "add", "2009002", "1", "2", "3", "4", "5", "3", "4"});
  EXPECT_EQ(RunDlt(dir.path(), {"history", "repeats"}).out,
            "2009001 01 02 03 04 05\n2009002 01 02 03 04 05\n");
}

}  // namespace
}  // namespace dlt
