#include "history/custom_indicator_list.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace dlt {
namespace {

TEST(CustomIndicatorList, FormulaEightSpacesName) {
  EXPECT_EQ(CustomIndicatorLine("z_hz+z_hw", "和加和尾"), "z_hz+z_hw        和加和尾");
  EXPECT_EQ(CustomIndicatorLine("  z_hz ", " 和值 "), "z_hz        和值") << "both parts trimmed";
  EXPECT_EQ(CustomIndicatorLine("z_hz", ""), "z_hz") << "the line is trimmed at both ends";
}

TEST(CustomIndicatorList, ModifySplitsAtTheFirstSpace) {
  const auto c = SplitCustomIndicatorLine("z_hz+z_hw        和加和尾");
  EXPECT_EQ(c.formula, "z_hz+z_hw");
  EXPECT_EQ(c.name, "和加和尾");
  const auto spaced = SplitCustomIndicatorLine("z_hz  my sum  name");
  EXPECT_EQ(spaced.formula, "z_hz");
  EXPECT_EQ(spaced.name, "my sum  name") << "spaces inside the name stay";
  const auto bare = SplitCustomIndicatorLine("z_num1");
  EXPECT_EQ(bare.formula, "z_num1");
  EXPECT_EQ(bare.name, "");
  // Round trip: a stored line shows its two parts again.
  const auto back = SplitCustomIndicatorLine(CustomIndicatorLine("(z_hz+z_num1)%10", "名"));
  EXPECT_EQ(CustomIndicatorLine(back.formula, back.name), "(z_hz+z_num1)%10        名");
}

TEST(CustomIndicatorList, FormulasWithSpacesOrEmptyAreRefused) {
  EXPECT_EQ(CheckCustomIndicatorFormula(""), "公式有误:你还未输入公式");
  EXPECT_EQ(CheckCustomIndicatorFormula("   "), "公式有误:你还未输入公式");
  EXPECT_EQ(CheckCustomIndicatorFormula("z_hz + 1"), "公式有误:不能有空格");
  EXPECT_EQ(CheckCustomIndicatorFormula(" z_hz "), std::nullopt) << "outer blanks are trimmed";
}

TEST(CustomIndicatorList, FileIsGbkWithCrLfAndMissingMeansEmpty) {
  test::TempDir dir;
  const std::string path = dir.file("save/selfzb.txt");
  auto none = LoadCustomIndicatorLines(path);
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->empty());
  const std::vector<std::string> lines = {"z_hz+z_hw        和加和尾", "z_num1        一位"};
  std::string error;
  ASSERT_TRUE(SaveCustomIndicatorLines(path, lines, &error)) << error;
  const std::string bytes = test::ReadBytes(path);
  // "和" in GBK is BA CD.
  EXPECT_NE(bytes.find("z_hz+z_hw        \xBA\xCD"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(*LoadCustomIndicatorLines(path), lines);
}

TEST(CustomIndicatorList, LinesAreTrimmedAndBlankLinesDropped) {
  test::TempDir dir;
  test::WriteBytes(dir.file("selfzb.txt"), "  z_hz        sum  \r\n\r\nz_hw\r\n");
  EXPECT_EQ(*LoadCustomIndicatorLines(dir.file("selfzb.txt")),
            (std::vector<std::string>{"z_hz        sum", "z_hw"}));
}

}  // namespace
}  // namespace dlt
