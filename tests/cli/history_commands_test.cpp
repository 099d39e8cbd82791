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
  auto r = RunDlt(dir.path(), {"history", "add", "2009002", "22", "03", "18", "05", "12", "11", "05"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("save"))) << "the data folder is set up";
  ASSERT_EQ(RunDlt(dir.path(), {"history", "add", "2009001", "1", "2", "3", "4", "5", "1", "2"}).status, 0);
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
  ASSERT_EQ(RunDlt(dir.path(), {"history", "add", "2009001", "1", "2", "3", "4", "5", "1", "2"}).status, 0);
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
  test::WriteBytes(dir.file("b.txt"), "2007002 01 02 03 04 05 01 02 \r\n2007003 03 04 18 23 32 01 06 \r\n");
  ASSERT_EQ(RunDlt(dir.path(), {"history", "import", dir.file("b.txt")}).status, 0);
  EXPECT_EQ(RunDlt(dir.path(), {"history", "list"}).out,
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
