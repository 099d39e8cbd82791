#include "generator/forecast_writes.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace dlt {
namespace {

class ForecastWrites : public ::testing::Test {
 protected:
  void SetUp() override {
    table_ = std::make_unique<DrawTable>(dir_.file("basedata.db"));
    table_->ApplyImport(test::RandomHistory(20), false);
    table_->SetPosition(5);
  }
  Draw Forecast() const { return table_->Draws()[table_->IndexOf(kForecastQs)]; }
  int ForecastCount() const {
    int n = 0;
    for (const auto& d : table_->Draws()) n += (d.qs == kForecastQs);
    return n;
  }

  test::TempDir dir_;
  std::unique_ptr<DrawTable> table_;
};

TEST_F(ForecastWrites, ComboGetsBackNumbersOneAndTwo) {
  const int32_t before = table_->CurrentDraw().qs;
  WriteComboForecast(*table_, Combo{3, 9, 18, 27, 33});
  ASSERT_TRUE(table_->HasForecast());
  EXPECT_EQ(Forecast(), (Draw{kForecastQs, {3, 9, 18, 27, 33}, {1, 2}}));
  EXPECT_EQ(table_->CurrentDraw().qs, before);  // the cursor stays
  EXPECT_EQ(table_->RecordCount(), 21);
}

TEST_F(ForecastWrites, WritingTwiceOverwritesTheOneRecord) {
  WriteComboForecast(*table_, Combo{3, 9, 18, 27, 33});
  WriteComboForecast(*table_, Combo{1, 2, 3, 4, 5});
  EXPECT_EQ(ForecastCount(), 1);
  EXPECT_EQ(Forecast().front, (Combo{1, 2, 3, 4, 5}));
  // It is stored, not only kept in memory.
  DrawTable reopened(dir_.file("basedata.db"));
  ASSERT_GE(reopened.IndexOf(kForecastQs), 0);
  EXPECT_EQ(reopened.Draws()[reopened.IndexOf(kForecastQs)].front, (Combo{1, 2, 3, 4, 5}));
}

TEST_F(ForecastWrites, BackPairKeepsTheFrontNumbersOfAnExistingForecast) {
  WriteComboForecast(*table_, Combo{3, 9, 18, 27, 33});
  WriteBackPairForecast(*table_, BackPair{5, 11});
  EXPECT_EQ(ForecastCount(), 1);
  EXPECT_EQ(Forecast(), (Draw{kForecastQs, {3, 9, 18, 27, 33}, {5, 11}}));
}

TEST_F(ForecastWrites, BackPairWithoutAForecastGetsFrontOneToFive) {
  WriteBackPairForecast(*table_, BackPair{5, 11});
  EXPECT_EQ(Forecast(), (Draw{kForecastQs, {1, 2, 3, 4, 5}, {5, 11}}));
}

TEST_F(ForecastWrites, TicketSetsAllSevenNumbersAndClearDeletesIt) {
  WriteComboForecast(*table_, Combo{3, 9, 18, 27, 33});
  WriteTicketForecast(*table_, Ticket{Combo{2, 4, 6, 8, 10}, BackPair{7, 12}, 3});
  EXPECT_EQ(Forecast(), (Draw{kForecastQs, {2, 4, 6, 8, 10}, {7, 12}}));
  const int32_t before = table_->CurrentDraw().qs;
  EXPECT_TRUE(ClearForecast(*table_));
  EXPECT_FALSE(table_->HasForecast());
  EXPECT_EQ(table_->CurrentDraw().qs, before);
  EXPECT_FALSE(ClearForecast(*table_));
  EXPECT_EQ(table_->RecordCount(), 20);
}

}  // namespace
}  // namespace dlt
