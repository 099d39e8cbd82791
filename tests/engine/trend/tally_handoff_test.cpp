// What the statistics area and the conversion kills hand to other windows:
// the indicator a tally group counts, and the kills as a generator condition.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

#include "generator/condition_set.h"
#include "indicators/eval_context.h"
#include "indicators/indicator.h"
#include "indicators/indicator_series.h"
#include "support/test_support.h"
#include "trend/conversion_kills.h"
#include "trend/item_tally.h"

namespace dlt {
namespace {

// The indicator's values over the range's draws, evaluated in the history.
std::vector<int32_t> Over(const std::vector<Draw>& draws, const DrawRange& range,
                          const std::string& key) {
  const EvalEnv env;
  EvalContext ctx;
  ctx.draws = draws.data();
  ctx.count = static_cast<int>(draws.size());
  ctx.env = &env;
  const std::vector<int32_t> all = IndicatorSeries(ctx, key);
  return {all.begin() + range.First(), all.begin() + range.last + 1};
}

int64_t Sum(const std::vector<int32_t>& v) {
  return std::accumulate(v.begin(), v.end(), int64_t{0});
}

// Every indicator a group offers measures what the group tallies: summed
// (or at its extremes) over the range it gives the group's own counts.
TEST(TallyHandOff, EachGroupsIndicatorsAddUpToItsTally) {
  const std::vector<Draw> draws = test::RandomHistory(80, 21);
  for (const DrawRange range : {DrawRange{79, 30}, DrawRange{40, 41}, DrawRange{10, 1}}) {
    const ItemTally t = TallyItems(draws, range);
    std::map<std::string, std::vector<std::string>> offered;
    for (int divisor : {3, 4, 5}) {
      for (const ItemGroup& g : ItemGroupsPageOne(t)) offered[g.id] = g.indicators;
      for (const ItemGroup& g : ItemGroupsPageTwo(t, divisor, 3)) offered[g.id] = g.indicators;
      const auto& mods = divisor == 3   ? std::vector<int64_t>(t.mod3.begin(), t.mod3.end())
                         : divisor == 4 ? std::vector<int64_t>(t.mod4.begin(), t.mod4.end())
                                        : std::vector<int64_t>(t.mod5.begin(), t.mod5.end());
      ASSERT_EQ(offered["ys"].size(), mods.size());
      for (size_t r = 0; r < mods.size(); ++r)
        EXPECT_EQ(Sum(Over(draws, range, offered["ys"][r])), mods[r]) << offered["ys"][r];
    }
    auto sumOf = [&](const std::string& id, size_t k = 0) {
      return Sum(Over(draws, range, offered.at(id).at(k)));
    };
    EXPECT_EQ(sumOf("jo"), t.odd);
    EXPECT_EQ(sumOf("dx"), t.big);
    for (size_t z = 0; z < 3; ++z) EXPECT_EQ(sumOf("sq", z), t.thirds[z]);
    EXPECT_EQ(sumOf("ws"), t.tailGroupSum);
    EXPECT_EQ(sumOf("zs"), t.primeSum);
    EXPECT_EQ(sumOf("ch"), t.repeatSum);
    EXPECT_EQ(sumOf("lh"), t.runSum);
    for (const auto& [id, extent] :
         {std::pair{"pd", t.skew}, std::pair{"sd", t.scatter}, std::pair{"hz", t.total}}) {
      const std::vector<int32_t> v = Over(draws, range, offered.at(id).at(0));
      EXPECT_EQ(Sum(v), extent.sum) << id;
      EXPECT_EQ(*std::ranges::max_element(v), extent.largest) << id;
      EXPECT_EQ(*std::ranges::min_element(v), extent.smallest) << id;
    }
    EXPECT_EQ(std::ranges::max(Over(draws, range, offered.at("jj").at(0))), t.gaps.largest);
    EXPECT_EQ(std::ranges::min(Over(draws, range, offered.at("jj").at(1))), t.gaps.smallest);
    // The back zone's groups have no indicator of their own.
    for (const char* id : {"f_jo", "f_dx", "f_zh", "f_ys"}) EXPECT_TRUE(offered.at(id).empty());
  }
}

TEST(TallyHandOff, TheConversionKillsOfTheNextDrawBecomeACustomCondition) {
  const std::vector<int32_t> values = {3, 5, 3, 3, 7, 7, 2, 3, 3, 5, 5, 5, 1, 3, 3};
  const ConversionTable table = ConversionTable::Build(values, 10);
  const ConversionKills kills = ComputeKills(table, 1, 10);
  const std::vector<int32_t>& killed = kills.predictions.back().killed;
  ASSERT_FALSE(killed.empty());

  const KillTransfer t = ConversionKillTransfer(table, kills, "z_num2");
  EXPECT_EQ(t.kind, KillKind::Custom);
  EXPECT_EQ(t.indicator, "z_num2");
  EXPECT_EQ(t.from, 0);
  EXPECT_EQ(t.to, 40);
  ConditionSet set;
  std::string error;
  ASSERT_TRUE(ApplyKillTransfer(set, t, &error)) << error;
  ASSERT_EQ(set.CustomIndicators().size(), 1u);
  const ValueSet& allowed = set.CustomIndicators()[0].values;
  for (int32_t v = 0; v <= 40; ++v)
    EXPECT_EQ(allowed.Contains(v), !std::ranges::binary_search(killed, v)) << v;

  // Without rows nothing is killed.
  EXPECT_TRUE(ConversionKillTransfer(ConversionTable{}, ConversionKills{}, "z_hw").list.empty());
}

}  // namespace
}  // namespace dlt
