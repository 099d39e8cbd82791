#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "book/book_grading.h"
#include "book/ticket_book.h"
#include "history/prize_amounts.h"
#include "history/prize_table.h"

namespace dlt {

// The stored prize amounts of a draw (PrizeAmounts::Read), or nullopt.
using StoredAmounts = std::function<std::optional<DrawPrizes>(int32_t qs)>;

// What a prize level pays a ticket: the fixed prize of the table, else the
// amount stored for the draw (published or entered by hand), else nothing
// known.
std::optional<int64_t> LevelAmountFen(int level, const PrizeTable& table, const DrawPrizes* stored);

// Money won by tickets per level; tickets of a level without an amount are
// won but not counted.
struct Winnings {
  int64_t fen = 0;
  PrizeCounts uncounted{};  // per level, the tickets not in `fen`
  bool Complete() const;
};
Winnings WinningsOf(const PrizeCounts& counts, const PrizeTable& table, const DrawPrizes* stored);

// "25元", "-15元", "2.50元".
std::string YuanText(int64_t fen);
// "25元", or "25元(另有一等奖1注奖金未知, 未计入)".
std::string WinningsText(const Winnings& w);

struct BookRow {
  BookEntry entry;
  std::optional<Winnings> winnings;  // graded entries only
};
struct BookTotals {
  int64_t spentFen = 0;  // every entry, those still to be drawn too
  int64_t wonFen = 0;
  PrizeCounts uncounted{};
  int64_t BalanceFen() const { return wonFen - spentFen; }
};
// The balance after each graded draw: winnings less cost of the graded
// entries up to it.
struct BalancePoint {
  int32_t qs = 0;
  int64_t balanceFen = 0;
  bool operator==(const BalancePoint&) const = default;
};
struct BookView {
  std::vector<BookRow> rows;
  BookTotals totals;
  std::vector<BalancePoint> balance;  // ascending by draw
};
BookView ViewBook(const std::vector<BookEntry>& entries, const PrizeTable& table,
                  const StoredAmounts& amounts);

// One line of `dlt book list`, tab-separated: id, name, draw, tickets, cost
// and then "待开奖", or the prize check's summary and the money won.
std::string BookListLine(const BookRow& row);
// "合计", "投入20元", "中奖25元", "盈亏5元", and what was not counted.
std::string BookTotalsLine(const BookTotals& totals);

// One line per graded draw: "第2026094期: 3注中奖, 共25元" ("未中奖" when
// no ticket won).
std::vector<std::string> GradingNotices(const GradingReport& report, const PrizeTable& table,
                                        const StoredAmounts& amounts);

}  // namespace dlt
