#include "generator/value_list_text.h"

#include "common/numbers.h"
#include "common/text.h"

namespace dlt {
namespace {

constexpr std::string_view kWideComma = "，";

bool Fail(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return false;
}

// The text without the blanks around each "-", so "1 - 3" is one range.
std::string JoinRanges(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsBlank(text[i])) {
      size_t j = i;
      while (j < text.size() && IsBlank(text[j])) ++j;
      const bool nextToDash =
          (!out.empty() && out.back() == '-') || (j < text.size() && text[j] == '-');
      if (!nextToDash) out.append(text.substr(i, j - i));
      i = j - 1;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Splits at commas (ASCII or full-width) and blanks. Blanks only separate;
// a comma with no item since the previous one (or the start) is a missing
// value, reported through `missing`.
std::vector<std::string_view> SplitItems(std::string_view text, bool* missing) {
  std::vector<std::string_view> items;
  *missing = false;
  bool itemSinceComma = false;
  size_t start = 0;
  auto flush = [&](size_t end) {
    if (end > start) {
      items.push_back(text.substr(start, end - start));
      itemSinceComma = true;
    }
  };
  auto comma = [&] {
    if (!itemSinceComma) *missing = true;
    itemSinceComma = false;
  };
  size_t i = 0;
  while (i < text.size()) {
    if (text.substr(i, kWideComma.size()) == kWideComma) {
      flush(i);
      comma();
      i += kWideComma.size();
      start = i;
    } else if (text[i] == ',') {
      flush(i);
      comma();
      start = ++i;
    } else if (IsBlank(text[i])) {
      flush(i);
      start = ++i;
    } else {
      ++i;
    }
  }
  flush(text.size());
  if (!items.empty() && !itemSinceComma) *missing = true;  // a comma at the end
  return items;
}

// A value of a list has no sign.
bool ParseInt(std::string_view s, int32_t* out) {
  if (s.empty() || s.front() == '-') return false;
  const std::optional<int32_t> v = IntegerOfText<int32_t>(s);
  if (v) *out = *v;
  return v.has_value();
}

}  // namespace

std::string ValueEditText(const ValueSet& values) {
  std::string s;
  for (int32_t v : values.Values()) s += std::to_string(v) + "  ";
  return s;
}

std::string NumberMemoText(std::span<const int> numbers) {
  std::string s;
  for (int n : numbers) s += TwoDigit(n) + "  ";
  return s;
}

std::string ValueListText(const ValueSet& values) {
  const auto& v = values.Values();
  std::string s;
  for (size_t i = 0; i < v.size();) {
    size_t j = i;
    while (j + 1 < v.size() && static_cast<int64_t>(v[j + 1]) == static_cast<int64_t>(v[j]) + 1)
      ++j;
    if (!s.empty()) s += ',';
    if (j - i >= 2) {
      s += std::to_string(v[i]) + "-" + std::to_string(v[j]);
      i = j + 1;
    } else {
      s += std::to_string(v[i]);
      ++i;
    }
  }
  return s;
}

std::optional<ValueSet> ParseValueList(std::string_view text, std::string* error) {
  const std::string joined = JoinRanges(text);
  bool missing = false;
  const std::vector<std::string_view> items = SplitItems(joined, &missing);
  if (missing) {
    Fail(error, "逗号之间缺少数值: " + std::string(text));
    return std::nullopt;
  }
  std::vector<int32_t> values;
  for (std::string_view item : items) {
    const size_t dash = item.find('-');
    int32_t from = 0, to = 0;
    const bool ok = dash == std::string_view::npos ? ParseInt(item, &from) && ParseInt(item, &to)
                                                   : ParseInt(item.substr(0, dash), &from) &&
                                                         ParseInt(item.substr(dash + 1), &to);
    if (!ok) {
      Fail(error, "\"" + std::string(item) + "\" 不是整数或范围 (应写成如 2,3 或 80-120 或 0,2-4)");
      return std::nullopt;
    }
    if (from > to) {
      Fail(error, "取值范围的起点大于终点: " + std::string(item));
      return std::nullopt;
    }
    if (static_cast<int64_t>(to) - from + 1 > ValueSet::kCapacity) {
      // Refused before it is expanded.
      Fail(error, "取值个数不能超过" + std::to_string(ValueSet::kCapacity) + "个");
      return std::nullopt;
    }
    for (int64_t v = from; v <= to; ++v) values.push_back(static_cast<int32_t>(v));
  }
  return ValueSet::From(std::move(values), error);
}

std::optional<std::vector<int>> ParseNumberList(std::string_view text, int lo, int hi,
                                                std::string* error) {
  auto set = ParseValueList(text, error);
  if (!set) return std::nullopt;
  std::vector<int> out;
  for (int32_t v : set->Values()) {
    if (v < lo || v > hi) {
      Fail(error, "\"" + std::to_string(v) + "\" 超出" + std::to_string(lo) + "到" +
                      std::to_string(hi) + "的范围");
      return std::nullopt;
    }
    out.push_back(v);
  }
  return out;
}

}  // namespace dlt
