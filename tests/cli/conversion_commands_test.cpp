#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace dlt {
namespace {

using test::RunDlt;

void Add(const std::string& dir, std::vector<std::string> draw) {
  draw.insert(draw.begin(), {"history", "add"});
  ASSERT_EQ(RunDlt(dir, draw).status, 0);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string f; std::getline(in, f, '\t');) fields.push_back(f);
  return fields;
}

TEST(ConvertCommand, TableAndKills) {
  test::TempDir dir;
  // 主号一 runs 3, 5, 3, 3.
  Add(dir.path(), {"2009001", "3", "12", "18", "22", "30", "1", "2"});
  Add(dir.path(), {"2009002", "5", "12", "18", "22", "30", "1", "2"});
  Add(dir.path(), {"2009003", "3", "12", "18", "22", "30", "1", "2"});
  Add(dir.path(), {"2009004", "3", "13", "18", "22", "30", "1", "2"});
  const auto table = RunDlt(dir.path(), {"convert", "z_num1"});
  ASSERT_EQ(table.status, 0) << table.err;
  const auto lines = Lines(table.out);
  ASSERT_EQ(lines.size(), 4u);
  const char* conversion1[] = {"0", "1", "1", "0"};
  for (size_t i = 0; i < 4; ++i) {
    const auto f = Fields(lines[i]);
    ASSERT_EQ(f.size(), 202u);  // issue, value, conversions 1..200
    EXPECT_EQ(f[0], std::to_string(2009001 + i));
    EXPECT_EQ(f[1], i == 1 ? "5" : "3");
    EXPECT_EQ(f[2], conversion1[i]);
  }
  const auto part = RunDlt(dir.path(), {"convert", "z_num1", "--from", "2009003"});
  ASSERT_EQ(part.status, 0);
  EXPECT_EQ(Lines(part.out).size(), 2u);
  EXPECT_EQ(Fields(Lines(part.out)[1])[2], "0");  // the table starts afresh

  // Kills with conversion 1 (0, 1, 1, 0): the run of two at the third draw
  // kills the value that would continue it, 5.
  const auto kills = RunDlt(dir.path(), {"convert", "z_num1", "--kill", "1-1"});
  ASSERT_EQ(kills.status, 0) << kills.err;
  const auto k = Lines(kills.out);
  ASSERT_EQ(k.size(), 6u);
  EXPECT_EQ(k[0], "2009001\t3\t\t");
  EXPECT_EQ(k[1], "2009002\t5\t绝杀：普杀：\t正确");
  EXPECT_EQ(k[2], "2009003\t3\t绝杀：普杀：\t正确");
  EXPECT_EQ(k[3], "2009004\t3\t绝杀：普杀：5(1),\t正确");
  EXPECT_EQ(k[4], "预测期\t绝杀：普杀：");
  EXPECT_EQ(k[5], "正确率\t75%");
}

TEST(ConvertCommand, BadInputFails) {
  test::TempDir dir;
  EXPECT_EQ(RunDlt(dir.path(), {"convert", "z_num1"}).status, 1);  // empty history
  Add(dir.path(), {"2009001", "3", "12", "18", "22", "30", "1", "2"});
  for (std::vector<std::string> args : {std::vector<std::string>{"convert", "no_such_key"},
                                        {"convert", "z_num1", "--kill", "0-30"},
                                        {"convert", "z_num1", "--kill", "5-2"},
                                        {"convert", "z_num1", "--kill", "1-201"},
                                        {"convert", "z_num1", "--kill", "a-b"},
                                        {"convert", "z_num1", "--from", "2009999"}}) {
    const auto r = RunDlt(dir.path(), args);
    EXPECT_EQ(r.status, 1) << args.back();
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(r.err.empty());
  }
}

TEST(MatrixCommand, OneDrawWithItsEmptyLines) {
  test::TempDir dir;
  Add(dir.path(), {"2009001", "1", "8", "15", "22", "29", "1", "2"});
  Add(dir.path(), {"2009002", "2", "3", "4", "5", "6", "1", "2"});
  const auto plain = RunDlt(dir.path(), {"matrix", "--draw", "2009001"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.out,
            "01* 02  03  04  05  06\n"
            "07  08* 09  10  11  12\n"
            "13  14  15* 16  17  18\n"
            "19  20  21  22* 23  24\n"
            "25  26  27  28  29* 30\n"
            "31  32  33  34  35  36\n"
            "空行: 6\n"
            "空列: 6\n");

  // An order file, a 9 X 4 matrix, the last draw by default.
  const std::string order = dir.file("order.hls");
  test::WriteBytes(
      order,
      "40  39  38  37  36  35  34  33  32  31  \r\n30  29  28  27  26  25  24  23  22  "
      "21  \r\n20  19  18  17  16  15  14  13  12  11  \r\n10  09  08  07  06  05  04  "
      "03  02  01  \r\n");
  const auto reversed = RunDlt(dir.path(), {"matrix", "--size", "9x4", "--order", order});
  ASSERT_EQ(reversed.status, 0) << reversed.err;
  const auto lines = Lines(reversed.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], "13  12  11  10  09  08  07  06* 05*");
  EXPECT_EQ(lines[4], "空行: 1 2 3");
  EXPECT_EQ(lines[5], "空列: 1 2 3 4 5 6 7");

  for (std::vector<std::string> args : {std::vector<std::string>{"matrix", "--size", "9x5"},
                                        {"matrix", "--size", "six"},
                                        {"matrix", "--order", dir.file("missing.hls")},
                                        {"matrix", "--draw", "2009999"}}) {
    const auto r = RunDlt(dir.path(), args);
    EXPECT_EQ(r.status, 1) << args.back();
    EXPECT_FALSE(r.err.empty());
  }
}

// With no draw judged (the range holds one draw, which nothing predicted)
// there is no rate to give, not "0%".
TEST(ConvertCommand, NoDrawJudgedGivesNoRate) {
  test::TempDir dir;
  Add(dir.path(), {"2009001", "3", "12", "18", "22", "30", "1", "2"});
  Add(dir.path(), {"2009002", "5", "12", "18", "22", "30", "1", "2"});
  for (std::vector<std::string> args :
       {std::vector<std::string>{"convert", "z_num1", "--from", "2009002", "--kill", "1-30"},
        {"convert", "z_num1", "--from", "2009001", "--to", "2009001", "--kill", "1-30"}}) {
    const auto r = RunDlt(dir.path(), args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "正确率\t没有可判断的开奖数据");
  }
  const auto two = RunDlt(dir.path(), {"convert", "z_num1", "--kill", "1-30"});
  EXPECT_EQ(Lines(two.out).back(), "正确率\t50%");  // 1 correct of 2 analysed
}

// A layout file that is no layout is refused with the file and the line
// that is wrong (every form is checked in the engine's tests).
TEST(MatrixCommand, MalformedLayoutsAreRefusedByLine) {
  test::TempDir dir;
  Add(dir.path(), {"2009001", "1", "8", "15", "22", "29", "1", "2"});
  const struct {
    std::string bytes;
    std::string message;
  } cases[] = {
      {"01  01  01  01  01  01  01  01  01  01  \r\n", "第1行的01重复: 第1行已有01"},
      {"01 02 03 04 05 06 07 08 09 10 11 12 13\r\n", "第1行的号码超过10个"},
      {"01\r\n02\r\n03\r\n04\r\n05\r\n", "第2行多余: 第1行不足10个号码"},
  };
  const std::string order = dir.file("bad.hls");
  for (const auto& c : cases) {
    test::WriteBytes(order, c.bytes);
    const auto r = RunDlt(dir.path(), {"matrix", "--order", order});
    EXPECT_EQ(r.status, 1) << c.message;
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("无法读取行列式文件 " + order + ": " + c.message), std::string::npos)
        << r.err;
  }
}

}  // namespace
}  // namespace dlt
