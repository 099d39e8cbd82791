// A kill or banker prediction handed to the generator's conditions.
#include "generator/kill_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "generator/condition_set.h"

namespace dlt {
namespace {

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int n = from; n <= to; ++n) v.push_back(n);
  return v;
}

std::vector<int> Without(std::vector<int> v, const std::vector<int>& gone) {
  std::erase_if(v, [&](int n) { return std::ranges::count(gone, n) > 0; });
  return v;
}

TEST(KillTransfer, KillsLeaveTheirZonesPoolAndBankersReplaceTheBankers) {
  struct Case {
    KillKind kind;
    std::vector<int32_t> list;
    bool done;
    std::vector<int> frontPool, backPool, frontBankers, backBankers;
    std::string error;
  };
  const Case cases[] = {
      {KillKind::FrontKill,
       {3, 17, 35},
       true,
       Without(Range(1, 35), {3, 17, 35}),
       Range(1, 12),
       {},
       {},
       ""},
      {KillKind::BackKill, {1, 12}, true, Range(1, 35), Range(2, 11), {}, {}, ""},
      // Values outside the zone kill nothing.
      {KillKind::FrontKill, {0, 40}, true, Range(1, 35), Range(1, 12), {}, {}, ""},
      {KillKind::FrontBanker, {4, 9}, true, Range(1, 35), Range(1, 12), {4, 9}, {}, ""},
      {KillKind::BackBanker, {7}, true, Range(1, 35), Range(1, 12), {}, {7}, ""},
      {KillKind::FrontBanker,
       {1, 2, 3, 4, 5, 6},
       false,
       Range(1, 35),
       Range(1, 12),
       {8},
       {},
       "选择主区胆码不能大于5个"},
      {KillKind::BackBanker,
       {1, 2, 3},
       false,
       Range(1, 35),
       Range(1, 12),
       {},
       {},
       "选择副区胆码不能大于2个"},
  };
  for (const Case& c : cases) {
    ConditionSet set;
    if (c.kind == KillKind::FrontBanker && !c.done) {
      ASSERT_TRUE(set.SetBankers(std::vector<int>{8}));
    }
    KillTransfer t;
    t.kind = c.kind;
    t.list = c.list;
    std::string error;
    EXPECT_EQ(ApplyKillTransfer(set, t, &error), c.done) << static_cast<int>(c.kind);
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(set.PoolNumbers(), c.frontPool) << static_cast<int>(c.kind);
    EXPECT_EQ(set.Back().PoolNumbers(), c.backPool) << static_cast<int>(c.kind);
    // A refused banker list leaves the bankers chosen before.
    EXPECT_EQ(set.BankerNumbers(), c.frontBankers) << static_cast<int>(c.kind);
    EXPECT_EQ(set.Back().BankerNumbers(), c.backBankers) << static_cast<int>(c.kind);
  }
}

TEST(KillTransfer, ACustomListAllowsTheValuesOfInterestItDoesNotKill) {
  ConditionSet set;
  KillTransfer t;
  t.kind = KillKind::Custom;
  t.indicator = "z_num1";
  t.from = 0;
  t.to = 8;
  t.list = {0, 3, 4, 8, 12};
  std::string error;
  ASSERT_TRUE(ApplyKillTransfer(set, t, &error)) << error;
  ASSERT_EQ(set.CustomIndicators().size(), 1u);
  EXPECT_EQ(set.CustomIndicators()[0].formula, "z_num1");
  EXPECT_EQ(set.CustomIndicators()[0].values.Values(), (std::vector<int32_t>{1, 2, 5, 6, 7}));
}

}  // namespace
}  // namespace dlt
