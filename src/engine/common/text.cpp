#include "common/text.h"

namespace dlt {
namespace {

template <class Blank>
std::string_view TrimWhile(std::string_view s, Blank blank) {
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string_view Trim(std::string_view text) {
  return TrimWhile(text, IsBlank);
}

std::string_view TrimMaskedEdit(std::string_view text) {
  return TrimWhile(text, [](char c) { return IsBlank(c) || c == '_'; });
}

std::string ChineseNumeral(int n) {
  static const char* const kDigits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  if (n <= 0 || n >= 100) return std::to_string(n);
  if (n < 10) return kDigits[n];
  const std::string tens = n / 10 == 1 ? "" : kDigits[n / 10];
  return tens + "十" + kDigits[n % 10];
}

}  // namespace dlt
