// Grading by the table's store operations: every way a draw is stored
// grades the entries for it, once the store is committed.
#include "book/book_grading.h"

#include <gtest/gtest.h>

#include "book_test_support.h"
#include "history/notice_page.h"
#include "history/prize_amounts.h"
#include "history/results_sync.h"

namespace dlt {
namespace {

using test::BookFixture;
using test::KnownCounts;
using test::KnownWinners;
using test::MakeDraw;
using test::TargetDraw;

class BookGrading : public BookFixture {
 protected:
  // An entry for the target draw, still to be drawn.
  int64_t Pending() {
    const int64_t id = Add(TargetDraw().qs);
    EXPECT_FALSE(Entry(id).result);
    return id;
  }
  void ExpectGradedAgainst(int64_t id, const Draw& draw) {
    const BookEntry e = Entry(id);
    ASSERT_TRUE(e.result) << "entry " << id << " not graded";
    EXPECT_EQ(e.result->draw, draw);
    EXPECT_EQ(e.result->counts, KnownCounts());
    EXPECT_EQ(e.result->winners, KnownWinners());
  }
  // The one report the store gave: the target draw, one entry, its counts.
  void ExpectOneReport() {
    ASSERT_EQ(reports.size(), 1u);
    ASSERT_EQ(reports[0].graded.size(), 1u);
    EXPECT_EQ(reports[0].graded[0], (GradedDraw{TargetDraw().qs, 1, KnownCounts()}));
    EXPECT_TRUE(errors.empty());
  }
};

TEST_F(BookGrading, AppendDrawAsHistoryAddAndTheEntryFormsDo) {
  const int64_t id = Pending();
  ASSERT_TRUE(table.AppendDraw(TargetDraw()));
  ExpectGradedAgainst(id, TargetDraw());
  ExpectOneReport();
  // The winning tickets by prize, each with its level.
  std::vector<Ticket> expected;
  for (const auto& [position, level] : KnownWinners()) {
    expected.push_back(test::KnownTickets()[static_cast<size_t>(position)]);
    expected.back().prize = static_cast<uint8_t>(level);
  }
  EXPECT_EQ(book->WinningTickets(Entry(id)), expected);
}

TEST_F(BookGrading, ImportAppendingAndOverwriting) {
  const int64_t id = Pending();
  table.ApplyImport({TargetDraw()}, false);
  ExpectGradedAgainst(id, TargetDraw());
  ExpectOneReport();

  // An overwrite that stores the same numbers changes no result and tells nothing new.
  reports.clear();
  std::vector<Draw> all = test::EarlierDraws();
  all.push_back(TargetDraw());
  table.ApplyImport(all, true);
  ExpectGradedAgainst(id, TargetDraw());
  EXPECT_TRUE(reports.empty());

  // An overwrite with other numbers for the draw grades again.
  const Draw other = MakeDraw(TargetDraw().qs, {20, 21, 22, 23, 24}, {3, 4});
  all.back() = other;
  table.ApplyImport(all, true);
  const BookEntry e = Entry(id);
  ASSERT_TRUE(e.result);
  EXPECT_EQ(e.result->draw, other);
  // The fourth ticket is the draw; the fifth has three of its front numbers.
  EXPECT_EQ(e.result->counts, (PrizeCounts{3, 1, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(e.result->winners, (std::vector<std::pair<int, int>>{{3, 1}, {4, 8}}));

  // An overwrite without the draw leaves the entry to be drawn again.
  all.pop_back();
  table.ApplyImport(all, true);
  EXPECT_FALSE(Entry(id).result);
  EXPECT_EQ(reports.back().pendingAgain, 1);
}

TEST_F(BookGrading, GridEditReplacesTheNumbersAndTheDrawNumber) {
  table.AppendDraw(MakeDraw(TargetDraw().qs, {20, 21, 22, 23, 24}, {3, 4}));
  const int64_t id = Add(TargetDraw().qs);
  ASSERT_TRUE(Entry(id).result) << "an entry for a stored draw is graded when it is added";
  EXPECT_EQ(Entry(id).result->counts[1], 1);

  // The navigator's edit and post, field by field.
  ASSERT_TRUE(table.LocateDraw(TargetDraw().qs));
  table.Edit();
  const std::array<int, 7> numbers = {1, 2, 3, 4, 5, 1, 2};
  const char* fields[] = {"red1", "red2", "red3", "red4", "red5", "red6", "blue"};
  for (int i = 0; i < 7; ++i) table.SetField(fields[i], numbers[static_cast<size_t>(i)]);
  ASSERT_TRUE(table.Post());
  ExpectGradedAgainst(id, TargetDraw());
  ExpectOneReport();

  // Renumbering the draw takes it away from the entry.
  table.Edit();
  table.SetField("qs", TargetDraw().qs + 1);
  ASSERT_TRUE(table.Post());
  EXPECT_FALSE(Entry(id).result);
}

TEST_F(BookGrading, PutDrawReplacesAsTheBoardDoes) {
  table.AppendDraw(MakeDraw(TargetDraw().qs, {20, 21, 22, 23, 24}, {3, 4}));
  const int64_t id = Add(TargetDraw().qs);
  table.PutDraw(TargetDraw());
  ExpectGradedAgainst(id, TargetDraw());
}

TEST_F(BookGrading, DeletingTheDrawLeavesTheEntryToBeDrawn) {
  table.AppendDraw(TargetDraw());
  const int64_t id = Add(TargetDraw().qs);
  ASSERT_TRUE(Entry(id).result);
  ASSERT_TRUE(table.DeleteDraw(TargetDraw().qs));
  EXPECT_FALSE(Entry(id).result);
  // And storing it again grades it again.
  table.AppendDraw(TargetDraw());
  ExpectGradedAgainst(id, TargetDraw());
}

TEST_F(BookGrading, OnlineUpdateOfTheNoticePage) {
  const int64_t id = Pending();
  std::string digits = FormatDrawLine(TargetDraw());
  digits.erase(std::remove(digits.begin(), digits.end(), ' '), digits.end());
  const auto r = ApplyNoticeDraws(table, "中奖数据\n0000001:" + digits + "\n");
  ASSERT_EQ(r.added, 1);
  ExpectGradedAgainst(id, TargetDraw());
  ExpectOneReport();
}

TEST_F(BookGrading, ResultsSyncIsToldAfterItsAmountsAreStored) {
  const int64_t id = Pending();
  SyncPlan plan;
  plan.fresh = {TargetDraw()};
  DrawPrizes prizes{TargetDraw().qs, {{"一等奖", 1, false, 2, 1000000000}}};
  plan.prizes = {prizes};
  // The listener sees the amounts: they are stored in the same batch.
  std::optional<DrawPrizes> seen;
  AttachBookGrading(
      table, [this] { return book.get(); },
      [&](const GradingReport& r, const std::string&) {
        reports.push_back(r);
        seen = PrizeAmounts(table).Read(TargetDraw().qs);
      });
  const SyncResult result = ApplySync(table, plan);
  EXPECT_EQ(result.added, 1);
  ExpectGradedAgainst(id, TargetDraw());
  ExpectOneReport();
  EXPECT_EQ(seen, prizes);
}

TEST_F(BookGrading, NothingIsToldOfARolledBackBatchOrOfTheForecastRecord) {
  const int64_t id = Pending();
  try {
    WriteBatch batch(table);
    table.AppendDraw(TargetDraw());
    throw std::runtime_error("the walk failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(table.IndexOf(TargetDraw().qs), -1);
  EXPECT_TRUE(reports.empty());
  EXPECT_FALSE(Entry(id).result);

  table.WriteForecast(TargetDraw());
  table.DeleteForecast();
  EXPECT_TRUE(reports.empty());
}

TEST_F(BookGrading, ABatchTellsOnceAtItsEnd) {
  const int64_t id = Pending();
  const int64_t later = Add(TargetDraw().qs + 1);
  {
    WriteBatch batch(table);
    table.AppendDraw(TargetDraw());
    table.AppendDraw(MakeDraw(TargetDraw().qs + 1, {1, 2, 3, 4, 5}, {1, 2}));
    EXPECT_TRUE(reports.empty()) << "told before the commit";
  }
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].graded.size(), 2u);
  ExpectGradedAgainst(id, TargetDraw());
  EXPECT_TRUE(Entry(later).result);
}

TEST_F(BookGrading, ADamagedBookDoesNotStopTheStore) {
  Pending();
  AttachBookGrading(
      table, []() -> TicketBook* { throw BookError("投注记录文件无法使用"); },
      [this](const GradingReport& r, const std::string& error) {
        reports.push_back(r);
        errors.push_back(error);
      });
  ASSERT_TRUE(table.AppendDraw(TargetDraw()));
  EXPECT_GE(table.IndexOf(TargetDraw().qs), 0);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("投注记录文件无法使用"), std::string::npos);
  EXPECT_TRUE(reports[0].Empty());
}

TEST_F(BookGrading, CatchingUpGradesWhatWasStoredWithoutTheBook) {
  const int64_t id = Pending();
  DetachBookGrading(table);
  table.AppendDraw(TargetDraw());
  EXPECT_FALSE(Entry(id).result);
  const GradingReport r = GradeBookEntries(*book, table);
  ExpectGradedAgainst(id, TargetDraw());
  ASSERT_EQ(r.graded.size(), 1u);
  EXPECT_TRUE(GradeBookEntries(*book, table).Empty()) << "a second pass finds nothing to do";
}

TEST_F(BookGrading, GradingNeverChangesTheTickets) {
  std::vector<Ticket> tickets = test::KnownTickets();
  tickets[0].prize = 7;  // a list checked before: the prize byte is no part of it
  const int64_t id = Add(TargetDraw().qs, tickets);
  table.AppendDraw(TargetDraw());
  table.PutDraw(MakeDraw(TargetDraw().qs, {20, 21, 22, 23, 24}, {3, 4}));
  EXPECT_EQ(book->Tickets(id), test::KnownTickets());
}

struct DrawCase {
  const char* text;
  bool accepted;
};

TEST_F(BookGrading, TheDrawOfAnEntryIsStoredOrToCome) {
  // Stored: 2026001 .. 2026010.
  const DrawCase cases[] = {
      {"2026005", true},  {"2026011", true},  {"2026150", true},   {"2027001", true},
      {"2028001", false}, {"2026000", false}, {"2025150", false},  {"202601", false},
      {"9999999", false}, {"abc", false},     {"-2026011", false}, {"", false},
  };
  for (const DrawCase& c : cases) {
    std::string error;
    EXPECT_EQ(CheckBookDraw(table, c.text, &error).has_value(), c.accepted) << c.text;
    if (!c.accepted) {
      EXPECT_FALSE(error.empty()) << c.text;
    }
  }
  table.DeleteDraw(2026005);
  std::string error;
  EXPECT_FALSE(CheckBookDraw(table, "2026005", &error))
      << "a gap in the history is no draw to come";
  EXPECT_EQ(error, "第2026005期既不是将要开奖的一期, 也不在历史数据中");
  EXPECT_EQ(NextDrawNumber(table), 2026011);
}

TEST_F(BookGrading, RefusedEntriesLeaveTheBookUnchanged) {
  NewBookEntry e;
  e.qs = 2028001;
  e.tickets = test::KnownTickets();
  std::string error;
  EXPECT_FALSE(AddBookEntry(*book, table, e, &error));
  e.qs = 2026011;
  e.name = "a\tb";
  EXPECT_FALSE(AddBookEntry(*book, table, e, &error));
  e.name = "ok";
  e.tickets.clear();
  EXPECT_FALSE(AddBookEntry(*book, table, e, &error));
  EXPECT_TRUE(book->Entries().empty());
}

}  // namespace
}  // namespace dlt
