#include "history/manual_entry.h"

#include <gtest/gtest.h>

#include "common/coldhot_input.h"
#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;

TEST(ManualEntry, TheMaskedTextsMakeADraw) {
  std::string msg;
  auto d = ParseManualEntry(" 2009001 ", "03-05-12-18-22", "05-11", &msg);
  ASSERT_TRUE(d) << msg;
  EXPECT_EQ(*d, MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11}));
  d = ParseManualEntry("2009002", "22-18- 3-12-05", "11- 5", &msg);
  ASSERT_TRUE(d) << msg;
  EXPECT_EQ(*d, MakeDraw(2009002, {3, 5, 12, 18, 22}, {5, 11})) << "stored ascending";
}

TEST(ManualEntry, Messages) {
  std::string msg;
  EXPECT_FALSE(ParseManualEntry("200901", "03-05-12-18-22", "05-11", &msg));
  EXPECT_EQ(msg, "期数必须是七位比如2009001") << "six digits";
  EXPECT_FALSE(ParseManualEntry("2009a01", "03-05-12-18-22", "05-11", &msg));
  EXPECT_EQ(msg, "期数必须是七位比如2009001");
  EXPECT_FALSE(ParseManualEntry("2009001", "03-05-12-18-22", "  -  ", &msg));
  EXPECT_EQ(msg, "请输入副号");
  EXPECT_FALSE(ParseManualEntry("2009001", "  -  -  -  -  ", "05-11", &msg));
  EXPECT_EQ(msg, "请输入五个主号");
  EXPECT_FALSE(ParseManualEntry("2009001", "03-05-12-18-22", "05-  ", &msg));
  EXPECT_EQ(msg, "请输入两个副号");
  EXPECT_FALSE(ParseManualEntry("2009001", "03-05-12-18-36", "05-11", &msg));
  EXPECT_NE(msg.find("1到35"), std::string::npos) << msg;
  EXPECT_FALSE(ParseManualEntry("2009001", "03-05-12-18-22", "05-05", &msg));
  EXPECT_EQ(msg, "副号不能重复");
}

TEST(DrawEntryBoard, FrontPhaseThenBackPhase) {
  DrawEntryBoard b;
  b.Reset();
  EXPECT_EQ(b.NextSlot(), 1);
  EXPECT_TRUE(b.FrontPhase());
  for (int n : {36, 37, 38, 39, 40}) EXPECT_FALSE(b.Click(n)) << n << " is no front number";
  EXPECT_EQ(b.NextSlot(), 1);
  for (int n : {22, 5, 18, 3}) EXPECT_TRUE(b.Click(n));
  EXPECT_FALSE(b.Click(5)) << "a marked cell again changes nothing";
  EXPECT_EQ(b.NextSlot(), 5);
  EXPECT_EQ(b.Slots(), (std::array<int, 7>{3, 5, 18, 22, 0, 0, 0})) << "refilled ascending";
  EXPECT_TRUE(b.Click(12));
  EXPECT_FALSE(b.FrontPhase());
  EXPECT_EQ(b.NextSlot(), 6);
  for (int n = 13; n <= 40; ++n) EXPECT_FALSE(b.Click(n)) << n << " is no back number";
  EXPECT_TRUE(b.Click(11));
  EXPECT_TRUE(b.Click(5)) << "a front number may also be a back number";
  EXPECT_TRUE(b.Complete());
  EXPECT_EQ(b.Slots(), (std::array<int, 7>{3, 5, 12, 18, 22, 5, 11}));
  EXPECT_FALSE(b.Click(1)) << "a full board takes nothing more";
  std::string msg;
  auto d = b.ToDraw("2009001", &msg);
  ASSERT_TRUE(d) << msg;
  EXPECT_EQ(*d, MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11}));
  b.Reset();
  EXPECT_EQ(b.NextSlot(), 1);
  EXPECT_FALSE(b.Marked(5));
}

TEST(DrawEntryBoard, AddMessages) {
  DrawEntryBoard b;
  std::string msg;
  for (int n : {1, 2, 3, 4, 5, 6}) b.Click(n);
  EXPECT_FALSE(b.ToDraw("2009001", &msg));
  EXPECT_EQ(msg, "本彩票中，添加的开奖数据不能少于7个");
  EXPECT_FALSE(b.ToDraw("20091", &msg));
  EXPECT_EQ(msg, "期数必须是七位比如2009001");
}

TEST(ColdHotInput, RangesAreChecked) {
  std::string msg;
  auto v = ParseColdHotInput(" 30 ", "2", "8", &msg);
  ASSERT_TRUE(v) << msg;
  EXPECT_EQ(v->window, 30);
  EXPECT_EQ(v->cold, 2);
  EXPECT_EQ(v->hot, 8);
  EXPECT_TRUE(ParseColdHotInput("255", "0", "255", &msg));
  EXPECT_FALSE(ParseColdHotInput("0", "2", "8", &msg));
  EXPECT_EQ(msg, "期数范围必须是1到255之间的整数");
  EXPECT_FALSE(ParseColdHotInput("256", "2", "8", &msg));
  EXPECT_FALSE(ParseColdHotInput("3x", "2", "8", &msg));
  EXPECT_FALSE(ParseColdHotInput("30", "-1", "8", &msg));
  EXPECT_EQ(msg, "冷号次数必须是0到255之间的整数");
  EXPECT_FALSE(ParseColdHotInput("30", "2", "", &msg));
  EXPECT_EQ(msg, "热号次数必须是0到255之间的整数");
}

}  // namespace
}  // namespace dlt
