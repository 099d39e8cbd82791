#include "book/tier_amounts.h"

#include <algorithm>

#include "generator/prizes.h"
#include "history/draw_table.h"
#include "history/prize_amounts.h"

namespace dlt {

bool EnterTierAmount(DrawTable& table, int32_t qs, int level, std::optional<int64_t> fen,
                     std::string* error) {
  if (level < 1 || level > 8) {
    if (error) *error = "奖级必须在1到8之间: " + std::to_string(level);
    return false;
  }
  if (table.IndexOf(qs) < 0) {
    if (error) *error = "历史数据中没有第" + std::to_string(qs) + "期";
    return false;
  }
  PrizeAmounts amounts(table);
  DrawPrizes prizes = amounts.Read(qs).value_or(DrawPrizes{qs, {}});
  auto tier = std::find_if(prizes.tiers.begin(), prizes.tiers.end(),
                           [&](const PrizeTier& t) { return t.level == level && !t.additional; });
  if (tier == prizes.tiers.end()) {
    PrizeTier t;
    t.name = PrizeText(level);
    t.level = level;
    tier = prizes.tiers.insert(tier, t);
  }
  tier->amountFen = fen;
  amounts.Write(prizes);
  return true;
}

}  // namespace dlt
