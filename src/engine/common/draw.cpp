#include "common/draw.h"

#include <algorithm>

#include "common/numbers.h"

namespace dlt {

std::optional<Draw> ValidateDraw(int64_t qs, const std::array<int64_t, 5>& front,
                                 const std::array<int64_t, 2>& back, std::string* error) {
  auto fail = [&](const std::string& msg) -> std::optional<Draw> {
    if (error) *error = msg;
    return std::nullopt;
  };
  if (qs < 1000000 || qs > kLastRealQs)
    return fail("期数必须是七位比如2009001: " + std::to_string(qs));
  Draw d;
  d.qs = static_cast<int32_t>(qs);
  static const char* kFrontNames[] = {"主号一", "主号二", "主号三", "主号四", "主号五"};
  static const char* kBackNames[] = {"副号一", "副号二"};
  for (int i = 0; i < 5; ++i) {
    if (front[i] < 1 || front[i] > kFrontMax)
      return fail(std::string(kFrontNames[i]) + "必须在1到35之间: " + std::to_string(front[i]));
    d.front[i] = static_cast<uint8_t>(front[i]);
  }
  for (int i = 0; i < 2; ++i) {
    if (back[i] < 1 || back[i] > kBackMax)
      return fail(std::string(kBackNames[i]) + "必须在1到12之间: " + std::to_string(back[i]));
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
  std::string s = TwoDigit(d.qs) + " ";
  for (auto n : d.front) s += TwoDigit(n) + " ";
  for (auto n : d.back) s += TwoDigit(n) + " ";
  return s;
}

}  // namespace dlt
