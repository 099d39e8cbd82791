#include "indicators/reference_texts.h"

#include "common/numbers.h"
#include "common/text.h"
#include "indicators/shape_names.h"

namespace dlt {

std::string ZoneName(int k, int zone) {
  if (k == 2) return zone == 1 ? "小区" : "大区";
  return ChineseNumeral(zone) + "区";
}

std::vector<std::string> ZoneTextLines() {
  std::vector<std::string> lines;
  for (int k = 2; k <= 15; ++k) {
    lines.push_back("(" + ChineseNumeral(k) + "区的分区设定)");
    const std::vector<int> z = ZoneBounds(k, 1, 35);
    std::string line;
    for (int e = 1; e <= k; ++e) {
      if (e > 1) line += std::string(10, ' ');
      line +=
          ZoneName(k, e) + "<" + std::to_string(z[e - 1] + 1) + ".." + std::to_string(z[e]) + ">";
    }
    lines.push_back(line);
    lines.emplace_back();
  }
  return lines;
}

}  // namespace dlt

namespace dlt {

std::vector<std::string> ShapeTextLines() {
  struct Group {
    const char* title;
    int arity;
    int firstType;  // 0: ordered (单选) types, 1: unordered (组选) types
  };
  static constexpr Group kGroups[] = {{"两个指标组合的单选形态", 2, 0},
                                      {"两个指标组合的组选形态", 2, 1},
                                      {"三个指标组合的单选形态", 3, 0},
                                      {"三个指标组合的组选形态", 3, 1}};
  std::vector<std::string> lines;
  for (const Group& g : kGroups) {
    lines.emplace_back(g.title);
    for (int family = 0; family < kShapeFamilyCount; ++family) {
      const std::vector<std::string> names = ShapeValueNames(g.firstType + 2 * family, g.arity);
      std::string line;
      for (size_t v = 0; v < names.size(); ++v)
        line += "      " + std::to_string(v) + "=  " + names[v];
      lines.push_back(line);
    }
    lines.emplace_back();
  }
  return lines;
}

}  // namespace dlt
