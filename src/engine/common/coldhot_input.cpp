#include "common/coldhot_input.h"

#include <charconv>

#include "common/text.h"

namespace dlt {
namespace {

std::optional<int> WholeNumber(std::string_view s, int lo, int hi) {
  s = Trim(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  const std::optional<int> v = IntegerOfText<int>(s);
  if (!v || *v < lo || *v > hi) return std::nullopt;
  return v;
}

}  // namespace

std::optional<ColdHotInput> ParseColdHotInput(std::string_view window, std::string_view cold,
                                              std::string_view hot, std::string* message) {
  auto fail = [&](const char* text) -> std::optional<ColdHotInput> {
    if (message) *message = text;
    return std::nullopt;
  };
  const auto w = WholeNumber(window, kColdHotWindowMin, kColdHotWindowMax);
  if (!w) return fail("期数范围必须是1到255之间的整数");
  const auto c = WholeNumber(cold, kColdHotThresholdMin, kColdHotThresholdMax);
  if (!c) return fail("冷号次数必须是0到255之间的整数");
  const auto h = WholeNumber(hot, kColdHotThresholdMin, kColdHotThresholdMax);
  if (!h) return fail("热号次数必须是0到255之间的整数");
  return ColdHotInput{*w, *c, *h};
}

}  // namespace dlt
