#include "common/draw.h"

#include <algorithm>

#include "common/gbk_text.h"
#include "common/numbers.h"

namespace dlt {

namespace {

constexpr const char* kFieldNames[8] = {"期数",   "主号一", "主号二", "主号三",
                                        "主号四", "主号五", "副号一", "副号二"};

}  // namespace

const char* DrawFieldName(int field) {
  return field >= 0 && field < 8 ? kFieldNames[field] : "";
}

std::optional<int64_t> ParseDrawField(std::string_view text, int field, std::string* error) {
  const auto digits = [](std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const std::string name = DrawFieldName(field);
  const std::string shown(CutText(text, 20));
  if (text.size() > 1 && text.front() == '-' && digits(text.substr(1))) {
    if (error) *error = name + "不能是负数: " + shown;
    return std::nullopt;
  }
  if (!digits(text)) {
    if (error) *error = name + "不是整数: " + shown;
    return std::nullopt;
  }
  const size_t first = std::min(text.find_first_not_of('0'), text.size() - 1);
  if (text.size() - first > 9) {
    if (error) *error = name + "太大: " + shown;
    return std::nullopt;
  }
  int64_t v = 0;
  for (char c : text.substr(first)) v = v * 10 + (c - '0');
  return v;
}

std::optional<Draw> ValidateDraw(int64_t qs, const std::array<int64_t, 5>& front,
                                 const std::array<int64_t, 2>& back, std::string* error) {
  auto fail = [&](const std::string& msg) -> std::optional<Draw> {
    if (error) *error = msg;
    return std::nullopt;
  };
  if (qs == kForecastQs || qs == kReservedQs)
    return fail("期数" + std::to_string(qs) + "留作预测区, 不能用于开奖数据");
  if (qs < 1000000 || qs > kLastRealQs)
    return fail("期数必须是七位比如2009001: " + std::to_string(qs));
  Draw d;
  d.qs = static_cast<int32_t>(qs);
  for (int i = 0; i < 5; ++i) {
    if (front[i] < 1 || front[i] > kFrontMax)
      return fail(std::string(kFieldNames[1 + i]) + "必须在1到35之间: " + std::to_string(front[i]));
    d.front[i] = static_cast<uint8_t>(front[i]);
  }
  for (int i = 0; i < 2; ++i) {
    if (back[i] < 1 || back[i] > kBackMax)
      return fail(std::string(kFieldNames[6 + i]) + "必须在1到12之间: " + std::to_string(back[i]));
    d.back[i] = static_cast<uint8_t>(back[i]);
  }
  std::sort(d.front.begin(), d.front.end());
  std::sort(d.back.begin(), d.back.end());
  if (std::adjacent_find(d.front.begin(), d.front.end()) != d.front.end())
    return fail("主号不能重复");
  if (d.back[0] == d.back[1]) return fail("副号不能重复");
  return d;
}

std::string FormatDrawLine(const Draw& d) {
  return DrawText(d) + " ";
}

std::string DrawText(const Draw& d) {
  return TwoDigit(d.qs) + " " + NumbersOnlyText(d);
}

std::string NumbersOnlyText(const Draw& d) {
  std::string s;
  for (auto n : d.front) s += TwoDigit(n) + " ";
  for (auto n : d.back) s += TwoDigit(n) + " ";
  s.pop_back();
  return s;
}

}  // namespace dlt
