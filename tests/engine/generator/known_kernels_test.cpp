// The inline shape computations against their catalogue rows, and their
// stated ranges, on every valid combination: a judge leaves out a test whose
// value set covers the range, so a range too narrow would lose results.
#include "generator/known_kernels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "generator/combination.h"

namespace dlt {
namespace {

TEST(KnownKernels, AgreeWithTheirRowsAndSpanExactlyTheirRanges) {
  std::vector<int> pool(kFrontMax);
  for (int n = 0; n < kFrontMax; ++n) pool[n] = n + 1;
  const std::vector<Combo> all = EnumerateCombos(pool, {});
  int kernels = 0;
  for (int id = 0; id < kBaseIndicatorCount; ++id) {
    const KnownKernel k = KnownKernelOf(static_cast<BaseId>(id));
    if (k == KnownKernel::None) continue;
    ++kernels;
    const BaseRow& row = BaseIndicatorRow(static_cast<BaseId>(id));
    ASSERT_NE(row.draw, nullptr) << row.key;
    Draw previous;
    previous.front = {2, 9, 16, 23, 30};
    int32_t lo = INT32_MAX, hi = INT32_MIN;
    int mismatches = 0;
    for (const Combo& c : all) {
      Draw d;
      d.front = c;
      const int32_t v = KnownValue(k, d);
      mismatches += v != row.draw(d, &previous);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    EXPECT_EQ(mismatches, 0) << row.key;
    EXPECT_EQ(lo, KnownBounds(k).lo) << row.key;
    EXPECT_EQ(hi, KnownBounds(k).hi) << row.key;
  }
  EXPECT_EQ(kernels, static_cast<int>(KnownKernel::Scatter));
}

}  // namespace
}  // namespace dlt
