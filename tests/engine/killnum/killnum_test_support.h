#pragma once

#include <vector>

#include "killnum/kill_history.h"
#include "support/test_support.h"

namespace dlt::test {

inline KillHistory HistoryOf(std::vector<Draw> draws) {
  return KillHistory(std::move(draws), {}, EvalEnv{});
}

// Draw i (numbered 2010001 + i) holds the front pair 2(i mod 5) + 1 and
// 2(i mod 5) + 2 beside 20, 25 and 30: over any 100 consecutive draws every
// number 1..10 is drawn exactly 20 times. `extra` lists draws whose pair is
// replaced by 11 and 12 (so 1..10 are not drawn there).
inline std::vector<Draw> PairDraws(int count, const std::vector<int>& extra = {}) {
  std::vector<Draw> draws;
  for (int i = 0; i < count; ++i) {
    int a = 2 * (i % 5) + 1;
    for (int e : extra)
      if (e == i) a = 11;
    draws.push_back(MakeDraw(2010001 + i, {a, a + 1, 20, 25, 30}, {1, 2}));
  }
  return draws;
}

}  // namespace dlt::test
