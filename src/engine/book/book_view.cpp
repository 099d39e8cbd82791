#include "book/book_view.h"

#include <algorithm>
#include <map>

namespace dlt {
namespace {

int Sum(const PrizeCounts& c, size_t from) {
  int n = 0;
  for (size_t i = from; i < c.size(); ++i) n += c[i];
  return n;
}

// "一等奖1注、二等奖2注"
std::string UncountedText(const PrizeCounts& uncounted) {
  std::string s;
  for (size_t level = 1; level < uncounted.size(); ++level) {
    if (uncounted[level] == 0) continue;
    if (!s.empty()) s += "、";
    s += std::string(PrizeText(static_cast<int>(level))) + std::to_string(uncounted[level]) + "注";
  }
  return s;
}

std::optional<DrawPrizes> AmountsOf(const StoredAmounts& amounts, int32_t qs) {
  return amounts ? amounts(qs) : std::nullopt;
}

}  // namespace

std::optional<int64_t> LevelAmountFen(int level, const PrizeTable& table,
                                      const DrawPrizes* stored) {
  if (level < 1 || level > 8) return std::nullopt;
  if (const auto fixed = table.fixedFen[static_cast<size_t>(level)]) return fixed;
  return stored ? stored->AmountFen(level) : std::nullopt;
}

bool Winnings::Complete() const {
  return Sum(uncounted, 1) == 0;
}

Winnings WinningsOf(const PrizeCounts& counts, const PrizeTable& table, const DrawPrizes* stored) {
  Winnings w;
  for (size_t level = 1; level < counts.size(); ++level) {
    if (counts[level] == 0) continue;
    if (const auto amount = LevelAmountFen(static_cast<int>(level), table, stored))
      w.fen += *amount * counts[level];
    else
      w.uncounted[level] = counts[level];
  }
  return w;
}

std::string YuanText(int64_t fen) {
  return (fen < 0 ? "-" + FormatFen(-fen) : FormatFen(fen)) + "元";
}

std::string WinningsText(const Winnings& w) {
  std::string s = YuanText(w.fen);
  if (!w.Complete()) s += "(另有" + UncountedText(w.uncounted) + "奖金未知, 未计入)";
  return s;
}

BookView ViewBook(const std::vector<BookEntry>& entries, const PrizeTable& table,
                  const StoredAmounts& amounts) {
  BookView view;
  std::map<int32_t, std::optional<DrawPrizes>> drawAmounts;
  std::map<int32_t, int64_t> netByDraw;
  for (const BookEntry& e : entries) {
    BookRow row{e, std::nullopt};
    view.totals.spentFen += e.costFen;
    if (e.result) {
      auto found = drawAmounts.find(e.qs);
      if (found == drawAmounts.end())
        found = drawAmounts.emplace(e.qs, AmountsOf(amounts, e.qs)).first;
      const Winnings w =
          WinningsOf(e.result->counts, table, found->second ? &*found->second : nullptr);
      view.totals.wonFen += w.fen;
      for (size_t i = 0; i < w.uncounted.size(); ++i) view.totals.uncounted[i] += w.uncounted[i];
      netByDraw[e.qs] += w.fen - e.costFen;
      row.winnings = w;
    }
    view.rows.push_back(std::move(row));
  }
  int64_t running = 0;
  for (const auto& [qs, net] : netByDraw) {
    running += net;
    view.balance.push_back({qs, running});
  }
  return view;
}

std::string BookListLine(const BookRow& row) {
  const BookEntry& e = row.entry;
  std::string line = std::to_string(e.id) + "\t" + e.name + "\t" + std::to_string(e.qs) + "\t" +
                     std::to_string(e.ticketCount) + "\t" + YuanText(e.costFen) + "\t";
  if (!e.result || !row.winnings) return line + "待开奖";
  return line + PrizeSummary(e.result->counts) + "\t" + WinningsText(*row.winnings);
}

std::string BookTotalsLine(const BookTotals& t) {
  std::string line = "合计\t投入" + YuanText(t.spentFen) + "\t中奖" + YuanText(t.wonFen) +
                     "\t盈亏" + YuanText(t.BalanceFen());
  if (Sum(t.uncounted, 1) > 0) line += "\t未计入: " + UncountedText(t.uncounted) + "(奖金未知)";
  return line;
}

std::vector<std::string> GradingNotices(const GradingReport& report, const PrizeTable& table,
                                        const StoredAmounts& amounts) {
  std::vector<std::string> lines;
  for (const GradedDraw& g : report.graded) {
    const std::string head = "第" + std::to_string(g.qs) + "期: ";
    const int won = Sum(g.counts, 1);
    if (won == 0) {
      lines.push_back(head + "未中奖");
      continue;
    }
    const auto stored = AmountsOf(amounts, g.qs);
    const Winnings w = WinningsOf(g.counts, table, stored ? &*stored : nullptr);
    lines.push_back(head + std::to_string(won) + "注中奖, 共" + WinningsText(w));
  }
  return lines;
}

}  // namespace dlt
