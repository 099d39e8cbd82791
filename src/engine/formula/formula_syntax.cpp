#include "formula/formula_syntax.h"

#include <algorithm>
#include <limits>

#include "common/text.h"
#include "formula/formula_messages.h"

namespace dlt {

std::string_view TrimFormulaText(std::string_view s) {
  return Trim(s);
}

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

bool ContainsBlank(std::string_view text) {
  // UTF-8 forms of the Unicode blanks beyond ASCII: U+0085, U+00A0, U+1680,
  // U+2000..U+200B, U+2028, U+2029, U+202F, U+205F, U+3000 (the full-width
  // space of Chinese input methods) and U+FEFF.
  static constexpr std::string_view kWide[] = {"\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80",
                                               "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF",
                                               "\xE2\x81\x9F", "\xE3\x80\x80", "\xEF\xBB\xBF"};
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == ' ' || (c >= '\t' && c <= '\r')) return true;
    if (c < 0xC2) continue;
    const std::string_view rest = text.substr(i);
    for (std::string_view blank : kWide)
      if (rest.starts_with(blank)) return true;
    if (rest.size() >= 3 && c == 0xE2 && static_cast<unsigned char>(rest[1]) == 0x80 &&
        static_cast<unsigned char>(rest[2]) >= 0x80 && static_cast<unsigned char>(rest[2]) <= 0x8B)
      return true;
  }
  return false;
}

const char* PrecheckFormula(std::string_view text) {
  if (text.empty()) return msg::kEmpty;
  // Every blank counts, not only the ASCII space: pasted text with a tab or
  // a full-width space must not turn into an unknown name that reads -999.
  if (ContainsBlank(text)) return msg::kSpace;
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
