#include <gtest/gtest.h>

#include "indicator_test_support.h"
#include "indicators/compound.h"
#include "indicators/compound_shapes.h"
#include "indicators/shape_names.h"

namespace dlt {
namespace {

using test::ContextAt;
using test::FrontHistory;

// Two draws back 03 09 14, one back 07 08 13, now 03 08 14 (z_num1..z_num3).
const std::vector<Draw>& ShapeHistory() {
  static const auto h = FrontHistory({{3, 9, 14, 20, 30}, {7, 8, 13, 25, 33}, {3, 8, 14, 27, 35}});
  return h;
}

struct Case {
  int type;
  int32_t value;
  const char* name;  // nullptr for the numeric types
};

// a = 3, b = 8 with 7 8 one back and 3 9 two back.
const Case kTwoValueCases[] = {
    {0, 2, "奇偶"},  {1, 1, "一偶一奇"},   {2, 2, "质合"},  {3, 1, "一合一质"},
    {4, 1, "小大"},  {5, 1, "一小一大"},   {6, 5, "中大"},  {7, 4, "一中一大"},
    {8, 2, "零贰"},  {9, 2, "一0路一2路"}, {10, 3, "隔复"}, {11, 1, "一复一隔"},
    {12, 5, "孤传"}, {13, 4, "一孤一传"},
};

// a = 3, b = 8, c = 14 with 7 8 13 one back and 3 9 14 two back.
const Case kThreeValueCases[] = {
    {0, 4, "奇偶偶"},   {1, 1, "两偶一奇"},      {2, 4, "质合合"},   {3, 1, "两合一质"},
    {4, 2, "小大小"},   {5, 1, "两小一大"},      {6, 16, "中大中"},  {7, 7, "两中一大"},
    {8, 8, "零贰贰"},   {9, 5, "一0路两2路"},    {10, 10, "隔复隔"}, {11, 3, "一复两隔"},
    {12, 15, "孤传邻"}, {13, 4, "一邻一孤一传"}, {14, 1, nullptr},   {15, 61, nullptr},
    {16, 3, nullptr},   {17, 1, nullptr},        {18, 6, nullptr},   {19, 11, nullptr},
    {20, 8, nullptr},   {21, 14, nullptr},       {22, 8, nullptr},   {23, 3, nullptr},
    {24, 25, nullptr},  {25, 5, nullptr},        {26, 2, nullptr},   {27, 2, nullptr},
    {28, 1, nullptr},   {29, 2, nullptr},        {30, 1, nullptr},
};

TEST(CombinationShapeTest, EveryTwoValueTypeOnAKnownDraw) {
  const int32_t now[] = {3, 8}, back1[] = {7, 8}, back2[] = {3, 9};
  for (const Case& c : kTwoValueCases) {
    EXPECT_EQ(CombinationShapeValue(c.type, now, back1, back2), c.value) << c.type;
    const auto names = ShapeValueNames(c.type, 2);
    ASSERT_LT(static_cast<size_t>(c.value), names.size()) << c.type;
    EXPECT_EQ(names[c.value], c.name) << c.type;
  }
}

TEST(CombinationShapeTest, EveryThreeValueTypeOnAKnownDraw) {
  const int32_t now[] = {3, 8, 14}, back1[] = {7, 8, 13}, back2[] = {3, 9, 14};
  for (const Case& c : kThreeValueCases) {
    EXPECT_EQ(CombinationShapeValue(c.type, now, back1, back2), c.value) << c.type;
    const auto names = ShapeValueNames(c.type, 3);
    if (c.name) {
      ASSERT_LT(static_cast<size_t>(c.value), names.size()) << c.type;
      EXPECT_EQ(names[c.value], c.name) << c.type;
    } else {
      EXPECT_TRUE(names.empty()) << c.type;
    }
  }
}

TEST(CombinationShapeTest, TheKeysEvaluateTheirFormulas) {
  const auto& h = ShapeHistory();
  for (const Case& c : kTwoValueCases) {
    const std::string key = "c_2zbzh:z_num1|z_num2:" + std::to_string(c.type);
    const auto r = ResolveCompound(key);
    ASSERT_TRUE(r && r->ok()) << key;
    EXPECT_EQ(r->indicator->Value(ContextAt(h, 2)), c.value) << key;
  }
  for (const Case& c : kThreeValueCases) {
    const std::string key = "c_3zbzh_z_num1|z_num2|z_num3:" + std::to_string(c.type);
    const auto r = ResolveCompound(key);
    ASSERT_TRUE(r && r->ok()) << key;
    EXPECT_EQ(r->indicator->Value(ContextAt(h, 2)), c.value) << key;
  }
}

TEST(CombinationShapeTest, TheWorkedOddEvenExample) {
  const auto h = FrontHistory({{3, 8, 14, 20, 30}});
  const auto r = ResolveCompound("c_2zbzh:z_num1|z_num2:0");
  ASSERT_TRUE(r && r->ok());
  const int32_t v = r->indicator->Value(ContextAt(h, 0));
  EXPECT_EQ(v, 2);
  EXPECT_EQ(ShapeValueNames(0, 2)[v], "奇偶");
}

TEST(CombinationShapeTest, TheFirstDrawIsComparedWithItself) {
  const auto& h = ShapeHistory();
  auto value = [&h](const std::string& key, int pos) {
    const auto r = ResolveCompound(key);
    EXPECT_TRUE(r && r->ok()) << key;
    return r->indicator->Value(ContextAt(h, pos));
  };
  EXPECT_EQ(value("c_2zbzh:z_num1|z_num2:10", 0), 0);  // 复复
  EXPECT_EQ(value("c_2zbzh:z_num1|z_num2:12", 0), 8);  // 传传
  EXPECT_EQ(value("c_3zbzh:z_num1|z_num2|z_num3:17", 0), 3);
  EXPECT_EQ(value("c_3zbzh:z_num1|z_num2|z_num3:30", 0), 3);
  // The second draw: two back stops at the first draw, which is also one back.
  // 07 08 against 03 09: 7 is next to nothing (孤), 8 next to 9 (邻).
  EXPECT_EQ(value("c_2zbzh:z_num1|z_num2:12", 1), 3);
  EXPECT_EQ(value("c_2zbzh:z_num1|z_num2:10", 1), 8);  // neither repeats: 中中
}

TEST(CombinationShapeTest, AFormulaThatFailsCountsAsZero) {
  const auto& h = ShapeHistory();
  const auto r = ResolveCompound("c_2zbzh:foo(1)|z_num2:8");
  ASSERT_TRUE(r && r->ok());
  EXPECT_EQ(r->indicator->Value(ContextAt(h, 2)), 2);  // 0 % 3 = 0, 8 % 3 = 2
  const auto s = ResolveCompound("c_3zbzh:z_num1|(|z_num3:24");
  ASSERT_TRUE(s && s->ok());
  EXPECT_EQ(s->indicator->Value(ContextAt(h, 2)), 3 + 0 + 14);
}

TEST(CombinationShapeTest, NegativeAndLargeValuesStayInRange) {
  const int32_t none[] = {0, 0};
  const int32_t neg[] = {-4, -13};
  // -4 is even and leaves 2 by 3; -13 has tail 3.
  EXPECT_EQ(CombinationShapeValue(0, neg, none, none), 1);
  EXPECT_EQ(CombinationShapeValue(8, neg, none, none), 2 * 3 + 2);
  EXPECT_EQ(CombinationShapeValue(6, neg, none, none), 1 * 3 + 1);
  const int32_t big[] = {2147483647, 2147483629};  // both prime
  EXPECT_EQ(CombinationShapeValue(2, big, none, none), 3);
  const int32_t three[] = {2147483647, -2147483647 - 1, 5};
  const int32_t zeros[] = {0, 0, 0};
  EXPECT_EQ(CombinationShapeValue(19, three, zeros, zeros), -1);  // wraps to 32 bits
}

TEST(CombinationShapeTest, MiddleValue) {
  const int32_t none[] = {0, 0, 0};
  auto middle = [&none](int32_t a, int32_t b, int32_t c) {
    const int32_t v[] = {a, b, c};
    return CombinationShapeValue(22, v, none, none);
  };
  EXPECT_EQ(middle(5, 4, 6), 5);  // a strictly nearest
  EXPECT_EQ(middle(4, 5, 6), 5);  // b nearer than c
  EXPECT_EQ(middle(4, 6, 5), 5);  // c
  EXPECT_EQ(middle(1, 2, 3), 2);
  EXPECT_EQ(middle(1, 10, 4), 4);  // mean 5.0: b is 5 away, c 1
  EXPECT_EQ(middle(4, 2, 6), 4);
  EXPECT_EQ(middle(3, 5, 1), 3);  // a at the mean
}

TEST(CombinationShapeTest, SpreadAndDistanceShapes) {
  const int32_t none[] = {0, 0, 0};
  auto value = [&none](int type, int32_t a, int32_t b, int32_t c) {
    const int32_t v[] = {a, b, c};
    return CombinationShapeValue(type, v, none, none);
  };
  EXPECT_EQ(value(16, 1, 2, 3), 2);  // 1, 1, 2
  EXPECT_EQ(value(16, 5, 5, 5), 1);
  EXPECT_EQ(value(18, 20, 3, 1), 28);  // a - c + 9
  EXPECT_EQ(value(20, -7, 0, 0), -2);  // truncated
  EXPECT_EQ(value(25, 9, 9, 9), 7);
}

}  // namespace
}  // namespace dlt
