#include "indicators/shape_names.h"

#include <algorithm>
#include <array>

namespace dlt {
namespace {

constexpr std::array<const char*, 14> kClassTypeNames = {
    "单选奇偶",     "组选奇偶",       "单选质合",       "组选质合",  "尾的单选大小",
    "尾的组选大小", "尾的单选大中小", "尾的组选大中小", "单选012路", "组选012路",
    "单选复隔中",   "组选复隔中",     "单选邻孤传",     "组选邻孤传"};

constexpr std::array<const char*, 17> kMoreTypeNames = {
    "ID值",         "位积和",       "AC值",          "遗传值",           "码距值",      "跨度值",
    "平均值",       "最大数",       "中间数",        "最小数",           "和值",        "和尾",
    "同位奇偶遗传", "同位质合遗传", "同位012路遗传", "同位尾数大小遗传", "同位重号个数"};

// Class names of each family for the ordered values, then for the unordered.
struct FamilyNames {
  std::vector<const char*> ordered, unordered;
};

const FamilyNames& NamesOf(int family) {
  static const std::array<FamilyNames, kShapeFamilyCount> names = {{
      {{"偶", "奇"}, {"偶", "奇"}},
      {{"合", "质"}, {"合", "质"}},
      {{"小", "大"}, {"小", "大"}},
      {{"小", "中", "大"}, {"小", "中", "大"}},
      {{"零", "壹", "贰"}, {"0路", "1路", "2路"}},
      {{"复", "隔", "中"}, {"复", "隔", "中"}},
      {{"邻", "孤", "传"}, {"邻", "孤", "传"}},
  }};
  return names[family];
}

// Every ascending tuple of `length` classes over 0..k-1, lexicographically.
std::vector<std::vector<int>> AscendingTuples(int length, int k) {
  std::vector<std::vector<int>> out;
  std::vector<int> t(length, 0);
  for (;;) {
    out.push_back(t);
    int i = length - 1;
    while (i >= 0 && t[i] == k - 1) --i;
    if (i < 0) break;
    ++t[i];
    for (int j = i + 1; j < length; ++j) t[j] = t[i];
  }
  return out;
}

const char* CountWord(int n) {
  return n == 1 ? "一" : n == 2 ? "两" : "三";
}

}  // namespace

int ShapeTypeCount(int arity) {
  return arity == 2 ? 14 : arity == 3 ? 31 : 0;
}

bool IsClassShape(int type) {
  return type >= 0 && type < 2 * kShapeFamilyCount;
}

int ShapeClassCount(int type) {
  return type / 2 < 3 ? 2 : 3;
}

std::string ShapeTypeName(int type, int arity) {
  if (type < 0 || type >= ShapeTypeCount(arity)) return {};
  if (IsClassShape(type)) return kClassTypeNames[type];
  return kMoreTypeNames[type - 14];
}

std::vector<std::string> ShapeValueNames(int type, int arity) {
  if (type < 0 || type >= ShapeTypeCount(arity) || !IsClassShape(type)) return {};
  const FamilyNames& names = NamesOf(type / 2);
  const int k = ShapeClassCount(type);
  std::vector<std::string> out;
  if (type % 2 == 0) {
    int total = 1;
    for (int i = 0; i < arity; ++i) total *= k;
    for (int v = 0; v < total; ++v) {
      std::string name;
      for (int i = arity - 1, rest = v; i >= 0; --i) {
        int weight = 1;
        for (int j = 0; j < i; ++j) weight *= k;
        name += names.ordered[rest / weight];
        rest %= weight;
      }
      out.push_back(name);
    }
    return out;
  }
  for (const auto& tuple : AscendingTuples(arity, k)) {
    std::string name;
    for (int c = 0; c < k; ++c) {
      const int n = static_cast<int>(std::count(tuple.begin(), tuple.end(), c));
      if (n > 0) name += std::string(CountWord(n)) + names.unordered[c];
    }
    out.push_back(name);
  }
  return out;
}

int UnorderedShapeIndex(std::vector<int> classes, int k) {
  std::sort(classes.begin(), classes.end());
  // Ascending tuples before `classes`, counted position by position.
  const int length = static_cast<int>(classes.size());
  int index = 0;
  int low = 0;
  for (int i = 0; i < length; ++i) {
    for (int c = low; c < classes[i]; ++c) {
      // Tuples with prefix fixed and c at i: the remaining length-1-i
      // positions ascend over c..k-1.
      const int rest = length - 1 - i, span = k - c;
      // Multisets of size `rest` over `span` values: C(rest + span - 1, rest).
      int64_t ways = 1;
      for (int j = 1; j <= rest; ++j) ways = ways * (span - 1 + j) / j;
      index += static_cast<int>(ways);
    }
    low = classes[i];
  }
  return index;
}

}  // namespace dlt
