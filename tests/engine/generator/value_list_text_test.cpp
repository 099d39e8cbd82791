#include "generator/value_list_text.h"

#include <gtest/gtest.h>

#include "generator/condition_list_lines.h"

namespace dlt {
namespace {

ValueSet Values(std::vector<int32_t> v) {
  return *ValueSet::From(std::move(v));
}

std::vector<int32_t> Parsed(std::string_view text) {
  std::string error;
  auto set = ParseValueList(text, &error);
  EXPECT_TRUE(set.has_value()) << text << ": " << error;
  return set ? set->Values() : std::vector<int32_t>{};
}

std::string ParseError(std::string_view text) {
  std::string error;
  EXPECT_FALSE(ParseValueList(text, &error).has_value()) << text;
  return error;
}

TEST(ValueListText, EditShowsEveryValueWithTwoBlanks) {
  EXPECT_EQ(ValueEditText(Values({0, 2, 3})), "0  2  3  ");
  EXPECT_EQ(ValueEditText(ValueSet{}), "");
  EXPECT_EQ(ValueEditText(Values({120})), "120  ");
}

TEST(ValueListText, MemosShowTwoDigitNumbers) {
  const std::vector<int> numbers = {1, 2, 35};
  EXPECT_EQ(NumberMemoText(numbers), "01  02  35  ");
  EXPECT_EQ(NumberMemoText({}), "");
}

TEST(ValueListText, ParsesValuesAndRanges) {
  EXPECT_EQ(Parsed("2,3"), (std::vector<int32_t>{2, 3}));
  EXPECT_EQ(Parsed("0,2-4"), (std::vector<int32_t>{0, 2, 3, 4}));
  EXPECT_EQ(Parsed("80-120").size(), 41u);
  EXPECT_EQ(Parsed("80-120").front(), 80);
  EXPECT_EQ(Parsed("0  2  3  "), (std::vector<int32_t>{0, 2, 3}));  // the edit form
  EXPECT_EQ(Parsed("3，1, 2"), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(Parsed("5,5,4-6"), (std::vector<int32_t>{4, 5, 6}));
  EXPECT_EQ(Parsed("7-7"), (std::vector<int32_t>{7}));
  EXPECT_EQ(Parsed(" 1 - 3 , 15"), (std::vector<int32_t>{1, 2, 3, 15}));
  EXPECT_EQ(Parsed("1 ,2, 3"), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_TRUE(Parsed("").empty());
  EXPECT_EQ(Parsed("0-2000").size(), 2001u);
}

TEST(ValueListText, RefusesMalformedLists) {
  EXPECT_EQ(ParseError("a"), "\"a\" 不是整数或范围 (应写成如 2,3 或 80-120 或 0,2-4)");
  EXPECT_EQ(ParseError("5-3"), "取值范围的起点大于终点: 5-3");
  ParseError("1-");
  ParseError("-5");
  ParseError("1-2-3");
  for (const char* missing : {"1,,2", "1,", ",1", ",", "1， ，2", "1 , , 2"})
    EXPECT_EQ(ParseError(missing), std::string("逗号之间缺少数值: ") + missing);
  ParseError("+4");
  ParseError("99999999999");
  EXPECT_EQ(ParseError("0-2001"), "取值个数不能超过2001个");
  EXPECT_EQ(ParseError("0-1000,2000-3000"), "取值个数不能超过2001个");
  ParseError("0-2147483647");
}

TEST(ValueListText, CompactFormRoundTrips) {
  EXPECT_EQ(ValueListText(Values({0, 2, 3, 4, 7})), "0,2-4,7");
  EXPECT_EQ(ValueListText(Values({1, 2})), "1,2");
  EXPECT_EQ(ValueListText(ValueSet{}), "");
  const ValueSet s = Values({0, 1, 2, 5, 9, 10, 11, 12, 40});
  EXPECT_EQ(Parsed(ValueListText(s)), s.Values());
}

TEST(ValueListText, NumberListsKeepTheirRange) {
  std::string error;
  auto numbers = ParseNumberList("1-10,15", 1, 35, &error);
  ASSERT_TRUE(numbers.has_value()) << error;
  EXPECT_EQ(numbers->size(), 11u);
  EXPECT_FALSE(ParseNumberList("0,1", 1, 35, &error).has_value());
  EXPECT_EQ(error, "\"0\" 超出1到35的范围");
  EXPECT_FALSE(ParseNumberList("10", 0, 9, &error).has_value());
}

TEST(ConditionListLines, SelfConditionWordings) {
  const SelfCondition entry{{3, 6}, Values({0, 1}), true};
  EXPECT_EQ(SelfConditionLine(entry, ListLineWording::kAdded),
            "号码组: 3  6  ;出现个数: 0  1  容错");
  EXPECT_EQ(SelfConditionLine(entry, ListLineWording::kLoaded),
            "号码组合:3  6    出现个数0  1  容错");
  const SelfCondition plain{{1}, Values({2}), false};
  EXPECT_EQ(SelfConditionLine(plain, ListLineWording::kAdded), "号码组: 1  ;出现个数: 2  ");
}

TEST(ConditionListLines, TailSettingWordings) {
  const TailSetting entry{{3, 5}, Values({2}), false, true};
  EXPECT_EQ(TailSettingLine(entry, ListLineWording::kAdded),
            "尾号组: 3  5  ;出现个数: 2  (相同尾数仅计算一次)");
  EXPECT_EQ(TailSettingLine(entry, ListLineWording::kLoaded),
            "尾号组:3  5    出现个数2  (相同尾数仅计算一次)");
  const TailSetting tolerant{{0}, Values({1, 2}), true, false};
  EXPECT_EQ(TailSettingLine(tolerant, ListLineWording::kAdded), "尾号组: 0  ;出现个数: 1  2  容错");
}

TEST(ConditionListLines, CustomIndicatorWordings) {
  const CustomIndicator entry{"z_hz%10", Values({1, 2}), true};
  EXPECT_EQ(CustomIndicatorLine(entry, ListLineWording::kAdded), "z_hz%10  容错  取值: 1  2  ");
  EXPECT_EQ(CustomIndicatorLine(entry, ListLineWording::kLoaded), "z_hz%10  容错  取值：1  2  ");
  const CustomIndicator plain{"z_ac", Values({3}), false};
  EXPECT_EQ(CustomIndicatorLine(plain, ListLineWording::kAdded), "z_ac  取值: 3  ");
}

}  // namespace
}  // namespace dlt
