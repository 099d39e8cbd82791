#include "generator/ticket_matching.h"

#include <gtest/gtest.h>

#include <set>

namespace dlt {
namespace {

const std::vector<Combo> kThreeFront = {Combo{1, 2, 3, 4, 5}, Combo{6, 7, 8, 9, 10},
                                        Combo{11, 12, 13, 14, 15}};
const std::vector<BackPair> kTwoBack = {BackPair{1, 2}, BackPair{3, 4}};

TEST(TicketMatching, OrderPairsFrontThreeWithBackOneTwoOne) {
  std::mt19937_64 rng(1);
  auto t = MatchTickets(kThreeFront, kTwoBack, MatchStyle::Order, rng, nullptr);
  ASSERT_TRUE(t);
  ASSERT_EQ(t->size(), 3u);
  EXPECT_EQ((*t)[0], (Ticket{kThreeFront[0], kTwoBack[0], 0}));
  EXPECT_EQ((*t)[1], (Ticket{kThreeFront[1], kTwoBack[1], 0}));
  EXPECT_EQ((*t)[2], (Ticket{kThreeFront[2], kTwoBack[0], 0}));
}

TEST(TicketMatching, FullPutsFrontRecordOneFirstInBackListOrder) {
  std::mt19937_64 rng(1);
  auto t = MatchTickets(kThreeFront, kTwoBack, MatchStyle::Full, rng, nullptr);
  ASSERT_TRUE(t);
  ASSERT_EQ(t->size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ((*t)[i].front, kThreeFront[i / 2]);
    EXPECT_EQ((*t)[i].back, kTwoBack[i % 2]);
  }
}

TEST(TicketMatching, RandomKeepsFrontOrderAndUsesOnlyListedPairs) {
  std::mt19937_64 rng(3);
  std::vector<Combo> front(400, Combo{1, 2, 3, 4, 5});
  const std::vector<BackPair> back = {BackPair{1, 2}, BackPair{3, 4}, BackPair{5, 6}};
  auto t = MatchTickets(front, back, MatchStyle::Random, rng, nullptr);
  ASSERT_TRUE(t);
  ASSERT_EQ(t->size(), 400u);
  std::set<BackPair> seen;
  for (const auto& ticket : *t) {
    EXPECT_EQ(ticket.front, front[0]);
    seen.insert(ticket.back);
  }
  EXPECT_EQ(seen, std::set<BackPair>(back.begin(), back.end()));  // every pair drawn at 400 tries
}

TEST(TicketMatching, FullAllowsExactlyFiftyThousand) {
  std::mt19937_64 rng(1);
  const std::vector<Combo> front(500, Combo{1, 2, 3, 4, 5});
  const std::vector<BackPair> hundred(100, BackPair{1, 2});
  auto t = MatchTickets(front, hundred, MatchStyle::Full, rng, nullptr);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->size(), 50000u);

  const std::vector<Combo> front2(50001, Combo{1, 2, 3, 4, 5});
  const std::vector<BackPair> one(1, BackPair{1, 2});
  std::string error;
  EXPECT_FALSE(MatchTickets(front2, one, MatchStyle::Full, rng, &error));
  EXPECT_EQ(error, "双区组合后得到的注数不能超过50000条，请缩小过滤范围");
  const std::vector<BackPair> three(3, BackPair{1, 2});
  const std::vector<Combo> front3(16667, Combo{1, 2, 3, 4, 5});  // 50,001 tickets
  EXPECT_FALSE(MatchTickets(front3, three, MatchStyle::Full, rng, &error));
  EXPECT_EQ(error, "双区组合后得到的注数不能超过50000条，请缩小过滤范围");
}

TEST(TicketMatching, ProductLimitAppliesOnlyToFullMatching) {
  std::mt19937_64 rng(1);
  const std::vector<Combo> front(50000, Combo{1, 2, 3, 4, 5});
  const std::vector<BackPair> back(100, BackPair{1, 2});
  auto order = MatchTickets(front, back, MatchStyle::Order, rng, nullptr);
  ASSERT_TRUE(order);
  EXPECT_EQ(order->size(), 50000u);
  auto random = MatchTickets(front, back, MatchStyle::Random, rng, nullptr);
  ASSERT_TRUE(random);
  EXPECT_EQ(random->size(), 50000u);
}

TEST(TicketMatching, FiftyThousandAndOneFrontRecordsAreRefusedInEveryStyle) {
  std::mt19937_64 rng(1);
  const std::vector<Combo> front(50001, Combo{1, 2, 3, 4, 5});
  for (auto style : {MatchStyle::Order, MatchStyle::Random, MatchStyle::Full}) {
    std::string error;
    EXPECT_FALSE(MatchTickets(front, kTwoBack, style, rng, &error));
    EXPECT_EQ(error, "双区组合后得到的注数不能超过50000条，请缩小过滤范围");
    // Even without any back pair the size is the first complaint.
    EXPECT_FALSE(MatchTickets(front, {}, style, rng, &error));
    EXPECT_EQ(error, "双区组合后得到的注数不能超过50000条，请缩小过滤范围");
  }
}

TEST(TicketMatching, EmptyListsAreRefusedFrontFirst) {
  std::mt19937_64 rng(1);
  std::string error;
  EXPECT_FALSE(MatchTickets({}, {}, MatchStyle::Order, rng, &error));
  EXPECT_EQ(error, "主区没有过滤结果，请先在主区号码中得出过滤结果");
  EXPECT_FALSE(MatchTickets(kThreeFront, {}, MatchStyle::Full, rng, &error));
  EXPECT_EQ(error, "副区没有过滤结果，请先在副区号码中得出过滤结果");
}

TEST(TicketMatching, StyleNames) {
  EXPECT_EQ(MatchStyleName(MatchStyle::Order), "顺序匹配");
  EXPECT_EQ(MatchStyleName(MatchStyle::Random), "随机匹配");
  EXPECT_EQ(MatchStyleName(MatchStyle::Full), "全组合匹配");
  EXPECT_EQ(MatchStyleByName("full"), MatchStyle::Full);
  EXPECT_EQ(MatchStyleByName("随机匹配"), MatchStyle::Random);
  EXPECT_FALSE(MatchStyleByName("sideways"));
}

}  // namespace
}  // namespace dlt
