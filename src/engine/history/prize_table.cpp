#include "history/prize_table.h"

#include "common/text.h"
#include "history/prize_amounts.h"

namespace dlt {

PrizeTable PrizeTable::Defaults() {
  PrizeTable t;
  constexpr std::array<int64_t, 6> kFixedYuan = {10000, 3000, 300, 200, 15, 5};
  for (size_t i = 0; i < kFixedYuan.size(); ++i) t.fixedFen[i + 3] = kFixedYuan[i] * 100;
  return t;
}

std::string PrizeSetting(int level) {
  return "prize" + std::to_string(level);
}

bool ReadYuanText(std::string_view text, std::optional<int64_t>* fen, std::string* error) {
  text = Trim(text);
  // The published figures' marks of "no figure" are no amount a user types.
  const bool mark = text == "---" || text == "-1";
  if (text.empty()) {
    *fen = std::nullopt;
    return true;
  }
  if (mark || !ReadPrizeFigure(text, 2, fen) || !*fen) {
    if (error) *error = "金额必须是元数, 最多两位小数: " + std::string(text);
    return false;
  }
  return true;
}

std::optional<int64_t> ReadTicketPrice(std::string_view text, std::string* error) {
  std::optional<int64_t> fen;
  if (!ReadYuanText(text, &fen, error)) return std::nullopt;
  if (!fen || *fen <= 0) {
    if (error) *error = "每注金额必须大于0";
    return std::nullopt;
  }
  return fen;
}

}  // namespace dlt
