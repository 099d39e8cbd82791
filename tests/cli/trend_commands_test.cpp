#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace dlt {
namespace {

using test::RunDlt;

std::string Line(const std::string& title, std::vector<std::string> values) {
  std::string line = title;
  for (const std::string& v : values) line += "\t" + v;
  return line + "\n";
}

std::vector<std::string> Repeat(std::vector<std::string> head, const std::string& v, int n) {
  head.insert(head.end(), n, v);
  return head;
}

// Back numbers 01 02, 01 03, 04 05.
void AddThreeDraws(const std::string& dir) {
  test::AddDraws(dir, {{"2009001", "1", "2", "3", "4", "5", "1", "2"},
                       {"2009002", "6", "7", "8", "9", "10", "1", "3"},
                       {"2009003", "11", "12", "13", "14", "15", "4", "5"}});
}

TEST(OmissionCommand, BackZoneRowsOfAHandComputedRange) {
  test::TempDir dir;
  AddThreeDraws(dir.path());
  const auto r = RunDlt(dir.path(), {"omission", "--zone", "back"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string none = "9999";
  EXPECT_EQ(r.out, Line("出现次数", Repeat({"2", "1", "1", "1", "1"}, "0", 7)) +
                       Line("最大遗漏", Repeat({"0", none, "1", "2", "2"}, none, 7)) +
                       Line("平均遗漏", Repeat({"0", none, "1", "2", "2"}, none, 7)) +
                       Line("上次遗漏", Repeat({"0", none, "1", "2", "2"}, none, 7)) +
                       Line("本次遗漏", Repeat({"1", "2", "1", "0", "0"}, "3", 7)));
  // A range of the first two draws, given in either order.
  const auto part =
      RunDlt(dir.path(), {"omission", "--zone", "back", "--from", "2009002", "--to", "2009001"});
  ASSERT_EQ(part.status, 0) << part.err;
  EXPECT_NE(part.out.find(Line("本次遗漏", Repeat({"0", "1", "0"}, "2", 9))), std::string::npos)
      << part.out;
}

// Back numbers are two of twelve: 1/6 a draw. Over three draws the χ² of
// the twelve counts is Σ (O - E)² · 11 / (n·p·(1-p)·12) = 11.00 with 11
// degrees; the figures below were worked out apart from the program.
TEST(OmissionCommand, ExpectedRowsAndFitOfTheBackZone) {
  test::TempDir dir;
  AddThreeDraws(dir.path());
  const auto plain = RunDlt(dir.path(), {"omission", "--zone", "back"});
  const auto r = RunDlt(dir.path(), {"omission", "--zone", "back", "--expected"});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.out.rfind(plain.out, 0), 0u) << "the five rows come first, unchanged";
  EXPECT_EQ(
      r.out.substr(plain.out.size()),
      Line("期望次数", Repeat({}, "0.50", 12)) +
          Line("偏差", Repeat({"+2.32", "+0.77", "+0.77", "+0.77", "+0.77"}, "-0.77", 7)) +
          Line("期望遗漏", Repeat({}, "5.00", 12)) +
          Line("遗漏概率", Repeat({"0.833333", "0.694444", "0.833333", "1.000000", "1.000000"},
                                  "0.578704", 7)) +
          "χ²=11.00  自由度=11  p=0.443263（期望次数小于5的项较多，仅供参考）\n");
}

TEST(OmissionCommand, DefaultRangeIsTheLastHundredDraws) {
  test::TempDir dir;
  ASSERT_EQ(RunDlt(dir.path(), {"history", "demo", "--draws", "150", "--seed", "4"}).status, 0);
  const auto list = RunDlt(dir.path(), {"history", "list"});
  // The 51st draw opens the last hundred.
  const size_t line51 = [&] {
    size_t pos = 0;
    for (int i = 0; i < 50; ++i) pos = list.out.find('\n', pos) + 1;
    return pos;
  }();
  const std::string qs51 = list.out.substr(line51, 7);
  for (const char* zone : {"front", "tail"}) {
    const auto byDefault = RunDlt(dir.path(), {"omission", "--zone", zone});
    const auto explicitRange = RunDlt(dir.path(), {"omission", "--zone", zone, "--from", qs51});
    ASSERT_EQ(byDefault.status, 0) << byDefault.err;
    EXPECT_EQ(byDefault.out, explicitRange.out);
    EXPECT_NE(
        byDefault.out,
        RunDlt(dir.path(), {"omission", "--zone", zone, "--from", list.out.substr(0, 7)}).out);
  }
}

TEST(OmissionCommand, BadInputFails) {
  test::TempDir dir;
  EXPECT_EQ(RunDlt(dir.path(), {"omission"}).status, 1);  // empty history
  ASSERT_EQ(
      RunDlt(dir.path(), {"history", "add", "2009001", "1", "2", "3", "4", "5", "1", "2"}).status,
      0);
  const auto missing = RunDlt(dir.path(), {"omission", "--from", "2009999"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_NE(missing.err.find("2009999"), std::string::npos) << missing.err;
  EXPECT_EQ(RunDlt(dir.path(), {"omission", "--zone", "middle"}).status, 1);
}

}  // namespace
}  // namespace dlt
