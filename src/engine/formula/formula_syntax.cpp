#include "formula/formula_syntax.h"

#include <algorithm>
#include <limits>

#include "formula/formula_messages.h"

namespace dlt {

namespace msg = formula_messages;

OperatorCode OperatorCodeOf(char c) {
  switch (c) {
    case '+':
      return kOpAdd;
    case '-':
      return kOpSub;
    case '*':
      return kOpMul;
    case '/':
      return kOpDiv;
    case '%':
      return kOpMod;
    default:
      return kOpNone;
  }
}

const char* PrecheckFormula(std::string_view text) {
  if (text.empty()) return msg::kEmpty;
  // Tabs and line breaks count as blanks too: pasted text must not turn
  // into an unknown name that silently reads -999.
  if (text.find_first_of(" \t\r\n\v\f") != std::string_view::npos) return msg::kSpace;
  const auto count = [&](char c) { return std::count(text.begin(), text.end(), c); };
  if (count('(') != count(')')) return msg::kRoundBracketsUnmatched;
  if (count('[') != count(']')) return msg::kSquareBracketsUnmatched;
  return nullptr;
}

namespace {

std::optional<int64_t> DigitsValue(std::string_view digits, int64_t limit) {
  if (digits.empty()) return std::nullopt;
  int64_t v = 0;
  for (char c : digits) {
    if (!IsFormulaDigit(c)) return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > limit) return std::nullopt;
  }
  return v;
}

}  // namespace

std::optional<int32_t> ParseNumberToken(std::string_view digits) {
  const auto v = DigitsValue(digits, std::numeric_limits<int32_t>::max());
  if (!v) return std::nullopt;
  return static_cast<int32_t>(*v);
}

std::optional<int32_t> ParseOffsetToken(std::string_view token, const char** error) {
  *error = msg::kOutOfRange;
  if (token.empty()) return std::nullopt;
  bool negative = false;
  std::string_view digits = token;
  if (digits.front() == '+' || digits.front() == '-') {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.find_first_of("+-") != std::string_view::npos) {
    *error = msg::kBadOffset;
    return std::nullopt;
  }
  const int64_t limit = negative ? int64_t{1} << 31 : std::numeric_limits<int32_t>::max();
  const auto v = DigitsValue(digits, limit);
  if (!v) return std::nullopt;
  *error = nullptr;
  return static_cast<int32_t>(negative ? -*v : *v);
}

}  // namespace dlt
