#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace dlt {

// A blank is a space or any control character (tab, CR, LF, ...): every byte
// up to ' '. The bytes of Chinese text (GBK or UTF-8) are never blank.
constexpr bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// The text without the blanks around it.
std::string_view Trim(std::string_view text);

// The text without the blanks and the '_' around it: a masked edit shows '_'
// in the positions not typed yet.
std::string_view TrimMaskedEdit(std::string_view text);

// The whole text as a decimal integer of type Int: an optional '-' and
// digits, nothing else (trim first where blanks may stand around it);
// nullopt for an empty text, anything else, or a value Int cannot hold.
template <class Int>
std::optional<Int> IntegerOfText(std::string_view text) {
  Int value{};
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Chinese numerals: 一 .. 九 for 1..9, 十, 十一 .. 九十九 up to 99; other
// numbers in digits.
std::string ChineseNumeral(int n);

}  // namespace dlt
