#include "indicators/group_texts.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;

std::string Consecutive(std::array<int, 5> front) {
  return ConsecutiveNumberText(MakeDraw(1, front, {1, 2}));
}
std::string SameTail(std::array<int, 5> front) {
  return SameTailText(MakeDraw(1, front, {1, 2}));
}

TEST(ConsecutiveNumberText, GroupsRunsWithTwoDigitNumbers) {
  EXPECT_EQ(Consecutive({3, 4, 5, 12, 13}), "03,04,05 | 12,13");
  EXPECT_EQ(Consecutive({1, 3, 5, 7, 9}), "");
  EXPECT_EQ(Consecutive({1, 2, 3, 4, 5}), "01,02,03,04,05");
  EXPECT_EQ(Consecutive({1, 2, 10, 20, 21}), "01,02 | 20,21");
  EXPECT_EQ(Consecutive({1, 5, 9, 10, 30}), "09,10");
  EXPECT_EQ(Consecutive({1, 10, 20, 34, 35}), "34,35");
}

TEST(SameTailText, ListsEachStartAndStopsAtAGroupAlreadyListed) {
  EXPECT_EQ(SameTail({3, 8, 13, 23, 30}), "03,13,23 | 13,23");
  EXPECT_EQ(SameTail({1, 2, 3, 4, 5}), "");
  EXPECT_EQ(SameTail({1, 11, 12, 22, 35}), "01,11 | 12,22");
  // A start whose group turns up inside the text stops there, cut short.
  EXPECT_EQ(SameTail({5, 9, 15, 25, 35}), "05,15,25,35 | 15,25 | 25,35");
  // A single number already listed ends its start without a group.
  EXPECT_EQ(SameTail({10, 11, 20, 21, 30}), "10,20,30 | 11,21");
}

}  // namespace
}  // namespace dlt
