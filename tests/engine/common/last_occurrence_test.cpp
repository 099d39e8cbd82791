#include "common/last_occurrence.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace dlt {
namespace {

int32_t NaiveFind(const std::vector<int32_t>& values, int32_t first, int32_t v) {
  for (size_t i = values.size(); i-- > 0;)
    if (values[i] == v) return first + static_cast<int32_t>(i);
  return -1;
}

// Both layouts against a walk back, on the values present, their
// neighbours and the extremes of the type.
TEST(LastOccurrence, AgreesWithAWalkBackDenseAndSparse) {
  struct Case {
    const char* name;
    int32_t lo, hi;
    bool dense;
  };
  const Case cases[] = {
      {"small span", -3, 40, true},
      {"span at the dense limit", 0, LastOccurrence::kMaxDenseSpan - 1, true},
      {"one past the limit", 0, LastOccurrence::kMaxDenseSpan, false},
      {"whole type", INT32_MIN, INT32_MAX, false},
  };
  std::mt19937 rng(7);
  for (const Case& c : cases) {
    std::uniform_int_distribution<int32_t> pick(c.lo, c.hi);
    std::vector<int32_t> values{c.lo, c.hi};  // the span is exactly lo..hi
    for (int i = 0; i < 300; ++i) values.push_back(values[rng() % values.size()]);
    for (int i = 0; i < 300; ++i) values.push_back(pick(rng));
    for (int32_t first : {0, 17}) {
      LastOccurrence index;
      index.Build(values, first);
      EXPECT_EQ(index.Dense(), c.dense) << c.name;
      std::vector<int32_t> probes = values;
      for (int32_t v : values) {
        if (v > INT32_MIN) probes.push_back(v - 1);
        if (v < INT32_MAX) probes.push_back(v + 1);
      }
      probes.insert(probes.end(), {INT32_MIN, INT32_MAX, 0});
      for (int32_t v : probes)
        ASSERT_EQ(index.Find(v), NaiveFind(values, first, v)) << c.name << " value " << v;
    }
  }
}

TEST(LastOccurrence, EmptyAndRebuilt) {
  LastOccurrence index;
  EXPECT_EQ(index.Find(0), -1);
  index.Build(std::vector<int32_t>{INT32_MIN, INT32_MAX});
  EXPECT_EQ(index.Find(INT32_MAX), 1);
  index.Build(std::vector<int32_t>{5, 5});  // nothing of the wide build is left
  EXPECT_TRUE(index.Dense());
  EXPECT_EQ(index.Find(5), 1);
  EXPECT_EQ(index.Find(INT32_MAX), -1);
  index.Build({});
  EXPECT_EQ(index.Find(5), -1);
}

// Moved forward one value at a time, it answers as a table built over the
// values so far, through the switch from the dense layout to the list.
TEST(LastOccurrence, SetOneByOneAgreesWithBuild) {
  std::mt19937 rng(3);
  for (int32_t spread : {10, static_cast<int32_t>(LastOccurrence::kMaxDenseSpan / 4), INT32_MAX}) {
    std::uniform_int_distribution<int32_t> pick(-spread, spread);
    LastOccurrence moving;
    std::vector<int32_t> values;
    for (int i = 0; i < 200; ++i) {
      const int32_t v = i % 3 == 0 && !values.empty() ? values[rng() % values.size()] : pick(rng);
      values.push_back(v);
      moving.Set(v, 5 + i);
      for (int32_t probe : {v, values.front(), values[values.size() / 2], v / 2, -spread - 1})
        ASSERT_EQ(moving.Find(probe), NaiveFind(values, 5, probe)) << spread << " at " << i;
    }
    EXPECT_EQ(moving.Dense(), spread != INT32_MAX) << spread;
  }
}

}  // namespace
}  // namespace dlt
