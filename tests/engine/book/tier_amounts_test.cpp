#include "book/tier_amounts.h"

#include <gtest/gtest.h>

#include "book_test_support.h"
#include "history/prize_amounts.h"

namespace dlt {
namespace {

using test::TargetDraw;

class TierAmounts : public test::BookFixture {};

TEST_F(TierAmounts, AnAmountEnteredByHandJoinsThePublishedTiers) {
  table.AppendDraw(TargetDraw());
  PrizeAmounts amounts(table);
  amounts.Write({TargetDraw().qs, {{"二等奖", 2, false, 10, 20000000}}});
  std::string error;
  ASSERT_TRUE(EnterTierAmount(table, TargetDraw().qs, 1, 700000000, &error)) << error;
  const auto stored = amounts.Read(TargetDraw().qs);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->AmountFen(1), 700000000);
  EXPECT_EQ(stored->AmountFen(2), 20000000) << "the published tier stays";
  ASSERT_TRUE(EnterTierAmount(table, TargetDraw().qs, 1, std::nullopt, &error));
  EXPECT_EQ(amounts.Read(TargetDraw().qs)->AmountFen(1), std::nullopt);
  EXPECT_FALSE(EnterTierAmount(table, TargetDraw().qs, 9, 1, &error));
  EXPECT_FALSE(EnterTierAmount(table, 2026099, 1, 1, &error));
}

}  // namespace
}  // namespace dlt
