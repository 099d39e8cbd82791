#include "trend/pattern_codes.h"

#include "common/numbers.h"

namespace dlt {

const std::vector<std::string>& PatternPropertyTexts() {
  static const std::vector<std::string> texts = {"大小",     "大中小",   "奇偶",    "质合",
                                                 "除三余数", "除四余数", "除五余数"};
  return texts;
}

int PatternCode(PatternProperty property, int value, bool lastDigit) {
  switch (property) {
    case PatternProperty::BigSmall:
      return value > (lastDigit ? 4 : 17) ? 1 : 0;
    case PatternProperty::BigMiddleSmall:
      if (lastDigit) return value <= 2 ? 0 : value <= 5 ? 1 : 2;
      return value <= 11 ? 0 : value <= 23 ? 1 : 2;
    case PatternProperty::OddEven:
      return value % 2 == 1 ? 0 : 1;
    case PatternProperty::PrimeComposite:
      return IsPrime(value) ? 0 : 1;
    case PatternProperty::Mod3:
      return value % 3;
    case PatternProperty::Mod4:
      return value % 4;
    case PatternProperty::Mod5:
      return value % 5;
  }
  return 0;
}

std::vector<std::string> PatternHeaders(bool lastDigits) {
  std::vector<std::string> h = {"期号", "开奖号码"};
  for (int p = 1; p <= 5; ++p) h.push_back("主号" + std::to_string(p) + (lastDigits ? "尾" : ""));
  if (lastDigits) {
    h.push_back("副号1尾");
    h.push_back("副号2尾");
  }
  return h;
}

std::vector<int> PatternCodes(const Draw& d, PatternProperty property, bool lastDigits) {
  std::vector<int> codes;
  for (int n : d.front) codes.push_back(PatternCode(property, lastDigits ? n % 10 : n, lastDigits));
  if (lastDigits)
    for (int n : d.back) codes.push_back(PatternCode(property, n % 10, true));
  return codes;
}

}  // namespace dlt
