// The scratch omission fields that follow an analysed series.
#include "analysis/series_omission.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "history/draw_table.h"
#include "support/test_support.h"

namespace dlt {
namespace {

// Straight from the definition: the draws between this one and the last
// with the same value (0 when the previous draw has it), all earlier draws
// when none has.
std::vector<int32_t> OmissionByWalking(const std::vector<int32_t>& v) {
  std::vector<int32_t> out;
  for (size_t i = 0; i < v.size(); ++i) {
    int32_t count = 0;
    for (size_t p = i; p > 0 && v[p - 1] != v[i]; --p) ++count;
    out.push_back(count);
  }
  return out;
}

TEST(SeriesOmission, FollowsTheSeriesAndLeavesDrawsPastItAlone) {
  test::TempDir dir;
  DrawTable table(dir.file("basedata.db"));
  const std::vector<Draw> draws = test::RandomHistory(12, 5);
  for (const Draw& d : draws) ASSERT_TRUE(table.AppendDraw(d));
  for (int i = 0; i < 12; ++i) {
    table.SetScratch(ScratchField::TestYl, i, -7);
    table.SetScratch(ScratchField::TestYlZf, i, -7);
  }
  const std::vector<int32_t> series = {4, 4, 2, 4, 9, 2, 2, 9, 4, 1};
  WriteSeriesOmission(table, series);

  const std::vector<int32_t> walked = OmissionByWalking(series);
  for (size_t i = 0; i < series.size(); ++i) {
    const int32_t omission = table.Scratch(ScratchField::TestYl, static_cast<int>(i));
    EXPECT_EQ(omission, walked[i]) << i;
    const int32_t before = i == 0 ? omission : walked[i - 1];
    EXPECT_EQ(table.Scratch(ScratchField::TestYlZf, static_cast<int>(i)),
              std::abs(omission - before))
        << i;
  }
  for (int i = 10; i < 12; ++i) {
    EXPECT_EQ(table.Scratch(ScratchField::TestYl, i), -7);
    EXPECT_EQ(table.Scratch(ScratchField::TestYlZf, i), -7);
  }
  // A series longer than the table writes its draws only.
  WriteSeriesOmission(table, std::vector<int32_t>(20, 3));
  EXPECT_EQ(table.Scratch(ScratchField::TestYl, 11), 0);
}

}  // namespace
}  // namespace dlt
