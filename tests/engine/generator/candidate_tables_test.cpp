// The history tables give every catalogue indicator at the candidate exactly
// as the catalogue computes it on a history holding the candidate.
#include "generator/candidate_tables.h"

#include <gtest/gtest.h>

#include <random>

#include "generator/random_tickets.h"
#include "history/history_contexts.h"
#include "indicators/base_indicators.h"
#include "indicators/catalogue.h"
#include "indicators/indicator.h"
#include "support/test_support.h"

namespace dlt {
namespace {

void ExpectCatalogueAgrees(int historySize, const EvalEnv& env, int combos, uint32_t seed) {
  MemoryHistory mem;
  mem.Assign(test::RandomHistory(historySize, seed));
  CandidateTables tables(mem, env, 4321);
  std::vector<FastValue> values;
  for (const CatalogueEntry& e : Catalogue()) values.push_back(tables.Compile(e.ref));

  std::mt19937_64 rng(seed);
  std::vector<Draw> copy(mem.Data(), mem.Data() + historySize + 1);
  for (int k = 0; k < combos; ++k) {
    const Combo c = RandomCombo(rng);
    copy[historySize].front = c;
    EvalContext ctx = MemoryContext(mem, historySize, true, 4321, &env);
    ctx.draws = copy.data();
    Candidate cand;
    tables.Start(cand, c);
    for (size_t i = 0; i < Catalogue().size(); ++i) {
      const CatalogueEntry& e = Catalogue()[i];
      const int32_t expected = IndicatorValue(ctx, e.row.key);
      const int32_t got = tables.Eval(values[i], cand);
      ASSERT_EQ(got, expected) << e.row.key << " history " << historySize << " combo " << int(c[0])
                               << " " << int(c[1]) << " " << int(c[2]) << " " << int(c[3]) << " "
                               << int(c[4]);
      // Bounds, where known, hold every value.
      if (const auto b = tables.Bounds(values[i])) {
        EXPECT_LE(b->first, got) << e.row.key;
        EXPECT_GE(b->second, got) << e.row.key;
      }
    }
  }
}

TEST(CandidateTables, EveryCatalogueKeyOnARealSizeHistory) {
  ExpectCatalogueAgrees(3000, EvalEnv{}, 40, 11);
}

TEST(CandidateTables, ShortHistoriesAndFirstDraw) {
  for (int n = 0; n <= 3; ++n) ExpectCatalogueAgrees(n, EvalEnv{}, 30, 100 + n);
}

TEST(CandidateTables, ColdHotSettingsAreHonoured) {
  EvalEnv env;
  env.coldHot.qs = 12;
  env.coldHot.coldcs = 1;
  env.coldHot.hotcs = 3;
  ExpectCatalogueAgrees(300, env, 60, 5);
  env.coldHot.qs = 300;  // an 8-bit window: 44 draws
  env.coldHot.coldcs = 4;
  env.coldHot.hotcs = 9;
  ExpectCatalogueAgrees(300, env, 60, 6);
}

// The shortcuts the tables take for counts and sums, positions and lines
// hold on every combination, not just on the ones they were checked on.
TEST(CandidateTables, ShortcutsHoldOnEveryCombination) {
  MemoryHistory mem;
  mem.Assign(test::RandomHistory(500, 4));
  CandidateTables tables(mem, EvalEnv{}, 0);
  std::vector<std::pair<BaseId, FastValue>> shortcuts;
  for (const BaseRow& row : BaseIndicators()) {
    if (!row.draw) continue;
    const FastValue v = tables.Compile({Family::Base, row.id});
    if (v.kernel != FastValue::Kernel::Draw) shortcuts.emplace_back(row.id, v);
  }
  EXPECT_GE(shortcuts.size(), 60u);  // the counts, sums, positions and lines
  const Draw& previous = mem.At(499);
  std::vector<int> pool(35);
  for (int n = 0; n < 35; ++n) pool[n] = n + 1;
  int mismatches = 0;
  for (const Combo& c : EnumerateCombos(pool, {})) {
    Candidate cand;
    tables.Start(cand, c);
    for (const auto& [id, v] : shortcuts) {
      const int32_t expected = BaseIndicatorRow(id).draw(cand.draw, &previous);
      if (tables.Eval(v, cand) != expected && ++mismatches < 5)
        ADD_FAILURE() << BaseIndicatorRow(id).key;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace dlt
