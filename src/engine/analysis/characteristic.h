#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dlt {

// "特性图表": the classes of the shape components ("尾号", "奇偶", "质合",
// "小大", "三区".."十五区", "除三余数".."除十五余数") a series value falls in.
enum class ComponentKind { None, Tail, OddEven, PrimeComposite, SmallBig, Zones, Remainder };
struct Component {
  ComponentKind kind = ComponentKind::None;
  int n = 0;  // zones or divisor
  int Classes() const;
  bool operator==(const Component&) const = default;
};
Component ComponentOfName(const std::string& name);

// The class headings: "0".."9", "奇"/"偶", "质"/"合", "小"/"大", zone numbers
// "1".."n", remainders "0".."n-1".
std::vector<std::string> ComponentClassLabels(const Component& c);

// The 0-based class of a value (-1 for none: a value outside from..to has
// no zone). Big means at least (from + to) / 2.
int ComponentClassOf(const Component& c, int32_t value, int32_t from, int32_t to);

// "中间值是:" + (from + to) / 2 with at most one decimal: 16.5, 16.
std::string MiddleValueText(int32_t from, int32_t to);

}  // namespace dlt
