#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlt {

class DrawTable;

// One prize tier of a draw as the operator published it.
struct PrizeTier {
  std::string name;                  // as published: "一等奖", "一等奖(追加)"
  int level = 0;                     // 1 for 一等奖 .. 10; 0 when the name is no "N等奖"
  bool additional = false;           // the 追加 part of a tier
  std::optional<int64_t> winners;    // winning tickets; nullopt when none was published
  std::optional<int64_t> amountFen;  // per winning ticket, in fen; nullopt when none

  bool operator==(const PrizeTier&) const = default;
};

// The tiers of one draw, in the operator's order.
struct DrawPrizes {
  int32_t qs = 0;
  std::vector<PrizeTier> tiers;

  // The tier of a level (and its 追加 part or not); nullptr when absent.
  const PrizeTier* Tier(int level, bool additional = false) const;
  // The amount per ticket of that tier in fen; nullopt when the tier is
  // absent or had no amount (no winner).
  std::optional<int64_t> AmountFen(int level, bool additional = false) const;

  bool operator==(const DrawPrizes&) const = default;
};

// The level and 追加 mark of a tier name: "二等奖" is 2, "一等奖(追加)" and
// "一等奖（追加）" are 1 with the mark. Level 0 for any other name.
void ReadTierName(std::string_view name, int* level, bool* additional);

// A published figure: digits, optionally grouped by thousands ("1,234,567")
// and, for amounts, followed by at most two decimals ("5.50"), scaled by
// 10^decimals. The service's marks of a tier without winners ("---", "-1",
// "") give a figure without value. false when the text reads as neither.
bool ReadPrizeFigure(std::string_view text, int decimals, std::optional<int64_t>* value);

// An amount in fen as yuan: "10000000", "1234.50".
std::string FormatFen(int64_t fen);

// The prize amounts stored with the draws: the table `prizeamounts` in the
// draw table's file, one row per tier, keyed by draw number. Writes join the
// table's current batch, so draws and their amounts are stored together.
class PrizeAmounts {
 public:
  explicit PrizeAmounts(DrawTable& table);

  // The stored tiers of a draw; nullopt when none are stored.
  std::optional<DrawPrizes> Read(int32_t qs) const;
  // The draw numbers that have amounts, ascending.
  std::vector<int32_t> StoredDraws() const;
  // Replaces the tiers of the draw. Throws DbError.
  void Write(const DrawPrizes& prizes);
  // Removes the tiers of a draw; false when there were none.
  bool Erase(int32_t qs);

 private:
  DrawTable& table_;
};

}  // namespace dlt
