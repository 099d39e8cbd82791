#include "book/book_view.h"

#include <gtest/gtest.h>

#include "book_test_support.h"
#include "history/prize_amounts.h"

namespace dlt {
namespace {

using test::KnownCounts;
using test::TargetDraw;

BookEntry Graded(int64_t id, int32_t qs, const PrizeCounts& counts, int64_t costFen) {
  BookEntry e;
  e.id = id;
  e.name = "e" + std::to_string(id);
  e.qs = qs;
  e.ticketCount = 0;
  for (int c : counts) e.ticketCount += c;
  e.costFen = costFen;
  e.result = BookResult{TargetDraw(), counts, {}};
  return e;
}

StoredAmounts NoAmounts() {
  return [](int32_t) { return std::nullopt; };
}

struct AmountCase {
  const char* what;
  int level;
  std::optional<int64_t> fixed;
  std::optional<int64_t> published;
  std::optional<int64_t> expected;
};

TEST(BookMoney, ALevelPaysItsFixedPrizeElseTheDrawsAmount) {
  const AmountCase cases[] = {
      {"fixed wins over published", 3, 1000000, 999, 1000000},
      {"floating takes published", 1, std::nullopt, 500000000, 500000000},
      {"floating without figure", 2, std::nullopt, std::nullopt, std::nullopt},
      {"no level", 0, 100, 100, std::nullopt},
  };
  for (const AmountCase& c : cases) {
    PrizeTable table = PrizeTable::Defaults();
    if (c.level >= 1) table.fixedFen[static_cast<size_t>(c.level)] = c.fixed;
    DrawPrizes stored{2026011, {{"x", c.level, false, 1, c.published}}};
    EXPECT_EQ(LevelAmountFen(c.level, table, &stored), c.expected) << c.what;
  }
  // The 追加 part of a tier is not what a plain ticket wins.
  DrawPrizes onlyAdditional{2026011, {{"一等奖(追加)", 1, true, 1, 800000000}}};
  EXPECT_EQ(LevelAmountFen(1, PrizeTable::Defaults(), &onlyAdditional), std::nullopt);
}

TEST(BookMoney, UnknownAmountsAreWonButNotCounted) {
  const PrizeTable table = PrizeTable::Defaults();
  // 一等奖 1 (floating, unknown), 五等奖 1 (300), 六等奖 1 (200), 八等奖 1 (5).
  const Winnings w = WinningsOf(KnownCounts(), table, nullptr);
  EXPECT_EQ(w.fen, 50500);
  EXPECT_FALSE(w.Complete());
  EXPECT_EQ(w.uncounted, (PrizeCounts{0, 1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(WinningsText(w), "505元(另有一等奖1注奖金未知, 未计入)");

  DrawPrizes stored{2026011, {{"一等奖", 1, false, 3, 1000000000}}};
  const Winnings all = WinningsOf(KnownCounts(), table, &stored);
  EXPECT_TRUE(all.Complete());
  EXPECT_EQ(WinningsText(all), "10000505元");
}

TEST(BookMoney, YuanTexts) {
  EXPECT_EQ(YuanText(0), "0元");
  EXPECT_EQ(YuanText(250), "2.50元");
  EXPECT_EQ(YuanText(-1500), "-15元");
  EXPECT_EQ(YuanText(-5), "-0.05元");
}

TEST(BookView, ListLinesTotalsAndTheRunningBalance) {
  const PrizeTable table = PrizeTable::Defaults();
  BookEntry pending;
  pending.id = 3;
  pending.name = "下期";
  pending.qs = 2026013;
  pending.ticketCount = 2;
  pending.costFen = 400;
  // Entry 1: KnownCounts on 2026011 (505 元 + 一等奖 unknown), cost 10 元.
  // Entry 2: one 七等奖 (15 元) of three tickets on 2026012, cost 6 元.
  // Entry 4: nothing of two tickets on 2026011, cost 4 元.
  const std::vector<BookEntry> entries = {
      Graded(1, 2026011, KnownCounts(), 1000), Graded(2, 2026012, {2, 0, 0, 0, 0, 0, 0, 1, 0}, 600),
      pending, Graded(4, 2026011, {2, 0, 0, 0, 0, 0, 0, 0, 0}, 400)};
  const BookView view = ViewBook(entries, table, NoAmounts());
  ASSERT_EQ(view.rows.size(), 4u);
  EXPECT_EQ(BookListLine(view.rows[0]),
            "1\te1\t2026011\t5\t10元\t一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:1个;"
            "六等奖:1个;七等奖:0个;八等奖:1个;未中奖:1个\t505元(另有一等奖1注奖金未知, 未计入)");
  EXPECT_EQ(BookListLine(view.rows[2]), "3\t下期\t2026013\t2\t4元\t待开奖");
  EXPECT_EQ(view.totals.spentFen, 2400);
  EXPECT_EQ(view.totals.wonFen, 52000);
  EXPECT_EQ(BookTotalsLine(view.totals),
            "合计\t投入24元\t中奖520元\t盈亏496元\t未计入: 一等奖1注(奖金未知)");
  // 2026011: 505 - 10 - 4; 2026012: + 15 - 6.
  EXPECT_EQ(view.balance, (std::vector<BalancePoint>{{2026011, 49100}, {2026012, 50000}}));

  const BookView empty = ViewBook({}, table, NoAmounts());
  EXPECT_EQ(BookTotalsLine(empty.totals), "合计\t投入0元\t中奖0元\t盈亏0元");
  const BookView losing = ViewBook({pending}, table, NoAmounts());
  EXPECT_EQ(BookTotalsLine(losing.totals), "合计\t投入4元\t中奖0元\t盈亏-4元");
}

TEST(BookView, NoticesOfGradedDraws) {
  GradingReport report;
  report.graded = {{2026011, 2, {3, 0, 0, 0, 0, 1, 1, 0, 1}},
                   {2026012, 1, {5, 0, 0, 0, 0, 0, 0, 0, 0}},
                   {2026013, 1, {4, 1, 0, 0, 0, 0, 0, 0, 0}}};
  const StoredAmounts amounts = [](int32_t qs) -> std::optional<DrawPrizes> {
    if (qs == 2026013) return DrawPrizes{qs, {{"一等奖", 1, false, 1, 600000000}}};
    return std::nullopt;
  };
  EXPECT_EQ(GradingNotices(report, PrizeTable::Defaults(), amounts),
            (std::vector<std::string>{"第2026011期: 3注中奖, 共505元", "第2026012期: 未中奖",
                                      "第2026013期: 1注中奖, 共6000000元"}));
}

}  // namespace
}  // namespace dlt
