#include <gtest/gtest.h>

#include "common/gbk_text.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "common/tseqlist.h"
#include "support/test_support.h"

namespace dlt {
namespace {

TEST(SeqList, OneBasedWithMinusOnePastTheEndAndAFixedCapacity) {
  tseqlist l;
  EXPECT_EQ(l.Get(1), -1);
  ASSERT_TRUE(l.Add(7));
  ASSERT_TRUE(l.Add(-3));
  EXPECT_EQ(l.Count(), 2);
  EXPECT_EQ(l.Get(1), 7);
  EXPECT_EQ(l.Get(2), -3);
  EXPECT_EQ(l.Get(3), -1);
  EXPECT_EQ(l.Get(0), -1);
  for (int i = 2; i < tseqlist::kCapacity; ++i) ASSERT_TRUE(l.Add(i));
  EXPECT_EQ(l.Count(), 2001);
  EXPECT_FALSE(l.Add(99)) << "adding beyond 2001 entries is refused";
  EXPECT_EQ(l.Count(), 2001);
  EXPECT_EQ(l.Get(2001), 2000);
}

TEST(Primes, OneCountsAsPrimeAndZeroDoesNot) {
  std::vector<int> front;
  for (int n = 0; n <= 35; ++n)
    if (IsPrime(n)) front.push_back(n);
  EXPECT_EQ(front, (std::vector<int>{1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31}));
  EXPECT_FALSE(IsPrime(0));
  EXPECT_FALSE(IsPrime(9));
}

TEST(Zones, LastZonesAreOneWider) {
  EXPECT_EQ(ZoneBounds(2, 1, 35), (std::vector<int>{0, 17, 35}));
  EXPECT_EQ(ZoneBounds(3, 1, 35), (std::vector<int>{0, 11, 23, 35}));
  EXPECT_EQ(ZoneBounds(4, 1, 35), (std::vector<int>{0, 8, 17, 26, 35}));
  EXPECT_EQ(ZoneBounds(5, 1, 35), (std::vector<int>{0, 7, 14, 21, 28, 35}));
  EXPECT_EQ(ZoneBounds(15, 1, 35),
            (std::vector<int>{0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 23, 26, 29, 32, 35}));
  const auto z3 = ZoneBounds(3, 1, 35);
  EXPECT_EQ(ZoneOf(z3, 11), 1);
  EXPECT_EQ(ZoneOf(z3, 12), 2);
  EXPECT_EQ(ZoneOf(z3, 35), 3);
}

TEST(NumberText, SingleDigitsGetALeadingZero) {
  EXPECT_EQ(TwoDigit(3), "03");
  EXPECT_EQ(TwoDigit(0), "00");
  EXPECT_EQ(TwoDigit(12), "12");
  EXPECT_EQ(TwoDigit(2009001), "2009001");
}

TEST(Rounding, HalvesGoToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
  EXPECT_EQ(DivRoundHalfEven(15, 5), 3);
  EXPECT_EQ(DivRoundHalfEven(3, 2), 2);    // 1.5 -> 2
  EXPECT_EQ(DivRoundHalfEven(5, 2), 2);    // 2.5 -> 2
  EXPECT_EQ(DivRoundHalfEven(23, 2), 12);  // 11.5 -> 12
  EXPECT_EQ(DivRoundHalfEven(-5, 2), -2);
  EXPECT_NEAR(Percent(1.0 / 3.0), 33.3, 1e-9);
  EXPECT_NEAR(Percent(0.0625), 6.2, 1e-9);  // 0.0625 -> 0.062 (half to even)
}

TEST(GbkText, WritesGbkWithCrLfAndReadsItBack) {
  test::TempDir dir;
  const std::string path = dir.file("t.txt");
  ASSERT_TRUE(WriteGbkLines(path, {"主区和值", "ab"}));
  EXPECT_EQ(test::ReadBytes(path), "\xD6\xF7\xC7\xF8\xBA\xCD\xD6\xB5\r\nab\r\n");
  auto lines = ReadTextLines(path);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"主区和值", "ab"}));
}

// GBK bytes that also read as UTF-8 ("涓枃" is "中文" in UTF-8) or begin
// like its mark ("锘") would come back as other text.
TEST(GbkText, TextWhoseGbkBytesReadAsUtf8ComesBackAsWritten) {
  test::TempDir dir;
  for (const std::string text : {"涓枃", "锘縲 [-1]z_hw", "[-1]z_h锘縲"}) {
    const std::string path = dir.file("t.txt");
    ASSERT_TRUE(WriteGbkLines(path, {text, "ab"}));
    const auto lines = ReadTextLines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{text, "ab"})) << text;
  }
}

TEST(GbkText, RefusesTextWithoutAGbkForm) {
  test::TempDir dir;
  std::string error;
  EXPECT_FALSE(WriteGbkLines(dir.file("x.txt"), {"\xF0\x9F\x98\x80"}, &error));  // an emoji
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace dlt
