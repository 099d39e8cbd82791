#include "trend/pair_matrix.h"

#include <algorithm>

#include "common/numbers.h"

namespace dlt {

PairMatrix CountPairs(std::span<const Draw> draws, const DrawRange& range) {
  PairMatrix m;
  const int last = std::min(range.last, static_cast<int>(draws.size()) - 1);
  for (int i = last; i > last - range.count && i >= 0; --i)
    for (int a : draws[i].front)
      for (int b : draws[i].front) ++m.count[a][b];
  return m;
}

std::string PairEntryText(const PairEntry& e) {
  return TwoDigit(e.a) + ":" + TwoDigit(e.b) + "==>" + std::to_string(e.count) + "次";
}

PairLists ListPairs(const PairMatrix& m, int above, int below) {
  PairLists lists;
  for (int b = 2; b <= kFrontMax; ++b)
    for (int a = 1; a < b; ++a) {
      const int32_t c = m.count[a][b];
      if (c > above) lists.together.push_back({a, b, c});
      if (c < below) lists.apart.push_back({a, b, c});
    }
  return lists;
}

}  // namespace dlt
