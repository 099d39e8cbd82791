#include <gtest/gtest.h>

#include <filesystem>

#include "cli_test_support.h"

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
