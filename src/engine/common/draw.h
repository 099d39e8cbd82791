#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace dlt {

// Draw numbers at and above this are reserved pseudo-draws.
constexpr int32_t kForecastQs = 9999999;
constexpr int32_t kReservedQs = 9999998;
constexpr int32_t kLastRealQs = 9999997;

// One draw: five front numbers ascending, two back numbers ascending.
struct Draw {
  int32_t qs = 0;
  std::array<uint8_t, 5> front{};
  std::array<uint8_t, 2> back{};

  bool operator==(const Draw&) const = default;
};

// Checks a draw as it enters the history: seven-digit number below 9999998,
// five distinct front numbers 1..35 and two distinct back numbers 1..12.
// Returns the draw with both zones sorted ascending, or nullopt with a
// message naming the offending field.
std::optional<Draw> ValidateDraw(int64_t qs, const std::array<int64_t, 5>& front,
                                 const std::array<int64_t, 2>& back, std::string* error);

// The export form: "2009001 03 05 12 18 22 05 11 " (every field followed by a blank).
std::string FormatDrawLine(const Draw& d);

}  // namespace dlt
