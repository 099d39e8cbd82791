#include "generator/result_list.h"

#include <gtest/gtest.h>

#include "generator/back_list.h"
#include "generator/ticket_list.h"

namespace dlt {
namespace {

// Record n of a test list: distinct, recognisable combinations.
Combo ComboFor(int n) {
  const int a = 1 + n % 31;
  return Combo{static_cast<uint8_t>(a), static_cast<uint8_t>(a + 1), static_cast<uint8_t>(a + 2),
               static_cast<uint8_t>(a + 3), static_cast<uint8_t>(a + 4)};
}

ResultList ListOf(int count) {
  std::vector<Combo> combos;
  for (int n = 1; n <= count; ++n) combos.push_back(ComboFor(n));
  ResultList list;
  EXPECT_TRUE(list.AssignCombos(combos));
  return list;
}

TEST(ResultListPaging, NothingShownYetReadsPageZeroOfZero) {
  ResultList list;
  EXPECT_EQ(list.PageInfo(), "第0页/ 0页");
  EXPECT_EQ(list.RowsOnPage(), 0);
  EXPECT_EQ(list.Caption(), "超强组号  已得到符合条件的主号组有0个");
}

TEST(ResultListPaging, EmptyListShowsPageOneOfZeroPages) {
  ResultList list;
  ASSERT_TRUE(list.AssignCombos({}));
  EXPECT_EQ(list.PageCount(), 0);
  EXPECT_EQ(list.PageInfo(), "第1页/ 0页");
  EXPECT_EQ(list.RowsOnPage(), 0);
  list.NextPage();
  EXPECT_EQ(list.Page(), 1);
  list.LastPage();
  EXPECT_EQ(list.Page(), 1);
  EXPECT_EQ(list.RecordNumberOfRow(1), 0);
}

TEST(ResultListPaging, TenThousandRecordsMakeOnePage) {
  ResultList list = ListOf(10000);
  EXPECT_EQ(list.PageCount(), 1);
  EXPECT_EQ(list.PageInfo(), "第1页/ 1页");
  EXPECT_EQ(list.RowsOnPage(), 10000);
  list.NextPage();
  EXPECT_EQ(list.Page(), 1);
}

TEST(ResultListPaging, TenThousandAndOneMakeTwoPagesTheSecondWithOneRow) {
  ResultList list = ListOf(10001);
  EXPECT_EQ(list.PageCount(), 2);
  list.NextPage();
  EXPECT_EQ(list.Page(), 2);
  EXPECT_EQ(list.PageInfo(), "第2页/ 2页");
  EXPECT_EQ(list.RowsOnPage(), 1);
  EXPECT_EQ(list.RecordNumberOfRow(1), 10001);
  EXPECT_EQ(list.RecordNumberOfRow(2), 0);
  const auto row = list.RowTexts(1);
  ASSERT_EQ(row.size(), 6u);
  EXPECT_EQ(row[0], "第10001条");
  list.NextPage();
  EXPECT_EQ(list.Page(), 2);  // not beyond the page count
  list.PriorPage();
  list.PriorPage();
  EXPECT_EQ(list.Page(), 1);  // not below 1
  list.LastPage();
  EXPECT_EQ(list.Page(), 2);
  list.FirstPage();
  EXPECT_EQ(list.Page(), 1);
}

TEST(ResultListPaging, RecordNumberOfASelectedRowCountsEarlierPages) {
  ResultList list = ListOf(25000);
  list.SetPage(3);
  EXPECT_EQ(list.RowsOnPage(), 5000);
  EXPECT_EQ(list.RecordNumberOfRow(1), 20001);
  EXPECT_EQ(list.RecordNumberOfRow(5000), 25000);
  EXPECT_EQ(list.RecordNumberOfRow(5001), 0);
  EXPECT_EQ(list.RecordNumberOfRow(0), 0);
  list.SetPage(2);
  EXPECT_EQ(list.RecordNumberOfRow(7), 10007);
  EXPECT_EQ(list.At(10007).numbers, ComboFor(10007));
}

TEST(ResultListPaging, DeletingTheOnlyRecordOfTheLastPageKeepsThePageNumber) {
  ResultList list = ListOf(10001);
  list.LastPage();
  const int n = list.RecordNumberOfRow(1);
  ASSERT_EQ(n, 10001);
  ASSERT_TRUE(list.Delete(n));
  EXPECT_EQ(list.Count(), 10000);
  EXPECT_EQ(list.Page(), 2);
  EXPECT_EQ(list.PageCount(), 1);
  EXPECT_EQ(list.PageInfo(), "第2页/ 1页");
  EXPECT_EQ(list.RowsOnPage(), 0);
  EXPECT_TRUE(list.RowTexts(1).empty());
  list.PriorPage();
  EXPECT_EQ(list.RowsOnPage(), 10000);
}

TEST(ResultListEditing, DeleteMovesLaterRecordsUpWithTheirMarks) {
  ResultList list = ListOf(4);
  list.MutableAt(3).mark = 17;
  ASSERT_TRUE(list.Delete(2));
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.At(1).numbers, ComboFor(1));
  EXPECT_EQ(list.At(2).numbers, ComboFor(3));
  EXPECT_EQ(list.At(2).mark, 17);
  EXPECT_EQ(list.At(3).numbers, ComboFor(4));
  EXPECT_FALSE(list.Delete(4));
  EXPECT_FALSE(list.Delete(0));
  EXPECT_EQ(list.Count(), 3);
}

TEST(ResultListEditing, EditKeepsTheMarkAndAppendAddsWithMarkZero) {
  ResultList list = ListOf(2);
  list.MutableAt(2).mark = 5;
  ASSERT_TRUE(list.ReplaceCombo(2, Combo{1, 2, 3, 4, 5}));
  EXPECT_EQ(list.At(2), (FrontRecord{Combo{1, 2, 3, 4, 5}, 5}));
  EXPECT_FALSE(list.ReplaceCombo(3, Combo{1, 2, 3, 4, 5}));
  ASSERT_TRUE(list.AppendCombo(Combo{6, 7, 8, 9, 10}));
  EXPECT_EQ(list.At(3), (FrontRecord{Combo{6, 7, 8, 9, 10}, 0}));
  list.ClearMarks();
  EXPECT_EQ(list.At(2).mark, 0);
}

TEST(ResultListEditing, RowTextsUseTwoDigits) {
  ResultList list;
  ASSERT_TRUE(list.AssignCombos({Combo{1, 7, 12, 30, 35}}));
  EXPECT_EQ(list.RowTexts(1), (std::vector<std::string>{"第1条", "01", "07", "12", "30", "35"}));
  EXPECT_EQ(ResultList::Header()[0], "序号");
  EXPECT_EQ(ResultList::Header()[5], "主号五");
}

TEST(ListCapacity, BackListHoldsOneHundredPairs) {
  BackList list;
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(list.Append(BackPair{1, 2}));
  std::string error;
  EXPECT_FALSE(list.Append(BackPair{3, 4}, &error));
  EXPECT_EQ(error, "副区列表最多只能容纳100组号码");
  EXPECT_EQ(list.Count(), 100);
  EXPECT_EQ(list.Caption(), "超强组号  已得到符合条件的副号组有100个");
  EXPECT_FALSE(list.Assign(std::vector<BackPair>(101, BackPair{1, 2}), &error));
  EXPECT_EQ(list.Count(), 100);
}

TEST(ListCapacity, TicketListHoldsFiftyThousandTickets) {
  TicketList list;
  const Ticket t{Combo{1, 2, 3, 4, 5}, BackPair{1, 2}, 0};
  ASSERT_TRUE(list.Assign(std::vector<Ticket>(50000, t)));
  std::string error;
  EXPECT_FALSE(list.Append(t, &error));
  EXPECT_EQ(error, "双区列表最多只能容纳50000注号码");
  EXPECT_EQ(list.Count(), 50000);
  EXPECT_FALSE(list.Assign(std::vector<Ticket>(50001, t), &error));
  EXPECT_EQ(list.Count(), 50000);
}

TEST(ListCapacity, FrontListRefusesBeyondItsCapacityAndKeepsItsRecords) {
  ResultList list = ListOf(3);
  std::string error;
  EXPECT_FALSE(list.AssignCombos(std::vector<Combo>(kFrontListCapacity + 1, ComboFor(1)), &error));
  EXPECT_EQ(error, "主区列表最多只能容纳400000组号码");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_GT(kFrontListCapacity, kAllCombos);
}

TEST(BackListRows, TwoDigitsAndForecastRowFallsBackToTheFirst) {
  BackList list;
  ASSERT_TRUE(list.Append(BackPair{3, 11}));
  ASSERT_TRUE(list.Append(BackPair{10, 12}));
  EXPECT_EQ(list.RowTexts(1), (std::vector<std::string>{"第1条", "03", "11"}));
  EXPECT_EQ(list.RecordForForecast(2), 2);
  EXPECT_EQ(list.RecordForForecast(0), 1);
  EXPECT_EQ(list.RecordForForecast(7), 1);
  EXPECT_EQ(BackList().RecordForForecast(1), 0);
}

TEST(TicketListRows, TwoDigitsAndThePrizeColumn) {
  TicketList list;
  ASSERT_TRUE(list.Append(Ticket{Combo{1, 2, 3, 4, 5}, BackPair{6, 7}, 1}));
  EXPECT_EQ(list.RowTexts(1),
            (std::vector<std::string>{"第1条", "01", "02", "03", "04", "05", "06", "07"}));
  EXPECT_EQ(list.RowTexts(1, true).back(), "一等奖");
  EXPECT_EQ(TicketList::Header()[8], "中奖情况");
  EXPECT_EQ(list.Caption(), "超强组号  已得到双区组合数有1个");
}

}  // namespace
}  // namespace dlt

namespace dlt {
namespace {

TEST(TypedEdits, AFailedAppendAddsNothing) {
  ResultList front;
  std::string error;
  EXPECT_FALSE(front.AppendTyped({"1", "2", "", "4", "5"}, &error));
  EXPECT_EQ(error, "主号不能为空");
  EXPECT_EQ(front.Count(), 0);
  ASSERT_TRUE(front.AppendTyped({"9", "2", "3", "4", "5"}, &error)) << error;
  EXPECT_EQ(front.At(1).numbers, (Combo{2, 3, 4, 5, 9}));

  BackList back;
  EXPECT_FALSE(back.AppendTyped({"3", "3"}, &error));
  EXPECT_EQ(back.Count(), 0);
  ASSERT_TRUE(back.AppendTyped({"12", "3"}, &error));
  EXPECT_EQ(back.At(1), (BackPair{3, 12}));

  TicketList tickets;
  EXPECT_FALSE(tickets.AppendTyped({"1", "2", "3", "4", "5", "6", "x"}, &error));
  EXPECT_EQ(error, "\"x\"不是整数");
  EXPECT_EQ(tickets.Count(), 0);
  ASSERT_TRUE(tickets.AppendTyped({"5", "4", "3", "2", "1", "7", "6"}, &error));
  EXPECT_EQ(tickets.At(1), (Ticket{Combo{1, 2, 3, 4, 5}, BackPair{6, 7}, 0}));
}

TEST(TypedEdits, AFailedEditKeepsTheRecord) {
  ResultList front;
  ASSERT_TRUE(front.AssignCombos({Combo{1, 2, 3, 4, 5}}));
  std::string error;
  EXPECT_FALSE(front.ReplaceTyped(1, {"1", "2", "3", "4", "40"}, &error));
  EXPECT_EQ(front.At(1).numbers, (Combo{1, 2, 3, 4, 5}));
  ASSERT_TRUE(front.ReplaceTyped(1, {"35", "2", "3", "4", "1"}, &error));
  EXPECT_EQ(front.At(1).numbers, (Combo{1, 2, 3, 4, 35}));
  EXPECT_FALSE(front.ReplaceTyped(2, {"6", "2", "3", "4", "1"}, &error));

  BackList back;
  ASSERT_TRUE(back.Append(BackPair{1, 2}));
  EXPECT_FALSE(back.ReplaceTyped(1, {"0", "2"}, &error));
  EXPECT_EQ(back.At(1), (BackPair{1, 2}));

  TicketList tickets;
  ASSERT_TRUE(tickets.Append(Ticket{Combo{1, 2, 3, 4, 5}, BackPair{1, 2}, 3}));
  EXPECT_FALSE(tickets.ReplaceTyped(1, {"1", "2", "3", "4", "5", "1", "1"}, &error));
  EXPECT_EQ(tickets.At(1).prize, 3);
  ASSERT_TRUE(tickets.ReplaceTyped(1, {"1", "2", "3", "4", "6", "1", "2"}, &error));
  EXPECT_EQ(tickets.At(1), (Ticket{Combo{1, 2, 3, 4, 6}, BackPair{1, 2}, 0}));
}

TEST(TypedEdits, AnAppendBeyondTheCapacityIsRefused) {
  BackList back;
  ASSERT_TRUE(back.Assign(std::vector<BackPair>(100, BackPair{1, 2})));
  std::string error;
  EXPECT_FALSE(back.AppendTyped({"3", "4"}, &error));
  EXPECT_EQ(error, "副区列表最多只能容纳100组号码");
  EXPECT_EQ(back.Count(), 100);
}

}  // namespace
}  // namespace dlt
