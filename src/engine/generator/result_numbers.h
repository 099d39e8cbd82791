#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/combination.h"

namespace dlt {

// Two back numbers, smaller first.
using BackPair = std::array<uint8_t, 2>;

// A complete ticket: a front combination, a back pair and its prize
// (0 = not graded or no prize, 1..8 = 一等奖..八等奖).
struct Ticket {
  Combo front{};
  BackPair back{};
  uint8_t prize = 0;

  bool operator==(const Ticket&) const = default;
};

enum class Zone { Front, Back };

// Checks the numbers of one zone as they are typed or read: each within the
// zone's range (front 1..35, back 1..12) and no two equal. On success the
// numbers are sorted ascending; otherwise `error` says why ("主号36超出1到35的范围").
bool CheckZoneNumbers(Zone zone, std::vector<int64_t>& numbers, std::string* error);

std::optional<Combo> MakeCombo(std::vector<int64_t> numbers, std::string* error);
std::optional<BackPair> MakeBackPair(std::vector<int64_t> numbers, std::string* error);
// Five front numbers followed by two back numbers.
std::optional<Ticket> MakeTicket(const std::vector<int64_t>& numbers, std::string* error);

// Reads one typed or stored number: blanks around it are ignored; an empty
// text or anything but decimal digits (with an optional minus) fails.
std::optional<int64_t> ParseNumberText(std::string_view text, Zone zone, std::string* error);

// The texts of the combination dialog's edits, in edit order.
std::optional<Combo> ParseCombo(const std::array<std::string, 5>& texts, std::string* error);
std::optional<BackPair> ParseBackPair(const std::array<std::string, 2>& texts, std::string* error);
std::optional<Ticket> ParseTicket(const std::array<std::string, 7>& texts, std::string* error);

// Splits at blanks and tabs.
std::vector<std::string_view> SplitBlanks(std::string_view line);

}  // namespace dlt
