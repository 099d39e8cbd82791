#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dlt {

// What a ticket costs and what the tiers pay, as the user keeps them in the
// settings: the fixed prizes of the lower tiers per ticket, in fen. A tier
// without a fixed prize floats: its amount is the one published for the
// draw (or entered by hand).
struct PrizeTable {
  int64_t ticketPriceFen = 200;
  // Index 1..8 for 一等奖..八等奖; index 0 is unused.
  std::array<std::optional<int64_t>, 9> fixedFen{};

  // 2 元 a ticket; 一等奖 and 二等奖 float; 10000, 3000, 300, 200, 15 and 5 元.
  static PrizeTable Defaults();
  bool operator==(const PrizeTable&) const = default;
};

// The settings' value names: "ticketprice" and "prize1" .. "prize8".
inline constexpr std::string_view kTicketPriceSetting = "ticketprice";
std::string PrizeSetting(int level);

// A price or prize as the user types it, in 元 with at most two decimals
// ("10000", "2.5"). An empty text is nullopt (a floating tier); anything
// else that is no amount fails with a message.
bool ReadYuanText(std::string_view text, std::optional<int64_t>* fen, std::string* error);
// A ticket price: an amount above 0.
std::optional<int64_t> ReadTicketPrice(std::string_view text, std::string* error);

}  // namespace dlt
