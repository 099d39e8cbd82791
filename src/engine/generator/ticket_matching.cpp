#include "generator/ticket_matching.h"

#include <cstdint>

#include "generator/ticket_list.h"

namespace dlt {

std::string_view MatchStyleName(MatchStyle style) {
  switch (style) {
    case MatchStyle::Order:
      return "顺序匹配";
    case MatchStyle::Random:
      return "随机匹配";
    case MatchStyle::Full:
      return "全组合匹配";
  }
  return "顺序匹配";
}

std::optional<MatchStyle> MatchStyleByName(std::string_view name) {
  if (name == "order" || name == "顺序匹配") return MatchStyle::Order;
  if (name == "random" || name == "随机匹配") return MatchStyle::Random;
  if (name == "full" || name == "全组合匹配") return MatchStyle::Full;
  return std::nullopt;
}

std::optional<std::vector<Ticket>> MatchTickets(const std::vector<Combo>& front,
                                                const std::vector<BackPair>& back, MatchStyle style,
                                                std::mt19937_64& rng, std::string* error) {
  const auto fail = [&](const char* message) -> std::optional<std::vector<Ticket>> {
    if (error) *error = message;
    return std::nullopt;
  };
  const int64_t f = static_cast<int64_t>(front.size());
  const int64_t b = static_cast<int64_t>(back.size());
  if (style == MatchStyle::Full && f * b > kTicketListCapacity) return fail(kTooManyTicketsMessage);
  if (f > kTicketListCapacity) return fail(kTooManyTicketsMessage);
  if (f <= 0) return fail(kNoFrontResultsMessage);
  if (b <= 0) return fail(kNoBackResultsMessage);

  std::vector<Ticket> tickets;
  switch (style) {
    case MatchStyle::Order:
      tickets.reserve(front.size());
      for (size_t i = 0; i < front.size(); ++i)
        tickets.push_back(Ticket{front[i], back[i % back.size()], 0});
      break;
    case MatchStyle::Random: {
      tickets.reserve(front.size());
      std::uniform_int_distribution<size_t> pick(0, back.size() - 1);
      for (const auto& c : front) tickets.push_back(Ticket{c, back[pick(rng)], 0});
      break;
    }
    case MatchStyle::Full:
      tickets.reserve(static_cast<size_t>(f * b));
      for (const auto& c : front)
        for (const auto& p : back) tickets.push_back(Ticket{c, p, 0});
      break;
  }
  return tickets;
}

}  // namespace dlt
