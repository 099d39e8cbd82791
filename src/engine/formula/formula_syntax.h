#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dlt {

// Character classes of the formula scan. Letters are ASCII only: a name
// must start with one, though any byte may follow.
inline bool IsFormulaDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool IsFormulaLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool IsFormulaOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '%';
}

// Operator codes as the bracket stack keeps them: 0 none, 1 "+", 2 "-",
// 3 "*", 4 "/", 5 "%".
enum OperatorCode : int32_t { kOpNone = 0, kOpAdd, kOpSub, kOpMul, kOpDiv, kOpMod };
OperatorCode OperatorCodeOf(char c);

// True when the text holds a blank: an ASCII blank or control blank (tab,
// line breaks) or a Unicode one (no-break, full-width and other spaces).
bool ContainsBlank(std::string_view text);

// A formula as it is evaluated: blanks and control characters trimmed.
std::string_view TrimFormulaText(std::string_view text);

// The checks made before any scanning, in their order: empty text, a blank
// (ContainsBlank) anywhere, unequal counts of "(" and ")", then of "[" and "]". Returns the
// message of the first that fails, or nullptr.
const char* PrecheckFormula(std::string_view text);

// A run of digits as a 32-bit value; nullopt when it does not fit.
std::optional<int32_t> ParseNumberToken(std::string_view digits);

// The text between "[" and "]" (digits, "+" and "-") as a record offset:
// an optional sign and digits that fit 32 bits. On failure `error` gets the
// message (out of range for an empty or too long value, bad offset for
// misplaced signs).
std::optional<int32_t> ParseOffsetToken(std::string_view token, const char** error);

}  // namespace dlt
