#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dlt {

// The window counts its draws in a byte and is never empty; the thresholds
// compare with counts of that window.
constexpr int kColdHotWindowMin = 1, kColdHotWindowMax = 255;
constexpr int kColdHotThresholdMin = 0, kColdHotThresholdMax = 255;

// One zone's cold/warm/hot window and thresholds as typed in the dialog.
struct ColdHotInput {
  int window = 30;
  int cold = 2;
  int hot = 8;
};

// Checks the three edits (trimmed decimals): the window 1..255 (the
// classification counts it in a byte), the thresholds 0..255. Nothing is
// taken unless all three are good; the message names the bad edit.
std::optional<ColdHotInput> ParseColdHotInput(std::string_view window, std::string_view cold,
                                              std::string_view hot, std::string* message);

}  // namespace dlt
