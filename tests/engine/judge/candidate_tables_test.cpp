// The history tables give every catalogue indicator at the candidate exactly
// as the catalogue computes it on a history holding the candidate.
#include <gtest/gtest.h>

#include <random>

#include "generator/candidate_tables.h"
#include "history/eval_contexts.h"
#include "indicators/catalogue.h"
#include "indicators/indicator.h"
#include "support/test_support.h"

namespace dlt {
namespace {

Combo RandomCombo(std::mt19937& rng) {
  std::array<int, 35> all{};
  for (int i = 0; i < 35; ++i) all[i] = i + 1;
  std::shuffle(all.begin(), all.end(), rng);
  Combo c{};
  for (int i = 0; i < 5; ++i) c[i] = static_cast<uint8_t>(all[i]);
  std::sort(c.begin(), c.end());
  return c;
}

void ExpectCatalogueAgrees(int historySize, const EvalEnv& env, int combos, uint32_t seed) {
  MemoryHistory mem;
  mem.Assign(test::RandomHistory(historySize, seed));
  CandidateTables tables(mem, env, 4321);
  for (const CatalogueEntry& e : Catalogue()) tables.Prepare(e.ref);

  std::mt19937 rng(seed);
  std::vector<Draw> copy(mem.Data(), mem.Data() + historySize + 1);
  for (int k = 0; k < combos; ++k) {
    const Combo c = RandomCombo(rng);
    copy[historySize].front = c;
    EvalContext ctx = MemoryContext(mem, historySize, true, 4321, &env);
    ctx.draws = copy.data();
    Candidate cand;
    tables.Start(cand, c);
    for (const CatalogueEntry& e : Catalogue()) {
      const int32_t expected = IndicatorValue(ctx, e.row.key);
      ASSERT_EQ(tables.Value(e.ref, cand), expected)
          << e.row.key << " history " << historySize << " combo " << int(c[0]) << " "
          << int(c[1]) << " " << int(c[2]) << " " << int(c[3]) << " " << int(c[4]);
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

}  // namespace
}  // namespace dlt
