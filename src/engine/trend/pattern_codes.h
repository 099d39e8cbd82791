#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/draw.h"

namespace dlt {

// "综合形态": each number of a draw coded by a property, either the number
// itself or its last digit ("尾号分析").
enum class PatternProperty {
  BigSmall = 0,
  BigMiddleSmall,
  OddEven,
  PrimeComposite,
  Mod3,
  Mod4,
  Mod5
};

// "大小", "大中小", "奇偶", "质合", "除三余数", "除四余数", "除五余数".
const std::vector<std::string>& PatternPropertyTexts();

// The code of a number n (1..35) or of a last digit t (0..9). The number
// thresholds 17, 11 and 23 split 1..35 into two and three partitions.
int PatternCode(PatternProperty property, int value, bool lastDigit);

// Column headers: "期号", "开奖号码", then "主号1尾" .. "主号5尾", "副号1尾",
// "副号2尾" with last digits, or "主号1" .. "主号5" without.
std::vector<std::string> PatternHeaders(bool lastDigits);

// The codes of one draw: seven (five front and two back last digits) or
// five (the front numbers).
std::vector<int> PatternCodes(const Draw& d, PatternProperty property, bool lastDigits);

}  // namespace dlt
