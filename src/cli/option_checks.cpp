#include "cli/option_checks.h"

#include <charconv>
#include <optional>
#include <string>

namespace dlt::cli {
namespace {

std::optional<int64_t> WholeNumber(const std::string& text) {
  int64_t v = 0;
  const char* begin = text.data() + (!text.empty() && text.front() == '+' ? 1 : 0);
  const auto [end, ec] = std::from_chars(begin, text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || begin == end) return std::nullopt;
  return v;
}

CLI::Validator Bounded(std::optional<int64_t> lo, std::optional<int64_t> hi,
                       const std::string& rule) {
  return CLI::Validator(
      [lo, hi, rule](std::string& text) -> std::string {
        const auto v = WholeNumber(text);
        if (!v || (lo && *v < *lo) || (hi && *v > *hi)) return rule + ": " + text;
        return {};
      },
      rule);
}

}  // namespace

CLI::Validator IntRange(int64_t lo, int64_t hi) {
  return Bounded(lo, hi, "应是" + std::to_string(lo) + "到" + std::to_string(hi) + "之间的整数");
}

CLI::Validator AtLeast(int64_t lo) {
  return Bounded(lo, std::nullopt, "应是不小于" + std::to_string(lo) + "的整数");
}

}  // namespace dlt::cli
