#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "book/book_grading.h"
#include "book/ticket_book.h"
#include "history/draw_table.h"
#include "support/test_support.h"

namespace dlt::test {

inline Ticket MakeTicket(std::array<int, 5> front, std::array<int, 2> back) {
  Ticket t;
  for (size_t i = 0; i < 5; ++i) t.front[i] = static_cast<uint8_t>(front[i]);
  for (size_t i = 0; i < 2; ++i) t.back[i] = static_cast<uint8_t>(back[i]);
  return t;
}

// The draw the tickets below are graded against, and ten draws before it.
inline Draw TargetDraw() {
  return MakeDraw(2026011, {1, 2, 3, 4, 5}, {1, 2});
}
inline std::vector<Draw> EarlierDraws() {
  std::vector<Draw> draws;
  for (int i = 1; i <= 10; ++i)
    draws.push_back(MakeDraw(2026000 + i, {i, i + 5, i + 10, i + 15, i + 20}, {1 + i % 10, 12}));
  return draws;
}

// Five tickets with known prizes against TargetDraw(): 一等奖 (5+2), 五等奖
// (4+1), 六等奖 (3+2), none, 八等奖 (2+1).
inline std::vector<Ticket> KnownTickets() {
  return {MakeTicket({1, 2, 3, 4, 5}, {1, 2}), MakeTicket({1, 2, 3, 4, 6}, {1, 3}),
          MakeTicket({1, 2, 3, 10, 11}, {1, 2}), MakeTicket({20, 21, 22, 23, 24}, {3, 4}),
          MakeTicket({1, 2, 20, 21, 22}, {1, 5})};
}
inline PrizeCounts KnownCounts() {
  return {1, 1, 0, 0, 0, 1, 1, 0, 1};
}
inline std::vector<std::pair<int, int>> KnownWinners() {
  return {{0, 1}, {1, 5}, {2, 6}, {4, 8}};
}

// A table and a book kept graded by it, with what the grading told.
class BookFixture : public ::testing::Test {
 protected:
  BookFixture() {
    book = TicketBook::Open(dir.file("book.db"), true);
    table.ApplyImport(EarlierDraws(), false);
    AttachBookGrading(
        table, [this] { return book.get(); },
        [this](const GradingReport& r, const std::string& error) {
          reports.push_back(r);
          if (!error.empty()) errors.push_back(error);
        });
  }
  ~BookFixture() override { DetachBookGrading(table); }

  int64_t Add(int32_t qs, std::vector<Ticket> tickets = KnownTickets(), std::string name = "周二") {
    NewBookEntry e;
    e.name = std::move(name);
    e.qs = qs;
    e.addedAt = 1767225600;
    e.costFen = 200 * static_cast<int64_t>(tickets.size());
    e.tickets = std::move(tickets);
    std::string error;
    const auto id = AddBookEntry(*book, table, e, &error);
    EXPECT_TRUE(id) << error;
    return id.value_or(0);
  }
  BookEntry Entry(int64_t id) const { return book->Entry(id).value(); }

  TempDir dir;
  DrawTable table{dir.file("basedata.db")};
  std::unique_ptr<TicketBook> book;
  std::vector<GradingReport> reports;
  std::vector<std::string> errors;
};

}  // namespace dlt::test
