#include "generator/prizes.h"

#include <gtest/gtest.h>

#include <random>

#include "generator/random_tickets.h"

namespace dlt {
namespace {

const Draw kDraw{2009001, {3, 8, 15, 22, 30}, {4, 9}};

// A ticket with `f` front and `b` back numbers of kDraw, the rest misses.
Ticket TicketWith(int f, int b) {
  const std::array<uint8_t, 5> misses{1, 2, 5, 6, 7};
  std::vector<uint8_t> front(kDraw.front.begin(), kDraw.front.begin() + f);
  front.insert(front.end(), misses.begin(), misses.begin() + (5 - f));
  std::sort(front.begin(), front.end());
  const std::array<uint8_t, 2> backMisses{1, 2};
  std::vector<uint8_t> back(kDraw.back.begin(), kDraw.back.begin() + b);
  back.insert(back.end(), backMisses.begin(), backMisses.begin() + (2 - b));
  std::sort(back.begin(), back.end());
  Ticket t;
  std::copy(front.begin(), front.end(), t.front.begin());
  std::copy(back.begin(), back.end(), t.back.begin());
  return t;
}

TEST(PrizeTable, EveryRuleOfTheTable) {
  // Rows of the prize table: {front hits, back hits, prize}.
  const std::vector<std::array<int, 3>> table = {
      {5, 2, 1}, {5, 1, 2}, {5, 0, 3}, {4, 2, 4}, {4, 1, 5}, {3, 2, 6},
      {4, 0, 6}, {3, 1, 7}, {2, 2, 7}, {3, 0, 8}, {2, 1, 8}, {1, 2, 8},
      {0, 2, 8}, {2, 0, 0}, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0}};
  for (const auto& [f, b, prize] : table) {
    EXPECT_EQ(PrizeLevel(f, b), prize) << f << "+" << b;
    const Ticket t = TicketWith(f, b);
    EXPECT_EQ(FrontHits(t.front, kDraw), f);
    EXPECT_EQ(BackHits(t.back, kDraw), b);
    EXPECT_EQ(PrizeOf(t, kDraw), prize) << f << "+" << b;
  }
}

TEST(PrizeTable, Texts) {
  EXPECT_EQ(PrizeText(1), "一等奖");
  EXPECT_EQ(PrizeText(2), "二等奖");
  EXPECT_EQ(PrizeText(3), "三等奖");
  EXPECT_EQ(PrizeText(4), "四等奖");
  EXPECT_EQ(PrizeText(5), "五等奖");
  EXPECT_EQ(PrizeText(6), "六等奖");
  EXPECT_EQ(PrizeText(7), "七等奖");
  EXPECT_EQ(PrizeText(8), "八等奖");
  EXPECT_EQ(PrizeText(0), "未中奖");
}

TEST(PrizeCheck, TicketEqualToTheDrawIsFirstPrizeAndComesFirst) {
  std::vector<Ticket> tickets = {TicketWith(0, 0), TicketWith(2, 2), TicketWith(5, 2),
                                 TicketWith(1, 2), TicketWith(2, 0)};
  const PrizeCounts counts = CheckPrizes(tickets, kDraw);
  EXPECT_EQ(tickets[0].front, kDraw.front);
  EXPECT_EQ(tickets[0].prize, 1);
  EXPECT_EQ(tickets[1].prize, 7);  // 2 + 2
  EXPECT_EQ(tickets[2].prize, 8);  // 1 + 2
  EXPECT_EQ(tickets[3].prize, 0);  // 0 + 0, first of the losers as before
  EXPECT_EQ(tickets[3].front, TicketWith(0, 0).front);
  EXPECT_EQ(tickets[4].prize, 0);  // 2 + 0
  EXPECT_EQ(PrizeSummary(counts),
            "一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:0个;七等奖:1个;"
            "八等奖:1个;未中奖:2个");
}

TEST(PrizeCheck, EmptyListGivesEveryCountZero) {
  std::vector<Ticket> none;
  EXPECT_EQ(PrizeSummary(CheckPrizes(none, kDraw)),
            "一等奖:0个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:0个;七等奖:0个;"
            "八等奖:0个;未中奖:0个");
}

// The neighbour-exchange passes of the window, as the reference order.
void ExchangeSort(std::vector<Ticket>& v) {
  const auto rank = [](const Ticket& t) { return t.prize == 0 ? 9 : t.prize; };
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (size_t i = v.size(); i-- > 1;) {
      if (rank(v[i]) < rank(v[i - 1])) {
        std::swap(v[i], v[i - 1]);
        exchanged = true;
      }
    }
  }
}

TEST(PrizeCheck, SortEqualsTheExchangePassesAndIsStable) {
  std::mt19937_64 rng(5);
  for (int round = 0; round < 20; ++round) {
    std::vector<Ticket> tickets;
    std::uniform_int_distribution<int> prize(0, 8);
    for (int i = 0; i < 300; ++i) {
      Ticket t{RandomCombo(rng), RandomBackPair(rng), static_cast<uint8_t>(prize(rng))};
      tickets.push_back(t);
    }
    auto expected = tickets;
    ExchangeSort(expected);
    SortByPrize(tickets);
    ASSERT_EQ(tickets, expected);
  }
}

TEST(PrizeCheck, CountsAddUpToTheListOnRandomTickets) {
  std::mt19937_64 rng(9);
  auto tickets = *RandomTickets(2000, rng, nullptr);
  const auto counts = CheckPrizes(tickets, kDraw);
  int total = 0;
  for (int c : counts) total += c;
  EXPECT_EQ(total, 2000);
  for (const auto& t : tickets) EXPECT_EQ(t.prize, PrizeOf(t, kDraw));
}

TEST(PrizeDraw, TypedNumbersAreChecked) {
  std::string error;
  auto d = ParsePrizeDraw({"30", "3", "8", "15", "22", "9", "4"}, &error);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(d->front, kDraw.front);
  EXPECT_EQ(d->back, kDraw.back);
  EXPECT_FALSE(ParsePrizeDraw({"30", "3", "8", "15", "", "9", "4"}, &error));
  EXPECT_EQ(error, "主号不能为空");
}

}  // namespace
}  // namespace dlt
