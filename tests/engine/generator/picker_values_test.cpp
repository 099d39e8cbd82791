#include "generator/picker_values.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

PickerRules::Remainder Keep(int divisor, std::initializer_list<int> residues) {
  PickerRules::Remainder r;
  r.divisor = divisor;
  r.kept.assign(static_cast<size_t>(divisor), false);
  for (int x : residues) r.kept[static_cast<size_t>(x)] = true;
  return r;
}

TEST(PickerValues, EachRuleNarrowsTheRange) {
  struct Case {
    const char* name;
    PickerRules rules;
    int first, last, current;
    std::vector<int> expected;
  };
  std::vector<Case> cases;
  cases.push_back({"odd, negatives too", {}, -3, 4, 0, {-3, -1, 1, 3}});
  cases.back().rules.odd = true;
  cases.push_back({"even", {}, 0, 5, 0, {0, 2, 4}});
  cases.back().rules.odd = false;
  cases.push_back({"primes (1 counts as one here)", {}, 0, 12, 0, {1, 2, 3, 5, 7, 11}});
  cases.back().rules.prime = true;
  cases.push_back({"tails", {}, 0, 40, 0, {3, 7, 13, 17, 23, 27, 33, 37}});
  cases.back().rules.tailDigits = "37";
  cases.push_back({"remainder of negatives", {}, -4, 4, 0, {-3, 0, 3}});
  cases.back().rules.remainders = {Keep(3, {0})};
  cases.push_back({"two remainders in turn", {}, 0, 20, 0, {0, 12}});
  cases.back().rules.remainders = {Keep(3, {0}), Keep(4, {0})};
  cases.push_back({"change from the current value", {}, 0, 10, 5, {3, 4, 6, 7}});
  cases.back().rules.change = {true, 1, 2};
  cases.push_back({"range", {}, 0, 10, 0, {4, 5, 6}});
  cases.back().rules.range = {true, 4, 6};
  // (v + 2) / 2 to one decimal: 3 gives 2.5, 4 gives 3.0.
  cases.push_back({"two-draw mean", {}, 0, 6, 2, {3, 4}});
  cases.back().rules.twoDrawMean = {true, 2.5, 3.0};
  cases.push_back({"unchecked bounds are ignored", {}, 1, 3, 0, {1, 2, 3}});
  cases.back().rules.range = {false, std::nullopt, std::nullopt};
  for (const Case& c : cases) {
    const PickerSelection s = SelectPickerValues(c.rules, c.first, c.last, c.current);
    EXPECT_EQ(s.values, c.expected) << c.name;
    EXPECT_EQ(s.error, "") << c.name;
  }
}

// A checked rule with a blank bound stops there with its message; the rules
// before it have narrowed the values already.
TEST(PickerValues, BlankBoundsStopWithTheirMessage) {
  PickerRules rules;
  rules.odd = true;
  rules.change = {true, 0, std::nullopt};
  PickerSelection s = SelectPickerValues(rules, 0, 5, 0);
  EXPECT_EQ(s.error, "变化量未输入数据");
  EXPECT_EQ(s.values, (std::vector<int>{1, 3, 5}));
  rules.change = {};
  rules.range = {true, std::nullopt, 3};
  EXPECT_EQ(SelectPickerValues(rules, 0, 5, 0).error, "取值范围未输入数据");
  rules.range = {};
  rules.twoDrawMean = {true, 1.5, std::nullopt};
  EXPECT_EQ(SelectPickerValues(rules, 0, 5, 0).error, "二期均值未输入数据");
}

}  // namespace
}  // namespace dlt
