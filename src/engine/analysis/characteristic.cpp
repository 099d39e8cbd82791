#include "analysis/characteristic.h"

#include <array>

#include "common/numbers.h"
#include "common/text.h"

namespace dlt {
namespace {

// 三 .. 十五 at the start of a name; 0 when none matches.
int ChineseNumberPrefix(const std::string& name, size_t* length) {
  int best = 0;
  for (int n = 3; n <= 15; ++n) {
    const std::string text = ChineseNumeral(n);
    if (name.starts_with(text) && text.size() > *length) {
      *length = text.size();
      best = n;
    }
  }
  return best;
}

}  // namespace

int Component::Classes() const {
  switch (kind) {
    case ComponentKind::Tail:
      return 10;
    case ComponentKind::OddEven:
    case ComponentKind::PrimeComposite:
    case ComponentKind::SmallBig:
      return 2;
    case ComponentKind::Zones:
    case ComponentKind::Remainder:
      return n;
    case ComponentKind::None:
      break;
  }
  return 0;
}

Component ComponentOfName(const std::string& name) {
  if (name == "尾号") return {ComponentKind::Tail, 10};
  if (name == "奇偶") return {ComponentKind::OddEven, 2};
  if (name == "质合") return {ComponentKind::PrimeComposite, 2};
  if (name == "小大") return {ComponentKind::SmallBig, 2};
  const std::string zone = "区", remainder = "余数", divide = "除";
  if (name.size() > zone.size() && name.ends_with(zone)) {
    size_t length = 0;
    const int n = ChineseNumberPrefix(name, &length);
    if (n && length + zone.size() == name.size()) return {ComponentKind::Zones, n};
  }
  if (name.starts_with(divide) && name.ends_with(remainder)) {
    const std::string middle = name.substr(divide.size());
    size_t length = 0;
    const int n = ChineseNumberPrefix(middle, &length);
    if (n && length + remainder.size() == middle.size()) return {ComponentKind::Remainder, n};
  }
  return {};
}

std::vector<std::string> ComponentClassLabels(const Component& c) {
  switch (c.kind) {
    case ComponentKind::OddEven:
      return {"奇", "偶"};
    case ComponentKind::PrimeComposite:
      return {"质", "合"};
    case ComponentKind::SmallBig:
      return {"小", "大"};
    case ComponentKind::Zones: {
      std::vector<std::string> l;
      for (int z = 1; z <= c.n; ++z) l.push_back(std::to_string(z));
      return l;
    }
    case ComponentKind::Tail:
    case ComponentKind::Remainder: {
      std::vector<std::string> l;
      for (int r = 0; r < c.Classes(); ++r) l.push_back(std::to_string(r));
      return l;
    }
    case ComponentKind::None:
      break;
  }
  return {};
}

int ComponentClassOf(const Component& c, int32_t v, int32_t from, int32_t to) {
  switch (c.kind) {
    case ComponentKind::Tail:
      return ((v % 10) + 10) % 10;
    case ComponentKind::OddEven:
      return v % 2 != 0 ? 0 : 1;
    case ComponentKind::PrimeComposite:
      return IsPrime(v) ? 0 : 1;
    case ComponentKind::SmallBig:
      return 2.0 * v >= static_cast<double>(from) + to ? 1 : 0;
    case ComponentKind::Zones:
      if (v < from || v > to) return -1;
      return ZoneOf(ZoneBounds(c.n, from, to), v) - 1;
    case ComponentKind::Remainder:
      return ((v % c.n) + c.n) % c.n;
    case ComponentKind::None:
      break;
  }
  return -1;
}

std::string MiddleValueText(int32_t from, int32_t to) {
  const int64_t sum = static_cast<int64_t>(from) + to;
  std::string text = std::to_string(sum / 2);
  if (sum % 2 != 0) {
    if (sum < 0 && sum / 2 == 0) text = "-0";
    text += ".5";
  }
  return text;
}

}  // namespace dlt
