#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/ticket_book.h"

namespace dlt {

class DrawTable;

// The draw an entry may be for: a stored draw, or one to come (after the
// newest stored draw, in its year or the next). Anything else is refused
// with a message ("第2026050期既不是将要开奖的一期, 也不在历史数据中").
std::optional<int32_t> CheckBookDraw(const DrawTable& table, std::string_view text,
                                     std::string* error);
// The draw after the newest stored one (its number + 1); 0 for no history.
int32_t NextDrawNumber(const DrawTable& table);

// Grades a ticket set against a draw with the prize rules of the prize
// check: the tickets per level and the winning tickets in ticket order.
BookResult GradeBookTickets(std::vector<Ticket> tickets, const Draw& draw);

// The entries of one draw whose result grading changed.
struct GradedDraw {
  int32_t qs = 0;
  int entries = 0;
  PrizeCounts counts{};  // over those entries
  bool operator==(const GradedDraw&) const = default;
};

struct GradingReport {
  std::vector<GradedDraw> graded;  // ascending by draw
  int pendingAgain = 0;            // graded entries whose draw is gone
  bool Empty() const { return graded.empty() && pendingAgain == 0; }
  void Merge(const GradingReport& other);
};

// Brings the results in line with the stored draws: an entry whose draw is
// stored and that was not graded against its present numbers is graded (a
// replaced draw grades its entries again); a graded entry whose draw is no
// longer stored is 待开奖 again. Only the entries of `onlyDraws` when given.
// Everything in one transaction of the book. An entry's tickets are never
// written.
GradingReport GradeBookEntries(TicketBook& book, const DrawTable& table,
                               const std::vector<int32_t>* onlyDraws = nullptr);

// Checks an entry before it is added: a draw that may be played, at least
// one ticket and at most a full list, a name without tabs or line breaks.
bool CheckBookEntry(const DrawTable& table, const NewBookEntry& entry, std::string* error);

// Adds an entry after checking it (a draw that may be played, at least one
// ticket, a name without tabs or line breaks), graded at once when its draw
// is stored; the entry and its result are one transaction. The id, or
// nullopt with the reason and the book unchanged.
std::optional<int64_t> AddBookEntry(TicketBook& book, const DrawTable& table, NewBookEntry entry,
                                    std::string* error);

// Told what grading did after a store, or why it failed (the draws are
// stored either way).
using GradingListener = std::function<void(const GradingReport& report, const std::string& error)>;

// The book to grade when draws are stored: nullptr when there is none. It
// may open the book only then, and throw BookError for a damaged one.
using BookSource = std::function<TicketBook*()>;

// Keeps the book graded: from now on every store of draws in the table, by
// whatever path, grades the entries of the changed draws. What the source
// gives must outlive the table or be detached first (DetachBookGrading).
void AttachBookGrading(DrawTable& table, BookSource book, GradingListener told);
void DetachBookGrading(DrawTable& table);

}  // namespace dlt
