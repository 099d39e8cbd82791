#include "history/draw_text_io.h"

#include <gtest/gtest.h>

#include "history/draw_table.h"
#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;

TEST(DrawValidation, AcceptsSortsAndRejectsWithTheField) {
  std::string error;
  auto d = ValidateDraw(2009001, {22, 3, 18, 5, 12}, {11, 5}, &error);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(*d, MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11})) << "numbers are stored ascending";

  EXPECT_FALSE(ValidateDraw(200901, {1, 2, 3, 4, 5}, {1, 2}, &error));
  EXPECT_NE(error.find("七位"), std::string::npos);
  EXPECT_FALSE(ValidateDraw(9999998, {1, 2, 3, 4, 5}, {1, 2}, &error)) << "reserved numbers";
  EXPECT_FALSE(ValidateDraw(2009001, {1, 2, 3, 4, 36}, {1, 2}, &error));
  EXPECT_NE(error.find("主号五"), std::string::npos);
  EXPECT_FALSE(ValidateDraw(2009001, {0, 2, 3, 4, 5}, {1, 2}, &error));
  EXPECT_FALSE(ValidateDraw(2009001, {1, 2, 3, 4, 5}, {1, 13}, &error));
  EXPECT_NE(error.find("副号二"), std::string::npos);
  EXPECT_FALSE(ValidateDraw(2009001, {1, 2, 3, 3, 5}, {1, 2}, &error));
  EXPECT_EQ(error, "主号不能重复");
  EXPECT_FALSE(ValidateDraw(2009001, {1, 2, 3, 4, 5}, {7, 7}, &error));
  EXPECT_EQ(error, "副号不能重复");
}

TEST(DrawExport, WritesEveryFieldTwoDigitWithATrailingBlankAndCrLf) {
  test::TempDir dir;
  std::vector<Draw> draws = {MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11}),
                             MakeDraw(2009002, {1, 10, 20, 30, 35}, {1, 12})};
  std::string error;
  ASSERT_TRUE(ExportDraws(draws, dir.file("data"), &error)) << error;
  EXPECT_EQ(test::ReadBytes(dir.file("data.txt")),
            "2009001 03 05 12 18 22 05 11 \r\n2009002 01 10 20 30 35 01 12 \r\n");
}

TEST(DrawExport, TxtIsAppendedOnlyWhenTheNameLacksIt) {
  EXPECT_EQ(WithTxtExtension("data"), "data.txt");
  EXPECT_EQ(WithTxtExtension("data.txt"), "data.txt");
  EXPECT_EQ(WithTxtExtension("data.txt.bak"), "data.txt.bak");
}

TEST(DrawImport, ReadsTheProgramsOwnLayoutUntilADrawNumberOfZero) {
  auto parsed = ParseDrawLines(
      {"2009001 03 05 12 18 22 05 11 ", "2009002 1 2 3 4 5 1 2", "0 0 0 0 0 0 0 0", "  "});
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  ASSERT_EQ(parsed.draws.size(), 2u);
  EXPECT_EQ(parsed.draws[1], MakeDraw(2009002, {1, 2, 3, 4, 5}, {1, 2}));
}

TEST(DrawImport, ReadsCsvWithHeaderTwoDigitYearsAndExtraColumns) {
  auto parsed = ParseDrawLines({"issue,date,r1,r2,r3,r4,r5,b1,b2,sales,pool",
                                "07001,2007-05-30,22,24,29,31,35,4,11,17086781,89168335",
                                "2007002,2007-06-02,15,22,31,34,35,5,12,1,2"});
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  ASSERT_EQ(parsed.draws.size(), 2u);
  EXPECT_EQ(parsed.draws[0], MakeDraw(2007001, {22, 24, 29, 31, 35}, {4, 11}));
  EXPECT_EQ(parsed.draws[1].qs, 2007002);

  auto tabbed =
      ParseDrawLines({"期号\t红1\t红2\t红3\t红4\t红5\t蓝1\t蓝2", "07003\t3\t4\t18\t23\t32\t6\t1"});
  ASSERT_TRUE(tabbed.ok()) << tabbed.error;
  EXPECT_EQ(tabbed.draws[0], MakeDraw(2007003, {3, 4, 18, 23, 32}, {1, 6}));
}

TEST(DrawImport, ABadLineFailsTheWholeFileNamingTheLine) {
  auto parsed = ParseDrawLines(
      {"2009001 03 05 12 18 22 05 11", "2009002 01 02 03 04 40 01 02", "2009003 1 2 3 4 5 1 2"});
  EXPECT_FALSE(parsed.ok());
  EXPECT_TRUE(parsed.draws.empty());
  EXPECT_NE(parsed.error.find("第2行"), std::string::npos) << parsed.error;

  auto shortLine = ParseDrawLines({"2009001 03 05 12"});
  EXPECT_FALSE(shortLine.ok());
  auto text = ParseDrawLines({"2009001 03 05 12 18 x 05 11"});
  EXPECT_FALSE(text.ok());
  EXPECT_NE(text.error.find("第1行"), std::string::npos);
}

// Files that would silently lose or invent draws are refused as a whole.
TEST(DrawImport, DoubtfulFilesAreRefusedNamingTheLine) {
  const std::string a = "2009001 03 05 12 18 22 05 11";
  const std::string b = "2009002 01 02 03 04 05 01 02";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "文件中没有开奖数据"},
      {{"", "   "}, "文件中没有开奖数据"},
      {{"0 0 0 0 0 0 0 0"}, "文件中没有开奖数据"},
      {{"0 0 0 0 0 0 0 0", a}, "第1行: 期数为0的行之后还有数据(期数0表示文件结束)"},
      {{a, "0", "", b}, "第2行: 期数为0的行之后还有数据(期数0表示文件结束)"},
      {{a, b + " 07"}, "第2行: 这一行有9列, 其他各行有8列"},
      {{a, b, "2009001 01 02 03 04 06 01 02"}, "第3行: 期数2009001重复, 号码与前面的不同"},
      {{"-5 01 02 03 04 05 01 02"}, "第1行第1列: 期数不能是负数: -5"},
      {{"2009001 -3 02 03 04 05 01 02"}, "第1行第2列: 主号一不能是负数: -3"},
      {{"9999999 01 02 03 04 05 01 02"}, "第1行: 期数9999999留作预测区, 不能用于开奖数据"},
  };
  for (const auto& [lines, error] : cases) {
    const ParsedDraws parsed = ParseDrawLines(lines);
    EXPECT_EQ(parsed.error, error) << (lines.empty() ? "" : lines.front());
    EXPECT_TRUE(parsed.draws.empty());
  }
  const ParsedDraws twice = ParseDrawLines({a, b, a});
  ASSERT_TRUE(twice.ok()) << twice.error;
  EXPECT_EQ(twice.draws.size(), 2u) << "the same line twice counts once";
}

TEST(DrawImport, AFileThatFailsHalfWayLeavesTheHistoryUntouched) {
  test::TempDir dir;
  DrawTable t(dir.file("basedata.db"));
  t.ApplyImport({MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11})}, false);
  test::WriteBytes(dir.file("in.txt"),
                   "2009002 01 02 03 04 05 01 02\r\n2009003 01 02 03 04 05 01 99\r\n");
  auto parsed = ReadDrawFile(dir.file("in.txt"));
  ASSERT_FALSE(parsed.ok());
  // The caller applies nothing of a failed parse, in either mode.
  EXPECT_EQ(t.RecordCount(), 1);
  EXPECT_EQ(DrawTable(dir.file("basedata.db")).RecordCount(), 1);
}

TEST(DrawImport, ExportThenImportGivesTheSameHistory) {
  test::TempDir dir;
  const auto draws = test::RandomHistory(300);
  // The forecast record stays out of the file, so the file imports again.
  std::vector<Draw> withForecast = draws;
  withForecast.push_back(MakeDraw(kForecastQs, {1, 2, 3, 4, 5}, {1, 2}));
  ASSERT_TRUE(ExportDraws(withForecast, dir.file("h.txt"), nullptr));
  auto parsed = ReadDrawFile(dir.file("h.txt"));
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  EXPECT_EQ(parsed.draws, draws);
}

TEST(DemoDraws, AreValidReproducibleAndNumberedYearByYear) {
  const auto a = MakeDemoDraws(2000, 5);
  EXPECT_EQ(a, MakeDemoDraws(2000, 5));
  EXPECT_NE(a, MakeDemoDraws(2000, 6));
  EXPECT_EQ(a[0].qs, 2007001);
  EXPECT_EQ(a[149].qs, 2007150);
  EXPECT_EQ(a[150].qs, 2008001);
  for (const Draw& d : a) {
    std::string error;
    auto v = ValidateDraw(d.qs, {d.front[0], d.front[1], d.front[2], d.front[3], d.front[4]},
                          {d.back[0], d.back[1]}, &error);
    ASSERT_TRUE(v) << error;
    ASSERT_EQ(*v, d);
  }
}

}  // namespace
}  // namespace dlt
