// The series of a key over a history, the key resolved once, against the
// per-draw lookup it replaces.
#include <gtest/gtest.h>

#include "indicator_test_support.h"
#include "indicators/indicator.h"
#include "indicators/indicator_series.h"

namespace dlt {
namespace {

TEST(IndicatorSeries, EqualsTheValueAtEveryDrawForEveryKindOfKey) {
  const std::vector<Draw> history = test::RandomHistory(60, 11);
  const EvalEnv env;
  // Mid-history position: the series ignores it and covers every draw.
  const EvalContext ctx = test::ContextAt(history, 30, &env);
  for (const char* key :
       {"z_num1", "z_hz", "z_cmgs", "z_num3yl", "f_num2", "c_cz_1", "z_pd", "nonsense", ""}) {
    const std::vector<int32_t> series = IndicatorSeries(ctx, key);
    ASSERT_EQ(series.size(), history.size()) << key;
    for (int i = 0; i < ctx.count; ++i)
      ASSERT_EQ(series[i], IndicatorValue(ctx.At(i), key)) << key << " at " << i;
  }
}

TEST(IndicatorSeries, AnUnknownKeyReadsNoValueAndAnEmptyHistoryGivesNothing) {
  const std::vector<Draw> history = test::RandomHistory(5, 3);
  const EvalContext ctx = test::ContextAt(history, 0);
  EXPECT_EQ(IndicatorSeries(ctx, "z_xx_yl"), std::vector<int32_t>(5, kNoValue));
  const std::vector<Draw> none;
  EXPECT_TRUE(IndicatorSeries(test::ContextAt(none, 0), "z_num1").empty());
}

}  // namespace
}  // namespace dlt
