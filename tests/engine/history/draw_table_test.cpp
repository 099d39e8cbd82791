#include "history/draw_table.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "history/memory_history.h"
#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;

class DrawTableTest : public ::testing::Test {
 protected:
  std::string DbPath() const { return dir.file("basedata.db"); }
  // Draws 2009001..2009000+n with easy numbers.
  void Fill(DrawTable& t, int n) {
    std::vector<Draw> draws;
    for (int i = 1; i <= n; ++i)
      draws.push_back(MakeDraw(2009000 + i, {1, 2, 3, 4, 5 + i % 30}, {1 + i % 11, 12}));
    t.ApplyImport(draws, false);
  }
  test::TempDir dir;
};

TEST_F(DrawTableTest, CursorWalksAndReportsTheEnds) {
  DrawTable t(DbPath());
  Fill(t, 5);
  t.First();
  EXPECT_TRUE(t.Bof());
  EXPECT_EQ(t.RecNo(), 1);
  EXPECT_EQ(t.Field(0), 2009001);
  t.Prior();
  EXPECT_TRUE(t.Bof());
  EXPECT_EQ(t.RecNo(), 1);
  t.Next();
  EXPECT_FALSE(t.Bof());
  EXPECT_EQ(t.Field(0), 2009002);
  t.Last();
  EXPECT_TRUE(t.Eof());
  EXPECT_EQ(t.RecNo(), 5);
  t.Next();
  EXPECT_EQ(t.RecNo(), 5) << "next at the last record stays";
  EXPECT_EQ(t.MoveBy(-10), -4) << "moving back stops at the first record";
  EXPECT_TRUE(t.Bof());
  EXPECT_EQ(t.MoveBy(0), 0);
  EXPECT_EQ(t.MoveBy(3), 3);
  EXPECT_EQ(t.Field(0), 2009004);
  EXPECT_EQ(t.MoveBy(5), 1);
  EXPECT_TRUE(t.Eof());
}

TEST_F(DrawTableTest, MovingBackFromTheFirstRecordMovesNothing) {
  DrawTable t(DbPath());
  Fill(t, 3);
  t.First();
  EXPECT_EQ(t.MoveBy(-1), 0);
  EXPECT_EQ(t.RecNo(), 1);
}

TEST_F(DrawTableTest, LocateDrawRestoresAPositionAndKeepsItOnAMiss) {
  DrawTable t(DbPath());
  Fill(t, 10);
  t.Last();
  t.MoveBy(-3);
  const int32_t remembered = t.CurrentDraw().qs;
  {
    CursorGuard guard(t);
    t.First();
    t.Next();
  }
  EXPECT_EQ(t.CurrentDraw().qs, remembered);
  EXPECT_FALSE(t.LocateDraw(2019999));
  EXPECT_EQ(t.CurrentDraw().qs, remembered);
  EXPECT_TRUE(t.LocateDraw(2009002));
  EXPECT_EQ(t.RecNo(), 2);
}

TEST_F(DrawTableTest, FieldsByPositionAndByName) {
  DrawTable t(DbPath());
  ASSERT_TRUE(t.AppendDraw(MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11})));
  EXPECT_EQ(t.Field(0), 2009001);
  EXPECT_EQ(t.Field(3), 12);
  EXPECT_EQ(t.Field(6), 5);
  EXPECT_EQ(t.Field(7), 11);
  EXPECT_EQ(t.IntField("red5"), 22);
  EXPECT_EQ(t.IntField("blue"), 11);
  EXPECT_EQ(t.IntField("test"), 0);
  EXPECT_FALSE(t.IntField("nosuch"));
}

TEST_F(DrawTableTest, WritesReachTheFileAndScratchStaysInMemory) {
  {
    DrawTable t(DbPath());
    ASSERT_TRUE(t.AppendDraw(MakeDraw(2009002, {1, 2, 3, 4, 5}, {1, 2})));
    ASSERT_TRUE(t.AppendDraw(MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11})));
    t.SetScratch(ScratchField::Test, 0, 42);
    const std::string text = " 9:14:12";
    t.SetColdHotTexts(1, &text, nullptr, nullptr);
    t.Edit();
    t.SetField("red1", 6);
    ASSERT_TRUE(t.Post());
  }
  DrawTable again(DbPath());
  ASSERT_EQ(again.RecordCount(), 2);
  EXPECT_EQ(again.Draws()[0].qs, 2009001) << "rows come back in qs order";
  EXPECT_EQ(again.Extras(1).coldhotbone, " 9:14:12");
  EXPECT_EQ(again.Scratch(ScratchField::Test, 0), 0) << "scratch values are not stored";
  EXPECT_EQ(again.Draws()[0].front, (std::array<uint8_t, 5>{5, 6, 12, 18, 22}))
      << "an edit is stored ascending";
}

TEST_F(DrawTableTest, AnInvalidEditIsNotPosted) {
  DrawTable t(DbPath());
  ASSERT_TRUE(t.AppendDraw(MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11})));
  t.Edit();
  t.SetField("red2", 40);
  std::string error;
  EXPECT_FALSE(t.Post(&error));
  EXPECT_NE(error.find("主号"), std::string::npos) << error;
  t.Cancel();
  EXPECT_EQ(DrawTable(DbPath()).Draws()[0].front[1], 5);
}

TEST_F(DrawTableTest, AnExistingDrawNumberIsRefused) {
  DrawTable t(DbPath());
  ASSERT_TRUE(t.AppendDraw(MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11})));
  std::string error;
  EXPECT_FALSE(t.AppendDraw(MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 2}), &error));
  EXPECT_EQ(error, "数据库中已经存在此期的记录");
  EXPECT_EQ(t.RecordCount(), 1);
  EXPECT_EQ(t.Draws()[0].front[0], 3);
  EXPECT_EQ(t.CurrentState(), DrawTable::State::Browse);
}

TEST_F(DrawTableTest, DeleteMovesToTheNextRecordOrTheNewLast) {
  DrawTable t(DbPath());
  Fill(t, 3);
  t.LocateDraw(2009002);
  t.Delete();
  EXPECT_EQ(t.CurrentDraw().qs, 2009003);
  t.Delete();
  EXPECT_EQ(t.CurrentDraw().qs, 2009001);
  EXPECT_EQ(DrawTable(DbPath()).RecordCount(), 1);
}

TEST_F(DrawTableTest, ForecastRecordIsWrittenReplacedAndDeleted) {
  DrawTable t(DbPath());
  Fill(t, 3);
  t.LocateDraw(2009002);
  t.WriteForecast(MakeDraw(0, {1, 2, 3, 4, 5}, {1, 2}));
  t.WriteForecast(MakeDraw(0, {6, 7, 8, 9, 10}, {3, 4}));
  ASSERT_EQ(t.RecordCount(), 4) << "a second forecast replaces the first";
  EXPECT_EQ(t.Draws().back().qs, kForecastQs);
  EXPECT_EQ(t.Draws().back().front[0], 6);
  EXPECT_EQ(t.LastRealIndex(), 2);
  t.LocateDraw(2009002);
  EXPECT_TRUE(t.DeleteForecast());
  EXPECT_FALSE(t.HasForecast());
  EXPECT_EQ(t.CurrentDraw().qs, 2009002) << "deleting the forecast keeps the cursor";
  EXPECT_FALSE(t.DeleteForecast());
}

TEST_F(DrawTableTest, MovingMeansOfTheSecondBackNumberInTenths) {
  DrawTable t(DbPath());
  // blue: 12, 5, 6, 11 -> means over what exists near the start.
  t.AppendDraw(MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 12}));
  t.AppendDraw(MakeDraw(2009002, {1, 2, 3, 4, 5}, {1, 5}));
  t.AppendDraw(MakeDraw(2009003, {1, 2, 3, 4, 5}, {1, 6}));
  t.AppendDraw(MakeDraw(2009004, {1, 2, 3, 4, 5}, {1, 11}));
  EXPECT_EQ(t.Extras(0).averages, (std::array<int32_t, 5>{120, 120, 120, 120, 120}));
  // 2: (5+6)/2 = 5.5 -> 55; 3: (12+5+6)/3 = 7.67 -> 77; 4 and 5 and 10: 34/4 = 8.5 -> 85
  EXPECT_EQ(t.Extras(2).averages[0], 55);
  EXPECT_EQ(t.Extras(2).averages[1], 77);
  EXPECT_EQ(t.Extras(3).averages[2], 85);
  EXPECT_EQ(t.Extras(3).averages[4], 85);
  // Inserting an earlier draw changes the means of the draws after it.
  t.AppendDraw(MakeDraw(2008999, {1, 2, 3, 4, 5}, {1, 2}));
  EXPECT_EQ(t.Extras(1).averages[0], 70);  // (2 + 12) / 2
}

TEST_F(DrawTableTest, ImportAppendSkipsPresentDrawsAndOverwriteReplaces) {
  DrawTable t(DbPath());
  Fill(t, 3);
  std::vector<Draw> more = {MakeDraw(2009003, {7, 8, 9, 10, 11}, {1, 2}),
                            MakeDraw(2009004, {7, 8, 9, 10, 11}, {1, 2})};
  EXPECT_EQ(t.ApplyImport(more, false), 1);
  EXPECT_EQ(t.RecordCount(), 4);
  EXPECT_NE(t.Draws()[2].front[0], 7) << "append keeps the stored draw";
  EXPECT_EQ(t.ApplyImport(more, true), 2);
  EXPECT_EQ(t.RecordCount(), 2);
  EXPECT_EQ(DrawTable(DbPath()).RecordCount(), 2);
}

TEST_F(DrawTableTest, RepeatedFrontNumbersQuery) {
  DrawTable t(DbPath());
  t.AppendDraw(MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 2}));
  t.AppendDraw(MakeDraw(2009002, {1, 2, 3, 4, 6}, {1, 2}));
  EXPECT_TRUE(t.RepeatedFrontDraws().empty());
  t.AppendDraw(MakeDraw(2009003, {1, 2, 3, 4, 5}, {3, 4}));
  const auto rows = t.RepeatedFrontDraws();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].qs, 2009001);
  EXPECT_EQ(rows[1].qs, 2009003);

  // A set drawn three times lists each draw once; the draws of one set stand
  // together, the sets by their numbers; the forecast record is no draw.
  t.AppendDraw(MakeDraw(2009004, {1, 2, 3, 4, 6}, {5, 6}));
  t.AppendDraw(MakeDraw(2009005, {1, 2, 3, 4, 5}, {7, 8}));
  t.WriteForecast(MakeDraw(0, {9, 10, 11, 12, 13}, {1, 2}));
  t.AppendDraw(MakeDraw(2009006, {9, 10, 11, 12, 13}, {1, 2}));
  std::vector<int32_t> issues;
  for (const Draw& d : t.RepeatedFrontDraws()) issues.push_back(d.qs);
  EXPECT_EQ(issues, (std::vector<int32_t>{2009001, 2009003, 2009005, 2009002, 2009004}));
}

TEST_F(DrawTableTest, MemoryHistoryHoldsTheNewest3000AndStopsAtReservedNumbers) {
  DrawTable t(DbPath());
  t.ApplyImport(test::RandomHistory(3005), false);
  t.WriteForecast(MakeDraw(0, {1, 2, 3, 4, 5}, {1, 2}));
  t.LocateDraw(t.Draws()[100].qs);
  MemoryHistory mem;
  mem.LoadFrom(t);
  // 3006 records: start at record 3006 - 2999 = 7 and stop before the forecast.
  ASSERT_EQ(mem.Count(), 2999);
  EXPECT_EQ(mem.At(0).qs, t.Draws()[6].qs);
  EXPECT_EQ(mem.At(2998).qs, t.Draws()[3004].qs);
  EXPECT_EQ(mem.Slots().size(), 3000u) << "slot N + 1 is free for a candidate";
  EXPECT_EQ(t.CurrentDraw().qs, t.Draws()[100].qs) << "loading leaves the cursor";

  t.DeleteForecast();
  mem.LoadFrom(t);
  ASSERT_EQ(mem.Count(), 3000);
  EXPECT_EQ(mem.At(0).qs, t.Draws()[5].qs) << "entry 1 is the record count - 2999";
}

TEST_F(DrawTableTest, SmallHistoryLoadsWhole) {
  DrawTable t(DbPath());
  Fill(t, 4);
  MemoryHistory mem;
  mem.LoadFrom(t);
  EXPECT_EQ(mem.Count(), 4);
  EXPECT_EQ(mem.At(0).qs, 2009001);
}

}  // namespace
}  // namespace dlt

namespace dlt {
namespace {

// Runs SQL on the table file the way another program would.
void EditOutside(const std::string& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

TEST_F(DrawTableTest, RowsNoDrawCanHaveAreKeptOutNamedAndMendable) {
  {
    DrawTable t(DbPath());
    Fill(t, 4);
  }
  EditOutside(DbPath(),
              "UPDATE basedata SET red1 = 200 WHERE qs = 2009001;"
              "UPDATE basedata SET red5 = 0 WHERE qs = 2009002;"
              "UPDATE basedata SET red2 = NULL WHERE qs = 2009003;"
              "INSERT INTO basedata (qs, red1, red2, red3, red4, red5, red6, blue)"
              " VALUES (-5, 1, 2, 3, 4, 5, 1, 2);");
  DrawTable t(DbPath());
  ASSERT_EQ(t.RecordCount(), 1) << "nothing computes on a bad row";
  EXPECT_EQ(t.Draws()[0].qs, 2009004);
  std::vector<std::pair<int64_t, std::string>> bad;
  for (const BadRow& b : t.BadRows()) bad.emplace_back(b.qs, b.reason);
  EXPECT_EQ(bad,
            (std::vector<std::pair<int64_t, std::string>>{{-5, "期数必须是七位比如2009001: -5"},
                                                          {2009001, "主号一必须在1到35之间: 200"},
                                                          {2009002, "主号五必须在1到35之间: 0"},
                                                          {2009003, "主号二不是整数"}}));
  EXPECT_NE(t.BadRowsMessage().find("第2009001期: 主号一必须在1到35之间: 200"), std::string::npos);

  // Mended: deleted, or stored again with the right numbers.
  EXPECT_TRUE(t.DeleteDraw(-5));
  EXPECT_TRUE(t.DeleteDraw(2009002));
  ASSERT_TRUE(t.AppendDraw(MakeDraw(2009001, {1, 2, 3, 4, 6}, {2, 12})));
  EXPECT_EQ(t.BadRows().size(), 1u);
  DrawTable reopened(DbPath());
  ASSERT_EQ(reopened.BadRows().size(), 1u);
  EXPECT_EQ(reopened.BadRows()[0].qs, 2009003);
  EXPECT_EQ(reopened.RecordCount(), 2);
  reopened.ApplyImport({MakeDraw(2009010, {1, 2, 3, 4, 5}, {1, 2})}, true);
  EXPECT_TRUE(DrawTable(DbPath()).BadRows().empty()) << "an overwrite replaces bad rows too";
}

// A table that cannot be opened says why (and closes its handle: the leak
// checker of the sanitizer build watches).
TEST_F(DrawTableTest, AFileThatCannotBeOpenedSaysWhy) {
  test::WriteBytes(DbPath(), std::string(4096, 'x'));
  try {
    DrawTable t(DbPath());
    ADD_FAILURE() << "a file that is no database opened";
  } catch (const DbError& e) {
    EXPECT_EQ(std::string(e.what()),
              "无法打开数据库 " + DbPath() + ": 数据库文件已损坏或不是数据库文件");
  }
  const std::string other = dir.file("locked.db");
  { DrawTable create(other); }
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(other.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  try {
    DrawTable t(other);
    ADD_FAILURE() << "a locked table opened";
  } catch (const DbError& e) {
    EXPECT_EQ(std::string(e.what()),
              "无法打开数据库 " + other + ": 数据库正被另一个程序使用, 请稍后再试");
  }
  sqlite3_close(db);
}

TEST_F(DrawTableTest, AFullDiskDuringImportSaysSoAndStoresNothing) {
  DrawTable t(DbPath());
  Fill(t, 3);
  try {
    test::FileSizeLimit fullDisk(64 * 1024);
    t.ApplyImport(test::RandomHistory(3000), true);
    ADD_FAILURE() << "the import went through";
  } catch (const DbError& e) {
    EXPECT_NE(std::string(e.what()).find("磁盘"), std::string::npos) << e.what();
  }
  EXPECT_EQ(t.RecordCount(), 3);
  EXPECT_EQ(t.Draws()[0].qs, 2009001);
  EXPECT_EQ(DrawTable(DbPath()).RecordCount(), 3);
}

TEST(DrawTableBatch, WritesInsideABatchLandTogetherAndPostStillWorks) {
  test::TempDir dir;
  DrawTable t(dir.file("basedata.db"));
  t.ApplyImport(test::RandomHistory(50), false);
  {
    WriteBatch batch(t);
    WriteBatch nested(t);
    for (int i = 0; i < t.RecordCount(); ++i) {
      const std::string text = std::to_string(i);
      t.SetColdHotTexts(i, &text, nullptr, nullptr);
    }
    ASSERT_TRUE(t.AppendDraw(test::MakeDraw(2030001, {1, 2, 3, 4, 5}, {1, 2})));
    std::string error;
    EXPECT_FALSE(t.AppendDraw(test::MakeDraw(2030001, {1, 2, 3, 4, 5}, {1, 2}), &error));
    t.ApplyImport({test::MakeDraw(2030002, {1, 2, 3, 4, 6}, {1, 2})}, false);
  }
  DrawTable again(dir.file("basedata.db"));
  ASSERT_EQ(again.RecordCount(), 52);
  EXPECT_EQ(again.Extras(49).coldhotbone, "49");
  EXPECT_EQ(again.Draws().back().qs, 2030002);
}

}  // namespace
}  // namespace dlt
