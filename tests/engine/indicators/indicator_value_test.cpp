#include <gtest/gtest.h>

#include <thread>

#include "history/draw_table.h"
#include "history/history_contexts.h"
#include "history/memory_history.h"
#include "indicator_test_support.h"
#include "indicators/catalogue.h"
#include "indicators/compound.h"
#include "indicators/indicator.h"
#include "support/test_support.h"

namespace dlt {
namespace {

using test::ContextOver;
using test::MakeDraw;

TEST(IndicatorValue, UnknownKeysGiveMinus999) {
  const std::vector<Draw> h{MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 2})};
  const EvalContext ctx = ContextOver(h, 0);
  for (const char* key : {"", "nonsense", "z_hzz", "Z_HZ", "z_maxlhzf", "z_xx_yl"}) {
    EXPECT_EQ(IndicatorValue(ctx, key), kNoValue) << key;
    EXPECT_FALSE(ResolveIndicator(key).ok()) << key;
  }
}

TEST(IndicatorValue, ParameterisedKeysComeLastAndKeepTheirErrors) {
  const std::vector<Draw> h{MakeDraw(2009001, {3, 4, 5, 12, 13}, {1, 2})};
  for (const char* key : {"c_cz_1", "c_cz_x", "c_hz_16", "c_fq_0_3_", "c_unknown", "xc51c_cz_1"}) {
    const std::optional<Resolution> compound = ResolveCompound(key);
    const Resolution r = ResolveIndicator(key);
    if (!compound) {
      EXPECT_FALSE(r.ok()) << key;
      EXPECT_EQ(r.error, "") << key;
      continue;
    }
    EXPECT_EQ(r.ok(), compound->ok()) << key;
    EXPECT_EQ(r.error, compound->error) << key;
    const int32_t expected =
        compound->ok() ? compound->indicator->Value(ContextOver(h, 0)) : kNoValue;
    EXPECT_EQ(IndicatorValue(ContextOver(h, 0), key), expected) << key;
  }
  // Catalogue keys never reach the parameterised resolution.
  EXPECT_EQ(ResolveIndicator("xc51").indicator->CatalogueRef(),
            (IndicatorRef{Family::Base, BaseId::xc51}));
}

TEST(IndicatorValue, TestReadsTheTableRecordWhateverTheSource) {
  test::TempDir dir;
  DrawTable table(dir.file("basedata.db"));
  const std::vector<Draw> draws = test::RandomHistory(5, 2);
  table.ApplyImport(draws, false);
  table.SetScratch(ScratchField::Test, 3, 4711);
  table.SetPosition(3);
  EXPECT_EQ(IndicatorValue(TableContext(table, nullptr), "test"), 4711);
  table.SetPosition(2);
  EXPECT_EQ(IndicatorValue(TableContext(table, nullptr), "test"), 0);

  MemoryHistory mem;
  mem.Assign(draws);
  // The memory context carries the table record's value, not one per index.
  EXPECT_EQ(IndicatorValue(MemoryContext(mem, 1, false, 4711, nullptr), "test"), 4711);
}

TEST(IndicatorValue, EveryKeyResolvesOnceToTheSameObject) {
  const Resolution a = ResolveIndicator("z_hz");
  const Resolution b = ResolveIndicator(std::string("z_") + "hz");
  ASSERT_TRUE(a.ok());
  EXPECT_EQ(a.indicator.get(), b.indicator.get());
  EXPECT_EQ(a.indicator->CatalogueRef(), (IndicatorRef{Family::Base, BaseId::z_hz}));
  EXPECT_EQ(ResolveIndicator("test").indicator->CatalogueRef(), std::nullopt);
  for (const CatalogueEntry& e : Catalogue()) {
    const Resolution r = ResolveIndicator(e.row.key);
    ASSERT_TRUE(r.ok()) << e.row.key;
    EXPECT_EQ(r.indicator->CatalogueRef(), e.ref) << e.row.key;
  }
}

TEST(IndicatorValue, FamiliesMeasureTheBaseAgainstEarlierDraws) {
  const std::vector<Draw> h{
      MakeDraw(1, {1, 2, 3, 4, 5}, {1, 2}),      // z_hz 15
      MakeDraw(2, {1, 2, 3, 4, 6}, {1, 3}),      // 16
      MakeDraw(3, {2, 3, 4, 5, 7}, {2, 3}),      // 21
      MakeDraw(4, {1, 2, 3, 4, 5}, {1, 2}),      // 15 again
      MakeDraw(5, {10, 20, 30, 31, 35}, {5, 6})  // 126
  };
  auto at = [&](int pos, const char* key) { return IndicatorValue(ContextOver(h, pos), key); };
  EXPECT_EQ(at(3, "z_hzyl"), 2);  // 21, 16 passed over; 15 at the first draw
  EXPECT_EQ(at(4, "z_hzyl"), 4);  // never seen: four earlier draws
  EXPECT_EQ(at(0, "z_hzyl"), 0);
  EXPECT_EQ(at(4, "z_hzylzf"), 2);  // |4 - 2|
  EXPECT_EQ(at(0, "z_hzylzf"), 0);  // the first draw: 0 - 0
  EXPECT_EQ(at(3, "z_hzzf"), 6);    // |15 - 21|
  EXPECT_EQ(at(2, "f_hzzf"), 1);    // |5 - 4|
  // Position omission waits for the number at its own position; the global
  // omission for it anywhere. At draw 3 z_num1 is 02, which stood at
  // position 2 in the draw before.
  EXPECT_EQ(at(2, "z_num1yl"), 2);
  EXPECT_EQ(at(2, "z_num1yl_toall"), 0);
  EXPECT_EQ(at(4, "z_num2yl_toall"), 4);
}

TEST(IndicatorValue, TableAndMemorySourcesAgree) {
  test::TempDir dir;
  DrawTable table(dir.file("basedata.db"));
  const std::vector<Draw> draws = test::RandomHistory(80, 4);
  table.ApplyImport(draws, false);
  MemoryHistory mem;
  mem.LoadFrom(table);
  ASSERT_EQ(mem.Count(), 80);
  EvalEnv env;
  env.coldHot.qs = 20;  // a window shorter than the history
  for (int pos : {0, 1, 2, 40, 79}) {
    table.SetPosition(pos);
    const EvalContext t = TableContext(table, &env);
    const EvalContext m = MemoryContext(mem, pos, false, 0, &env);
    for (const CatalogueEntry& e : Catalogue())
      ASSERT_EQ(IndicatorValue(t, e.row.key), IndicatorValue(m, e.row.key))
          << e.row.key << " at " << pos;
  }
}

TEST(IndicatorValue, CandidateSlotActsAsTheNextDraw) {
  std::vector<Draw> draws = test::RandomHistory(41, 8);
  const Draw candidate = draws.back();
  draws.pop_back();
  MemoryHistory mem;
  mem.Assign(draws);
  mem.CandidateSlot() = candidate;
  const EvalContext slot = MemoryContext(mem, mem.Count(), true, 0, nullptr);
  draws.push_back(candidate);
  const EvalContext plain = ContextOver(draws, 40);
  for (const CatalogueEntry& e : Catalogue())
    ASSERT_EQ(IndicatorValue(slot, e.row.key), IndicatorValue(plain, e.row.key)) << e.row.key;
}

TEST(IndicatorValue, ResolutionIsThreadSafe) {
  std::vector<std::string> keys{"test", "nonsense", "c_cz_1", "z_hz"};
  for (const CatalogueEntry& e : Catalogue()) keys.push_back(e.row.key);
  // Keys no other test resolved, so the threads race on first resolution.
  for (int i = 0; i < 200; ++i) keys.push_back("unknown_key_" + std::to_string(i));
  const std::vector<Draw> h = test::RandomHistory(30, 6);
  constexpr int kThreads = 6;
  std::vector<std::vector<const Indicator*>> seen(kThreads);
  std::vector<std::vector<int32_t>> values(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      seen[t].resize(keys.size());
      values[t].resize(keys.size());
      for (int round = 0; round < 3; ++round)
        for (size_t i = 0; i < keys.size(); ++i) {
          // Each thread starts at another key; every thread visits all of them.
          const size_t k = (i + static_cast<size_t>(t) * 37 + round) % keys.size();
          const Resolution r = ResolveIndicator(keys[k]);
          if (round > 0 && seen[t][k] != r.indicator.get()) seen[t][k] = nullptr;  // unstable
          if (round == 0) seen[t][k] = r.indicator.get();
          values[t][k] = r.ok() ? r.indicator->Value(ContextOver(h, 29)) : kNoValue;
        }
    });
  for (auto& th : threads) th.join();
  for (int t = 1; t < kThreads; ++t) {
    EXPECT_EQ(seen[t], seen[0]) << "thread " << t << " got other objects";
    EXPECT_EQ(values[t], values[0]);
  }
  EXPECT_EQ(values[0][3], IndicatorValue(ContextOver(h, 29), "z_hz"));
}

}  // namespace
}  // namespace dlt
