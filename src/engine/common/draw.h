#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// "期数", "主号一".."主号五", "副号一", "副号二": fields 0..7 as messages name them.
const char* DrawFieldName(int field);

// A field of a draw as typed or read from a file: decimal digits only (at
// most nine; "08" is 8, never octal). nullopt with a message naming the
// field otherwise: "主号一不能是负数: -5", "期数不是整数: 2009x".
std::optional<int64_t> ParseDrawField(std::string_view text, int field, std::string* error);

// Checks a draw as it enters the history: seven-digit number below 9999998,
// five distinct front numbers 1..35 and two distinct back numbers 1..12;
// 9999998 and 9999999 are refused as the reserved numbers they are.
// Returns the draw with both zones sorted ascending, or nullopt with a
// message naming the offending field.
std::optional<Draw> ValidateDraw(int64_t qs, const std::array<int64_t, 5>& front,
                                 const std::array<int64_t, 2>& back, std::string* error);

// The export form: "2009001 03 05 12 18 22 05 11 " (every field followed by a blank).
std::string FormatDrawLine(const Draw& d);
// The listing form, without the trailing blank: "2009001 03 05 12 18 22 05 11".
std::string DrawText(const Draw& d);
// The seven numbers alone: "03 05 12 18 22 05 11".
std::string NumbersOnlyText(const Draw& d);

}  // namespace dlt
