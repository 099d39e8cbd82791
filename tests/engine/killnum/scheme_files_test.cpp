#include "killnum/scheme_files.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace dlt {
namespace {

using test::ReadBytes;
using test::WriteBytes;

std::string Repeat(const std::string& line, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += line;
  return s;
}

TEST(SchemeFiles, AMissingFileIsWrittenWithTheDefaultFormula) {
  test::TempDir dir;
  const std::string path = dir.file("fqtd.txt");
  const auto book = LoadSchemeFile(path, 10);
  ASSERT_TRUE(book);
  EXPECT_EQ(ReadBytes(path), Repeat("[-1]z_hw\r\n", 100));
  EXPECT_EQ(book->Formula(10, 10), "[-1]z_hw");
}

TEST(SchemeFiles, ShortFilesAreCompletedAndSavingRewritesEveryLine) {
  test::TempDir dir;
  const std::string path = dir.file("lmsh.txt");
  WriteBytes(path, "z_num1%12+1\r\n (z_hz)%12 \r\n");
  auto book = LoadSchemeFile(path, 25);
  ASSERT_TRUE(book);
  EXPECT_EQ(book->Scheme(1, 3), (std::vector<std::string>{"z_num1%12+1", "(z_hz)%12", "[-1]z_hw"}));
  book->SetFormula(2, 25, "f_hz%12");
  ASSERT_TRUE(SaveSchemeFile(path, *book));
  const auto again = LoadSchemeFile(path, 25);
  EXPECT_EQ(again->Lines(), book->Lines());
  EXPECT_EQ(again->Formula(2, 25), "f_hz%12");
  EXPECT_EQ(again->Lines().size(), 250u);
}

TEST(SchemeFiles, ImportingNeverWritesPastTheLastSlot) {
  SchemeBook book(15);
  const std::vector<std::string> many(20, "z_num2");
  EXPECT_EQ(book.Fill(3, many), 15);
  EXPECT_EQ(book.Formula(3, 15), "z_num2");
  EXPECT_EQ(book.Formula(4, 1), "[-1]z_hw");
  EXPECT_EQ(book.Fill(10, many), 15);
  EXPECT_EQ(book.Lines().size(), 150u);
}

TEST(SchemeFiles, CustomKillSetsAndFormulaSets) {
  test::TempDir dir;
  CustomKillSet set;
  set.indicator = "z_hz%10";
  set.from = 0;
  set.to = 9;
  set.book.SetFormula(2, 100, "[-2]z_hw");
  const std::string scs = dir.file("a.scs");
  ASSERT_TRUE(SaveCustomKillSet(scs, set));
  EXPECT_EQ(ReadBytes(scs).substr(0, 25), "z_hz%10\r\n0\r\n9\r\n[-1]z_hw\r\n");
  const auto loaded = LoadCustomKillSet(scs);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->book.Lines(), set.book.Lines());
  EXPECT_EQ(loaded->to, 9);

  WriteBytes(scs, "z_hz\r\nlow\r\n9\r\n");
  std::string error;
  EXPECT_FALSE(LoadCustomKillSet(scs, &error));
  EXPECT_EQ(error, "不是自定义杀号存储文件：前三行应是指标、最小值和最大值");

  const std::string set1 = dir.file("set.txt");
  WriteBytes(set1, "z_num1\r\n\r\n  \r\n[-1]z_num2\r\n");
  EXPECT_EQ(*LoadFormulaSet(set1), (std::vector<std::string>{"z_num1", "[-1]z_num2"}));

  // A misspelt name refuses the file; its line is counted with the blank ones.
  WriteBytes(set1, "z_num1\r\n\r\nz_num1+foo\r\n[-1]z_num2\r\n");
  EXPECT_FALSE(LoadFormulaSet(set1, &error));
  EXPECT_EQ(error, "第3行: 公式有误:foo指标不存在");
  WriteBytes(scs, "z_hz\r\n0\r\n9\r\n[-1]z_hw\r\n\r\n[-1]Z_HW\r\n");
  EXPECT_FALSE(LoadCustomKillSet(scs, &error));
  EXPECT_EQ(error, "第6行: 公式有误:Z_HW指标不存在");
  WriteBytes(scs, "zhz\r\n0\r\n9\r\n");
  EXPECT_FALSE(LoadCustomKillSet(scs, &error));
  EXPECT_EQ(error, "第1行: 公式有误:zhz指标不存在");

  EXPECT_EQ(WithExtension("a", ".scs"), "a.scs");
  EXPECT_EQ(WithExtension("a.scs.bak", ".scs"), "a.scs.bak");
}

}  // namespace
}  // namespace dlt
