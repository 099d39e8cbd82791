#include "trend/data_tables.h"

#include "chart/tcoordinate.h"
#include "common/numbers.h"
#include "indicators/coldhot.h"
#include "indicators/front_indicators.h"
#include "indicators/group_texts.h"

namespace dlt {
namespace {

std::string NumberList(const std::vector<int>& numbers) {
  std::string t;
  for (int n : numbers) t += TwoDigit(n) + ",";
  return t;
}

template <class Pred>
std::string FrontWhere(const Draw& d, Pred pred) {
  std::string t;
  for (int n : d.front)
    if (pred(n)) t += TwoDigit(n) + ",";
  return t;
}

std::string Counts(const std::vector<int>& counts) {
  std::string t;
  for (size_t i = 0; i < counts.size(); ++i) t += (i ? ":" : "") + std::to_string(counts[i]);
  return t;
}

// Counts of the front numbers in the zones of ZoneBounds(k, 1, 35).
std::string ZoneCounts(const Draw& d, int k) {
  const std::vector<int> bounds = ZoneBounds(k, 1, 35);
  std::vector<int> counts(k, 0);
  for (int n : d.front) ++counts[ZoneOf(bounds, n) - 1];
  return Counts(counts);
}

std::string RemainderCounts(const Draw& d, int divisor) {
  std::vector<int> counts(divisor, 0);
  for (int n : d.front) ++counts[n % divisor];
  return Counts(counts);
}

std::vector<std::string> Common(const Draw& d) {
  std::vector<std::string> row = {IssueText(d.qs)};
  for (int n : d.front) row.push_back(TwoDigit(n));
  for (int n : d.back) row.push_back(TwoDigit(n));
  return row;
}

std::vector<std::string> Table1Row(std::span<const Draw> draws, int index) {
  const Draw& d = draws[index];
  const Draw* previous = index > 0 ? &draws[index - 1] : nullptr;
  std::vector<std::string> row = Common(d);
  const int odd = OddCount(d), prime = PrimeCount(d);
  std::string gaps;
  for (int k = 0; k < 4; ++k) gaps += TwoDigit(d.front[k + 1] - d.front[k]) + ",";
  const int sum = FrontSum(d), tailSum = FrontTailSum(d);
  for (std::string t : {std::to_string(d.front[4] - d.front[0]),
                        std::to_string(DistinctTailCount(d)),
                        std::to_string(ConsecutivePairCount(d)),
                        std::to_string(RepeatCount(d, previous)),
                        std::to_string(NeighbourCount(d, previous)),
                        std::to_string(odd) + ":" + std::to_string(5 - odd),
                        FrontWhere(d, [](int n) { return n % 2 == 1; }),
                        FrontWhere(d, [](int n) { return n % 2 == 0; }),
                        std::to_string(prime) + ":" + std::to_string(5 - prime),
                        FrontWhere(d, [](int n) { return IsPrime(n); }),
                        FrontWhere(d, [](int n) { return !IsPrime(n); }),
                        ConsecutiveNumberText(d),
                        SameTailText(d),
                        gaps,
                        std::to_string(LargestGap(d)),
                        std::to_string(SmallestGap(d)),
                        std::to_string(DistinctGapCount(d)),
                        std::to_string(sum),
                        std::to_string(sum % 3),
                        std::to_string(tailSum),
                        std::to_string(tailSum % 3)})
    row.push_back(std::move(t));
  return row;
}

std::vector<std::string> Table2Row(const Draw& d) {
  std::vector<std::string> row = Common(d);
  const int big = BigCount(d);
  row.push_back(std::to_string(5 - big) + ":" + std::to_string(big));
  for (int k : {3, 5, 7}) row.push_back(ZoneCounts(d, k));
  for (int divisor : {3, 4, 5}) row.push_back(RemainderCounts(d, divisor));
  return row;
}

// "冷号：..., 温号：..., 热号：..." of a classification.
std::string ClassesText(const ZoneClasses& z) {
  return "冷号：" + NumberList(z.cold) + " 温号：" + NumberList(z.warm) + " 热号：" +
         NumberList(z.hot);
}

// The numbers of a draw in each class, and their counts joined by ":".
void AddDrawClasses(std::vector<std::string>& row, const ZoneClasses& before,
                    const std::vector<int>& numbers) {
  std::vector<int> in[3];
  const std::vector<int>* lists[3] = {&before.cold, &before.warm, &before.hot};
  for (int n : numbers)
    for (int c = 0; c < 3; ++c)
      for (int m : *lists[c])
        if (m == n) in[c].push_back(n);
  row.push_back(Counts({static_cast<int>(in[0].size()), static_cast<int>(in[1].size()),
                        static_cast<int>(in[2].size())}));
  for (const auto& list : in) row.push_back(NumberList(list));
}

std::vector<std::string> Table3Row(std::span<const Draw> draws, int index,
                                   const ColdHotSettings& s) {
  const Draw& d = draws[index];
  const int previous = index > 0 ? index - 1 : index;
  const ZoneClasses frontNow = ClassifyZone(draws, index, s.qs, s.coldcs, s.hotcs, false);
  const ZoneClasses frontBefore = ClassifyZone(draws, previous, s.qs, s.coldcs, s.hotcs, false);
  const ZoneClasses backNow = ClassifyZone(draws, index, s.f_qs, s.f_coldcs, s.f_hotcs, true);
  const ZoneClasses backBefore = ClassifyZone(draws, previous, s.f_qs, s.f_coldcs, s.f_hotcs, true);
  std::vector<std::string> row = {IssueText(d.qs)};
  AddDrawClasses(row, frontBefore, {d.front.begin(), d.front.end()});
  row.push_back(ClassesText(frontNow));
  AddDrawClasses(row, backBefore, {d.back.begin(), d.back.end()});
  row.push_back(ClassesText(backNow));
  return row;
}

}  // namespace

const std::vector<std::string>& DataTableHeaders(int table) {
  static const std::vector<std::string> one = {
      "期数",         "主号一",     "主号二",     "主号三",       "主号四",       "主号五",
      "副号一",       "副号二",     "主区跨度",   "尾组个数",     "连号组数",     "重复号数",
      "邻号组数",     "主区奇偶比", "主区奇数号", "主区偶数号",   "主区质合比",   "主区质数号",
      "主区合数号",   "主区连续号", "主区同尾号", "主区邻位间距", "最大邻位间距", "最小邻位间距",
      "邻位间距个数", "和值",       "和值012路",  "尾和",         "尾和012路"};
  static const std::vector<std::string> two = {
      "期数",   "主号一", "主号二", "主号三", "主号四",     "主号五",     "副号一",    "副号二",
      "小大比", "三区比", "五区比", "七区比", "除三余数比", "除四余数比", "除五余数比"};
  static const std::vector<std::string> three = {"期数",
                                                 "主区冷温热比",
                                                 "主区本期开奖冷号",
                                                 "主区本期开奖温号",
                                                 "主区本期开奖热号",
                                                 "主区下期冷温热号",
                                                 "副区冷温热比",
                                                 "副区本期开奖冷号",
                                                 "副区本期开奖温号",
                                                 "副区本期开奖热号",
                                                 "副区下期冷温热号"};
  return table == 1 ? one : table == 2 ? two : three;
}

std::vector<std::string> DataTableRow(int table, std::span<const Draw> draws, int index,
                                      const ColdHotSettings& coldHot) {
  if (index < 0 || index >= static_cast<int>(draws.size())) return {};
  switch (table) {
    case 1:
      return Table1Row(draws, index);
    case 2:
      return Table2Row(draws[index]);
    default:
      return Table3Row(draws, index, coldHot);
  }
}

}  // namespace dlt
