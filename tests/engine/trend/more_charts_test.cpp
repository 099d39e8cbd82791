// The more-charts window's computations: pattern codes, the association
// filter and the pair matrix.
#include <gtest/gtest.h>

#include "analysis/omission_distribution.h"
#include "support/test_support.h"
#include "trend/association.h"
#include "trend/pair_matrix.h"
#include "trend/pattern_codes.h"

namespace dlt {
namespace {

using test::MakeDraw;

std::vector<Draw> Draws() {
  return {
      MakeDraw(2009001, {7, 12, 20, 28, 33}, {3, 9}), MakeDraw(2009002, {1, 2, 3, 4, 5}, {1, 2}),
      MakeDraw(2009003, {2, 7, 15, 22, 30}, {3, 10}), MakeDraw(2009004, {1, 5, 9, 13, 17}, {4, 8}),
      MakeDraw(2009005, {3, 6, 7, 11, 35}, {2, 3})};
}

std::vector<int32_t> Issues(const std::vector<Draw>& draws, const Association& a) {
  std::vector<int32_t> qs;
  for (const AssociationRow& r : a.rows) qs.push_back(draws[r.draw].qs);
  return qs;
}

TEST(PatternCodes, NumbersAndLastDigits) {
  using P = PatternProperty;
  struct Case {
    P property;
    int value;
    bool digit;
    int code;
  };
  const Case cases[] = {
      {P::BigSmall, 17, false, 0},
      {P::BigSmall, 18, false, 1},
      {P::BigSmall, 4, true, 0},
      {P::BigSmall, 5, true, 1},
      {P::BigMiddleSmall, 11, false, 0},
      {P::BigMiddleSmall, 12, false, 1},
      {P::BigMiddleSmall, 24, false, 2},
      {P::BigMiddleSmall, 2, true, 0},
      {P::BigMiddleSmall, 5, true, 1},
      {P::BigMiddleSmall, 6, true, 2},
      {P::OddEven, 9, false, 0},
      {P::OddEven, 0, true, 1},
      {P::PrimeComposite, 1, false, 0},
      {P::PrimeComposite, 0, true, 1},
      {P::PrimeComposite, 9, true, 1},
      {P::Mod5, 34, false, 4},
      {P::Mod4, 7, true, 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PatternCode(c.property, c.value, c.digit), c.code)
        << static_cast<int>(c.property) << " " << c.value << " " << c.digit;
  const Draw d = MakeDraw(2009001, {3, 12, 18, 27, 35}, {5, 11});
  EXPECT_EQ(PatternCodes(d, P::Mod3, true), (std::vector<int>{0, 2, 2, 1, 2, 2, 1}));
  EXPECT_EQ(PatternCodes(d, P::Mod3, false), (std::vector<int>{0, 0, 0, 0, 2}));
  EXPECT_EQ(DrawNumbersText(d), "03 12 18 27 35 | 05 11 ");
  EXPECT_EQ(PatternHeaders(true).back(), "副号2尾");
  EXPECT_EQ(PatternHeaders(false).size(), 7u);
}

TEST(Association, FiltersByPositionDigitAndIndicator) {
  const std::vector<Draw> draws = Draws();
  EvalEnv env;
  const AssociationHistory history{draws, nullptr, &env};
  struct Case {
    const char* name;
    AssociationSetup setup;
    std::vector<int32_t> issues;
  };
  auto setup = [](auto edit) {
    AssociationSetup s;
    edit(s);
    return s;
  };
  const Case cases[] = {
      {"every box at all", {}, {2009001, 2009002, 2009003, 2009004, 2009005}},
      {"07 at position 1", setup([](AssociationSetup& s) { s.numbers[0] = 7; }), {2009001}},
      {"07 at any position",
       setup([](AssociationSetup& s) {
         s.numbers[0] = 7;
         s.frontAnyPosition = true;
       }),
       {2009001, 2009003, 2009005}},
      {"back 03 at any position",
       setup([](AssociationSetup& s) {
         s.numbers[6] = 3;
         s.backAnyPosition = true;
       }),
       {2009001, 2009003, 2009005}},
      {"issue digit 4", setup([](AssociationSetup& s) { s.issueDigit = 4; }), {2009004}},
      {"sum in 15 or 45",
       setup([](AssociationSetup& s) {
         s.conditions = {{"z_hz", {15, 45}}};
       }),
       {2009002, 2009004}},
  };
  for (const Case& c : cases) {
    const Association a = ComputeAssociation(history, c.setup);
    EXPECT_EQ(Issues(draws, a), c.issues) << c.name;
    EXPECT_TRUE(a.error.empty()) << c.name;
  }

  // All boxes at "all": the last row has no following draw.
  const Association all = ComputeAssociation(history, {});
  EXPECT_EQ(AssociationCountText(all), "本期系列一共有5条;下期系列一共有4条");
  const std::vector<Draw> next = NextDraws(draws, all);
  ASSERT_EQ(next.size(), 4u);
  EXPECT_EQ(FormatDrawLine(next.front()), "2009002 01 02 03 04 05 01 02 ");

  // An indicator and the following draw's value beside it.
  AssociationSetup sums;
  sums.conditions = {{"z_hz", {}}};
  const Association a = ComputeAssociation(history, sums);
  ASSERT_EQ(a.rows.size(), 5u);
  EXPECT_EQ(AssociationHeaders(1).at(9), "下期期号");
  EXPECT_EQ(AssociationCell(draws, a.rows[0], 1, 8), "100");
  EXPECT_EQ(AssociationCell(draws, a.rows[0], 1, 10), "01");
  EXPECT_EQ(AssociationCell(draws, a.rows[0], 1, 17), "15");
  EXPECT_EQ(AssociationCell(draws, a.rows[4], 1, 17), "");
  const auto issues = [](const ColumnSeries& c) {
    std::vector<int32_t> qs;
    for (const Draw& d : c.draws) qs.push_back(d.qs);
    return qs;
  };
  const ColumnSeries own = AssociationColumn(draws, a, 8);
  EXPECT_EQ(own.values, (std::vector<int32_t>{100, 15, 76, 45, 62}));
  EXPECT_EQ(issues(own), (std::vector<int32_t>{2009001, 2009002, 2009003, 2009004, 2009005}));
  const ColumnSeries following = AssociationColumn(draws, a, 17);
  EXPECT_EQ(following.values, (std::vector<int32_t>{15, 76, 45, 62}));
  EXPECT_EQ(issues(following), (std::vector<int32_t>{2009002, 2009003, 2009004, 2009005}));
  EXPECT_TRUE(AssociationColumn(draws, a, 9).values.empty());  // the issue column

  // Rows apart in the history: each value keeps its own row's issue, and
  // the series is as long as the rows.
  sums.conditions = {{"z_hz", {15, 45}}};
  const Association apart = ComputeAssociation(history, sums);
  const ColumnSeries after = AssociationColumn(draws, apart, 17);
  EXPECT_EQ(after.values, (std::vector<int32_t>{76, 62}));
  EXPECT_EQ(issues(after), (std::vector<int32_t>{2009003, 2009005}));
  const ColumnSeries second = AssociationColumn(draws, apart, 2);
  EXPECT_EQ(issues(second), (std::vector<int32_t>{2009002, 2009004}));
  EXPECT_EQ(second.values, (std::vector<int32_t>{draws[1].front[1], draws[3].front[1]}));
}

TEST(Association, DrawsWhereAFormulaFailsAreLeftOut) {
  const std::vector<Draw> draws = Draws();
  EvalEnv env;
  AssociationSetup s;
  // A division by zero where the first number is 1.
  s.conditions = {{"z_num1", {}}, {"100/(z_num1-1)", {}}};
  const Association some = ComputeAssociation({draws, nullptr, &env}, s);
  EXPECT_EQ(Issues(draws, some), (std::vector<int32_t>{2009001, 2009003, 2009005}));
  EXPECT_EQ(some.rows[0].nextValues[1], std::nullopt);  // after 2009001 comes a 1
  EXPECT_TRUE(some.error.empty());
  s.conditions = {{"z_hz+", {}}};
  const Association none = ComputeAssociation({draws, nullptr, &env}, s);
  EXPECT_TRUE(none.rows.empty());
  EXPECT_FALSE(none.error.empty());
  // A misspelt name reads -999 everywhere: refused, not listed as a value.
  s.conditions = {{"z_num1", {}}, {"z_hz+foo", {}}};
  const Association misspelt = ComputeAssociation({draws, nullptr, &env}, s);
  EXPECT_TRUE(misspelt.rows.empty());
  EXPECT_EQ(misspelt.error, "foo指标不存在");
}

TEST(PairMatrix, CountsAndLists) {
  const std::vector<Draw> draws = Draws();
  const PairMatrix m = CountPairs(draws, NearRange(5, 5));
  EXPECT_EQ(m.count[1][5], 2);
  EXPECT_EQ(m.count[5][1], 2);
  EXPECT_EQ(m.count[7][7], 3);
  // 相生 above 1, 相克 below the default 1: a pair never drawn is listed with 0.
  const PairLists lists = ListPairs(m, 1, kDefaultApart);
  std::vector<std::string> together;
  for (const PairEntry& e : lists.together) together.push_back(PairEntryText(e));
  EXPECT_EQ(together, (std::vector<std::string>{"01:05==>2次"}));
  ASSERT_FALSE(lists.apart.empty());
  EXPECT_EQ(lists.apart.front(), (PairEntry{1, 6, 0}));  // column 6: 1 and 6 never together
  EXPECT_EQ(PairEntryText({3, 11, 7}), "03:11==>7次");
  // An empty range lists every pair as 相克.
  EXPECT_EQ(ListPairs(CountPairs(draws, {}), 5, 1).apart.size(), 35u * 34 / 2);
}

}  // namespace
}  // namespace dlt
