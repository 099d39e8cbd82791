#include "generator/prizes.h"

#include <algorithm>

namespace dlt {

int PrizeLevel(int f, int b) {
  if (f == 5) return b == 2 ? 1 : b == 1 ? 2 : 3;
  if (f == 4) return b == 2 ? 4 : b == 1 ? 5 : 6;
  if (f == 3) return b == 2 ? 6 : b == 1 ? 7 : 8;
  if (f == 2) return b == 2 ? 7 : b == 1 ? 8 : kNoPrize;
  return b == 2 ? 8 : kNoPrize;  // 1 + 2 and 0 + 2
}

std::string_view PrizeText(int level) {
  static constexpr std::array<std::string_view, 9> kTexts = {
      "未中奖", "一等奖", "二等奖", "三等奖", "四等奖", "五等奖", "六等奖", "七等奖", "八等奖"};
  return (level >= 1 && level <= 8) ? kTexts[static_cast<size_t>(level)] : kTexts[0];
}

int FrontHits(const Combo& ticket, const Draw& draw) {
  int hits = 0;
  for (const auto n : ticket)
    for (const auto d : draw.front) hits += (n == d);
  return hits;
}

int BackHits(const BackPair& ticket, const Draw& draw) {
  int hits = 0;
  for (const auto n : ticket)
    for (const auto d : draw.back) hits += (n == d);
  return hits;
}

int PrizeOf(const Ticket& ticket, const Draw& draw) {
  return PrizeLevel(FrontHits(ticket.front, draw), BackHits(ticket.back, draw));
}

PrizeCounts GradeTickets(std::vector<Ticket>& tickets, const Draw& draw) {
  PrizeCounts counts{};
  for (auto& t : tickets) {
    t.prize = static_cast<uint8_t>(PrizeOf(t, draw));
    ++counts[t.prize];
  }
  return counts;
}

void SortByPrize(std::vector<Ticket>& tickets) {
  // A stable sort orders exactly as repeated neighbour exchanges would, in
  // O(n log n) rather than quadratic time for 50,000 tickets.
  const auto rank = [](const Ticket& t) { return t.prize == kNoPrize ? 9 : t.prize; };
  std::stable_sort(tickets.begin(), tickets.end(),
                   [&](const Ticket& a, const Ticket& b) { return rank(a) < rank(b); });
}

PrizeCounts CheckPrizes(std::vector<Ticket>& tickets, const Draw& draw) {
  const PrizeCounts counts = GradeTickets(tickets, draw);
  SortByPrize(tickets);
  return counts;
}

std::string PrizeSummary(const PrizeCounts& c) {
  const auto n = [&](int level) { return std::to_string(c[static_cast<size_t>(level)]); };
  return "一等奖:" + n(1) + "个;" + "二等奖:" + n(2) + "个;三等奖:" + n(3) + "个;四等奖:" + n(4) +
         "个;" + "五等奖:" + n(5) + "个;六等奖:" + n(6) + "个;七等奖:" + n(7) + "个;" +
         "八等奖:" + n(8) + "个;未中奖:" + n(0) + "个";
}

std::optional<Draw> ParsePrizeDraw(const std::array<std::string, 7>& texts, std::string* error) {
  auto ticket = ParseTicket(texts, error);
  if (!ticket) return std::nullopt;
  Draw d;
  d.front = ticket->front;
  d.back = ticket->back;
  return d;
}

}  // namespace dlt
