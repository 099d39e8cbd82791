#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dlt {

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
