#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "generator/result_numbers.h"

namespace dlt {

// "顺序匹配", "随机匹配", "全组合匹配".
enum class MatchStyle { Order, Random, Full };

std::string_view MatchStyleName(MatchStyle style);
// The style by its caption or by "order", "random", "full".
std::optional<MatchStyle> MatchStyleByName(std::string_view name);

inline constexpr const char* kTooManyTicketsMessage =
    "双区组合后得到的注数不能超过50000条，请缩小过滤范围";
inline constexpr const char* kNoFrontResultsMessage =
    "主区没有过滤结果，请先在主区号码中得出过滤结果";
inline constexpr const char* kNoBackResultsMessage =
    "副区没有过滤结果，请先在副区号码中得出过滤结果";

// Joins the front list and the back list into tickets (prize 0):
// 顺序匹配 pairs front record i with back pair ((i - 1) mod B) + 1;
// 随机匹配 with a back pair drawn uniformly by `rng`;
// 全组合匹配 every front record (outer) with every back pair (inner).
// Refused with the window's message when full matching would give more than
// 50,000 tickets, when there are 50,001 or more front records in any style,
// or when either list is empty.
std::optional<std::vector<Ticket>> MatchTickets(const std::vector<Combo>& front,
                                                const std::vector<BackPair>& back, MatchStyle style,
                                                std::mt19937_64& rng, std::string* error);

}  // namespace dlt
