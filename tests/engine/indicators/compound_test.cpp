#include "indicators/compound.h"

#include <gtest/gtest.h>

#include "indicator_test_support.h"

namespace dlt {
namespace {

using test::ContextAt;
using test::FrontHistory;

// The value of a compound key at a draw; fails the test when it does not resolve.
int32_t Value(std::string_view key, const std::vector<Draw>& h, int pos,
              const EvalEnv* env = nullptr) {
  const auto r = ResolveCompound(key);
  EXPECT_TRUE(r.has_value()) << key;
  if (!r) return -1;
  EXPECT_TRUE(r->ok()) << key << ": " << r->error;
  if (!r->ok()) return -1;
  return r->indicator->Value(ContextAt(h, pos, env));
}

void ExpectMalformed(std::string_view key) {
  const auto r = ResolveCompound(key);
  ASSERT_TRUE(r.has_value()) << key;
  EXPECT_FALSE(r->ok()) << key;
  EXPECT_EQ(r->error, "参数不正确: " + std::string(key));
}

TEST(CompoundResolutionTest, PrefixOrder) {
  const std::vector<std::string_view> expected = {
      "c_cz", "c_hz",    "c_xw_cz", "c_xw_hz", "c_ylz",  "c_fq",   "c_hnskhkn", "c_hnszhxt",
      "c_ys", "c_2zbzh", "c_3zbzh", "c_lwr",   "c_same", "c_gqch", "c_twyc"};
  EXPECT_EQ(CompoundPrefixes(), expected);
}

TEST(CompoundResolutionTest, KeysWithoutAPrefixAreNotCompound) {
  EXPECT_FALSE(ResolveCompound("z_hz").has_value());
  EXPECT_FALSE(ResolveCompound("c_").has_value());
  EXPECT_FALSE(ResolveCompound("").has_value());
}

TEST(CompoundResolutionTest, TheFirstPrefixInOrderFoundAnywhereWins) {
  const auto h = FrontHistory({{3, 4, 5, 12, 13}});
  // "c_xw_hz" holds no "c_hz" ("w_hz"), so it is the pair sum with the draw itself.
  EXPECT_EQ(Value("c_xw_hz_8", h, 0), 3);  // 3+5, 5+3, 4+4
  // A prefix counts anywhere in the key.
  EXPECT_EQ(Value("xc_cz_1", h, 0), 3);
  // A shape whose formula holds an earlier prefix is read as that prefix.
  ExpectMalformed("c_2zbzh:c_cz_1|z_num2:0");
  ExpectMalformed("c_3zbzh:z_hz|c_ys_0_3_0|z_ac:0");
  // Either separator.
  EXPECT_EQ(Value("c_cz:1", h, 0), 3);
}

TEST(CompoundResolutionTest, MalformedParametersAreErrors) {
  for (const char* key : {"c_cz_x",
                          "c_cz",
                          "c_cz1",
                          "c_cz_",
                          "c_cz_1_2",
                          "c_hz_1.5",
                          "c_ylz_2_0_1",
                          "c_ylz_0_1",
                          "c_fq_0_0_1",
                          "c_fq_0_4_5",
                          "c_fq_0_4_0",
                          "c_fq_0_36_1",
                          "c_ys_0_0_0",
                          "c_ys_1_3_3",
                          "c_ys_0_3_-1",
                          "c_hnskhkn_3_10_4",
                          "c_hnskhkn_0_10_5",
                          "c_hnszhxt_0_0_4",
                          "c_2zbzh:z_num1:0",
                          "c_2zbzh:z_num1|z_num2",
                          "c_2zbzh:z_num1|z_num2:14",
                          "c_3zbzh:z_num1|z_num2|z_num3:31",
                          "c_3zbzh:z_num1|z_num2:3",
                          "c_2zbzh:a|b:x",
                          "c_lwr_-1_0_2",
                          "c_same_1_10_2",
                          "c_gqch_2_0_0",
                          "c_gqch_0_-1_0",
                          "c_twyc_0_5_0",
                          "c_twyc_0_0_-1",
                          "c_cz_99999999999"})
    ExpectMalformed(key);
}

TEST(CompoundCountsTest, PairDifferencesAndSums) {
  const auto h = FrontHistory({{3, 4, 5, 12, 13}});
  EXPECT_EQ(Value("c_cz_1", h, 0), 3);
  EXPECT_EQ(Value("c_hz_16", h, 0), 2);  // 03 + 13, 04 + 12
  EXPECT_EQ(Value("c_cz_9", h, 0), 2);   // 03-12, 04-13
  EXPECT_EQ(Value("c_cz_-1", h, 0), 0);
}

TEST(CompoundCountsTest, PairsWithThePreviousDraw) {
  const auto h = FrontHistory({{3, 4, 5, 12, 13}, {1, 5, 6, 20, 30}});
  EXPECT_EQ(Value("c_xw_cz_0", h, 0), 5);   // the first draw is paired with itself
  EXPECT_EQ(Value("c_xw_hz_16", h, 0), 4);  // both orders: 3+13, 13+3, 4+12, 12+4
  // 01 05 06 20 30 against 03 04 05 12 13.
  EXPECT_EQ(Value("c_xw_cz_0", h, 1), 1);   // 5 and 5
  EXPECT_EQ(Value("c_xw_cz_1", h, 1), 2);   // 5 and 4, 6 and 5
  EXPECT_EQ(Value("c_xw_hz_17", h, 1), 1);  // 5 and 12
}

TEST(CompoundCountsTest, OmissionRanges) {
  // At the last draw the global omissions are 1 (01), 0 (06) and 2 (11, 12, 13: never before).
  const auto h = FrontHistory({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {1, 6, 11, 12, 13}});
  EXPECT_EQ(Value("c_ylz_0_0_0", h, 2), 1);
  EXPECT_EQ(Value("c_ylz_1_0_0", h, 2), 6);
  EXPECT_EQ(Value("c_ylz_0_1_2", h, 2), 4);
  EXPECT_EQ(Value("c_ylz_1_1_2", h, 2), 1 + 11 + 12 + 13);
  EXPECT_EQ(Value("c_ylz_0_3_9", h, 2), 0);
  EXPECT_EQ(Value("c_ylz_0_0_0", h, 0), 5);  // the first draw: nothing before, omission 0
}

TEST(CompoundCountsTest, ZonesAndRemainders) {
  const auto h = FrontHistory({{1, 8, 9, 17, 35}});
  EXPECT_EQ(Value("c_fq_0_4_1", h, 0), 2);  // 1-8
  EXPECT_EQ(Value("c_fq_1_4_1", h, 0), 9);
  EXPECT_EQ(Value("c_fq_0_4_2", h, 0), 2);   // 9-17
  EXPECT_EQ(Value("c_fq_1_4_4", h, 0), 35);  // 27-35
  EXPECT_EQ(Value("c_fq_0_1_1", h, 0), 5);
  EXPECT_EQ(Value("c_fq_0_15_1", h, 0), 1);  // 1-2
  EXPECT_EQ(Value("c_ys_0_3_2", h, 0), 3);   // 8, 17, 35
  EXPECT_EQ(Value("c_ys_1_3_2", h, 0), 60);
  EXPECT_EQ(Value("c_ys_0_1_0", h, 0), 5);
  EXPECT_EQ(Value("c_ys_1_2_1", h, 0), 1 + 9 + 17 + 35);
}

TEST(CompoundGridTest, TheWorkedShapeCodes) {
  const auto a = FrontHistory({{1, 12, 23, 34, 35}});
  const auto b = FrontHistory({{1, 2, 3, 4, 5}});
  EXPECT_EQ(Value("c_hnszhxt_0_10_4", a, 0), 15);  // rows 1111
  EXPECT_EQ(Value("c_hnszhxt_0_10_4", b, 0), 1);   // rows 1000
  // Columns 1111100000 after the rows 1000.
  EXPECT_EQ(Value("c_hnszhxt_1_10_4", b, 0), 31);
  EXPECT_EQ(Value("c_hnszhxt_2_10_4", b, 0), 1 + (31 << 4));
  EXPECT_EQ(Value("c_hnskhkn_0_10_4", b, 0), 3);
  EXPECT_EQ(Value("c_hnskhkn_1_10_4", b, 0), 5);
  EXPECT_EQ(Value("c_hnskhkn_2_10_4", b, 0), 8);
  EXPECT_EQ(Value("c_hnskhkn_0_10_4", a, 0), 0);
  // 01 12 23 34 35 fill the columns 1, 2, 3, 4 and 5.
  EXPECT_EQ(Value("c_hnskhkn_1_10_4", a, 0), 5);
  // Seven columns, five rows: 35 cells.
  EXPECT_EQ(Value("c_hnszhxt_0_7_5", a, 0), 1 + 2 + 8 + 16);  // rows 0, 1, 3 and 4
}

TEST(CompoundGridTest, ReadsTheLayoutOfTheContext) {
  const auto b = FrontHistory({{1, 2, 3, 4, 5}});
  EvalEnv env;
  for (int i = 0; i < 40; ++i) env.layout[i] = 40 - i;  // reversed: 1..5 sit in the last row
  EXPECT_EQ(Value("c_hnszhxt_0_10_4", b, 0, &env), 8);
  EXPECT_EQ(Value("c_hnszhxt_1_10_4", b, 0, &env), 31 << 5);
  EXPECT_EQ(Value("c_hnszhxt_0_10_4", b, 0), 1);  // the default layout elsewhere
}

TEST(CompoundGridTest, ALongCodeKeepsItsLow32Bits) {
  // One row of forty columns read both ways: 41 digits.
  const auto h = FrontHistory({{1, 2, 3, 34, 35}});
  const int32_t v = Value("c_hnszhxt_2_40_1", h, 0);
  EXPECT_EQ(v, static_cast<int32_t>(1u | (7u << 1)));  // columns 34 and 35 fall beyond bit 31
}

TEST(CompoundDerivedTest, AppearanceCounts) {
  const auto h =
      FrontHistory({{1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {1, 9, 10, 11, 12}, {1, 2, 3, 9, 20}});
  // Before the last draw over 3 draws: 1 three times, 2 twice, 3 once, 9 once, 20 never.
  EXPECT_EQ(Value("c_lwr_3_0_0", h, 3), 1);
  EXPECT_EQ(Value("c_lwr_3_1_1", h, 3), 2);
  EXPECT_EQ(Value("c_lwr_3_2_3", h, 3), 2);
  EXPECT_EQ(Value("c_lwr_1_1_5", h, 3), 2);   // only the draw before: 1 and 9
  EXPECT_EQ(Value("c_lwr_30_0_2", h, 0), 5);  // nothing before the first draw
}

TEST(CompoundDerivedTest, SimilarDraws) {
  const auto h =
      FrontHistory({{1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {1, 9, 10, 11, 12}, {1, 2, 3, 9, 20}});
  // Shared with 01 02 03 09 20: 3, 2, 2.
  EXPECT_EQ(Value("c_same_0_10_2", h, 3), 3);
  EXPECT_EQ(Value("c_same_0_10_3", h, 3), 1);
  EXPECT_EQ(Value("c_same_0_2_2", h, 3), 2);
  EXPECT_EQ(Value("c_same_0_10_0", h, 3), 3);
  EXPECT_EQ(Value("c_same_0_10_0", h, 0), 0);
}

TEST(CompoundDerivedTest, RepeatsOfDrawsSomeWayBack) {
  const auto h =
      FrontHistory({{1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {1, 9, 10, 11, 12}, {1, 2, 3, 9, 20}});
  EXPECT_EQ(Value("c_gqch_0_0_0", h, 3), 2);  // repeats of the previous draw: 1, 9
  EXPECT_EQ(Value("c_gqch_1_0_0", h, 3), 10);
  EXPECT_EQ(Value("c_gqch_0_1_1", h, 3), 2);  // the draw before that: 1, 2
  EXPECT_EQ(Value("c_gqch_0_0_2", h, 3), 4);  // 1, 2, 3, 9
  EXPECT_EQ(Value("c_gqch_1_2_2", h, 3), 6);  // 1, 2, 3
  EXPECT_EQ(Value("c_gqch_0_3_9", h, 3), 0);  // before the first draw
  EXPECT_EQ(Value("c_gqch_0_1_0", h, 3), 0);  // an empty range
  EXPECT_EQ(Value("c_gqch_0_0_0", h, 0), 0);
}

TEST(CompoundDerivedTest, SamePositionClasses) {
  const auto h = FrontHistory({{2, 11, 13, 16, 30}, {3, 4, 15, 25, 31}, {5, 9, 13, 20, 33}});
  // Parity against the previous draw: 5/3, 13/15 and 33/31 alike.
  EXPECT_EQ(Value("c_twyc_0_0_0", h, 2), 3);
  EXPECT_EQ(Value("c_twyc_1_0_0", h, 2), 5 + 13 + 33);
  // Prime against composite: 5/3 both prime, 9/4 and 20/25 both composite.
  EXPECT_EQ(Value("c_twyc_0_1_0", h, 2), 3);
  // Remainder by 3 against two draws back: 5/2, 13/13 and 33/30 alike.
  EXPECT_EQ(Value("c_twyc_0_2_1", h, 2), 3);
  // Tail of 5 or more against the previous draw: 5/3 no, 9/4 no, 13/15 no, 20/25 no, 33/31 yes.
  EXPECT_EQ(Value("c_twyc_0_3_0", h, 2), 1);
  // Tail 0-2 / 3-5 / 6-9: 5/3 yes, 9/4 no, 13/15 yes, 20/25 no, 33/31 no.
  EXPECT_EQ(Value("c_twyc_0_4_0", h, 2), 2);
  EXPECT_EQ(Value("c_twyc_0_0_2", h, 2), 0);  // no draw three back
  EXPECT_EQ(Value("c_twyc_0_0_0", h, 0), 0);
}

}  // namespace
}  // namespace dlt
