#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/draw.h"
#include "generator/result_numbers.h"

namespace dlt {

constexpr int kNoPrize = 0;

// Prize level 1..8 (一等奖..八等奖) of a ticket with `frontHits` of its five
// front numbers and `backHits` of its two back numbers among the draw's; 0
// for no prize.
int PrizeLevel(int frontHits, int backHits);
// "一等奖" .. "八等奖"; "未中奖" for 0 (and any other value).
std::string_view PrizeText(int level);

int FrontHits(const Combo& ticket, const Draw& draw);
int BackHits(const BackPair& ticket, const Draw& draw);
int PrizeOf(const Ticket& ticket, const Draw& draw);

// Tickets per prize level; index 0 counts the tickets without a prize.
using PrizeCounts = std::array<int, 9>;

// Stores every ticket's prize and counts them.
PrizeCounts GradeTickets(std::vector<Ticket>& tickets, const Draw& draw);
// Orders by prize, 一等奖 first and no prize last; tickets of equal prize
// keep their order.
void SortByPrize(std::vector<Ticket>& tickets);
// Grades and sorts, the prize check of the two-zone list.
PrizeCounts CheckPrizes(std::vector<Ticket>& tickets, const Draw& draw);

// "一等奖:1个;二等奖:0个;...;八等奖:0个;未中奖:3个".
std::string PrizeSummary(const PrizeCounts& counts);

// The draw of the prize dialog from its seven number texts (five front, two
// back), checked like every typed number. The draw number is left 0.
std::optional<Draw> ParsePrizeDraw(const std::array<std::string, 7>& texts, std::string* error);

}  // namespace dlt
