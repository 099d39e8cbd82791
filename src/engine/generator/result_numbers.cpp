#include "generator/result_numbers.h"

#include <algorithm>
#include <charconv>

#include "common/numbers.h"
#include "common/text.h"

namespace dlt {
namespace {

const char* ZoneName(Zone zone) {
  return zone == Zone::Front ? "主号" : "副号";
}
int ZoneMax(Zone zone) {
  return zone == Zone::Front ? kFrontMax : kBackMax;
}

bool Fail(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return false;
}

}  // namespace

bool CheckZoneNumbers(Zone zone, std::vector<int64_t>& numbers, std::string* error) {
  const int max = ZoneMax(zone);
  for (const int64_t n : numbers) {
    if (n < 1 || n > max)
      return Fail(error, std::string(ZoneName(zone)) + std::to_string(n) + "超出1到" +
                             std::to_string(max) + "的范围");
  }
  std::sort(numbers.begin(), numbers.end());
  const auto twin = std::adjacent_find(numbers.begin(), numbers.end());
  if (twin != numbers.end())
    return Fail(error, std::string(ZoneName(zone)) + TwoDigit(static_cast<int>(*twin)) + "重复");
  return true;
}

std::optional<Combo> MakeCombo(std::vector<int64_t> numbers, std::string* error) {
  if (numbers.size() != 5) {
    Fail(error, "主号应为5个");
    return std::nullopt;
  }
  if (!CheckZoneNumbers(Zone::Front, numbers, error)) return std::nullopt;
  Combo c;
  for (size_t i = 0; i < 5; ++i) c[i] = static_cast<uint8_t>(numbers[i]);
  return c;
}

std::optional<BackPair> MakeBackPair(std::vector<int64_t> numbers, std::string* error) {
  if (numbers.size() != 2) {
    Fail(error, "副号应为2个");
    return std::nullopt;
  }
  if (!CheckZoneNumbers(Zone::Back, numbers, error)) return std::nullopt;
  return BackPair{static_cast<uint8_t>(numbers[0]), static_cast<uint8_t>(numbers[1])};
}

std::optional<Ticket> MakeTicket(const std::vector<int64_t>& numbers, std::string* error) {
  if (numbers.size() != 7) {
    Fail(error, "应为5个主号和2个副号");
    return std::nullopt;
  }
  auto front = MakeCombo({numbers.begin(), numbers.begin() + 5}, error);
  if (!front) return std::nullopt;
  auto back = MakeBackPair({numbers.begin() + 5, numbers.end()}, error);
  if (!back) return std::nullopt;
  return Ticket{*front, *back, 0};
}

std::optional<int64_t> ParseNumberText(std::string_view text, Zone zone, std::string* error) {
  const std::string_view t = Trim(text);
  if (t.empty()) {
    Fail(error, std::string(ZoneName(zone)) + "不能为空");
    return std::nullopt;
  }
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (end != t.data() + t.size() || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
    Fail(error, "\"" + std::string(t) + "\"不是整数");
    return std::nullopt;
  }
  if (ec == std::errc::result_out_of_range) {
    Fail(error, std::string(ZoneName(zone)) + std::string(t) + "超出1到" +
                    std::to_string(ZoneMax(zone)) + "的范围");
    return std::nullopt;
  }
  return value;
}

namespace {

template <size_t N>
std::optional<std::vector<int64_t>> ParseTexts(const std::array<std::string, N>& texts,
                                               size_t frontCount, std::string* error) {
  std::vector<int64_t> numbers;
  for (size_t i = 0; i < N; ++i) {
    auto n = ParseNumberText(texts[i], i < frontCount ? Zone::Front : Zone::Back, error);
    if (!n) return std::nullopt;
    numbers.push_back(*n);
  }
  return numbers;
}

}  // namespace

std::optional<Combo> ParseCombo(const std::array<std::string, 5>& texts, std::string* error) {
  auto numbers = ParseTexts(texts, 5, error);
  if (!numbers) return std::nullopt;
  return MakeCombo(std::move(*numbers), error);
}

std::optional<BackPair> ParseBackPair(const std::array<std::string, 2>& texts, std::string* error) {
  auto numbers = ParseTexts(texts, 0, error);
  if (!numbers) return std::nullopt;
  return MakeBackPair(std::move(*numbers), error);
}

std::optional<Ticket> ParseTicket(const std::array<std::string, 7>& texts, std::string* error) {
  auto numbers = ParseTexts(texts, 5, error);
  if (!numbers) return std::nullopt;
  return MakeTicket(*numbers, error);
}

std::vector<std::string_view> SplitBlanks(std::string_view line) {
  std::vector<std::string_view> tokens;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) tokens.push_back(line.substr(start, i - start));
  }
  return tokens;
}

}  // namespace dlt
