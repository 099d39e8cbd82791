#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/draw.h"
#include "generator/prizes.h"
#include "generator/result_numbers.h"

struct sqlite3;

namespace dlt {

// A book file that cannot be used: not a database, not a book, or an entry
// that does not read. The file is left exactly as it was.
class BookError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What grading an entry found: the draw it was graded against, the tickets
// per prize level (index 0: no prize) and the winning tickets.
struct BookResult {
  Draw draw;
  PrizeCounts counts{};
  // (position of the ticket in the entry, from 0; its prize level), in
  // ticket order.
  std::vector<std::pair<int, int>> winners;

  int WinningTickets() const { return static_cast<int>(winners.size()); }
  bool operator==(const BookResult&) const = default;
};

// One entry of the book: a ticket set kept with the draw it was played for.
struct BookEntry {
  int64_t id = 0;
  std::string name;
  int32_t qs = 0;
  int64_t addedAt = 0;  // seconds since 1970-01-01 UTC
  int ticketCount = 0;
  int64_t costFen = 0;
  std::optional<BookResult> result;  // nullopt: 待开奖

  bool operator==(const BookEntry&) const = default;
};

// An entry as it is added: the tickets are copied into the book.
struct NewBookEntry {
  std::string name;
  int32_t qs = 0;
  int64_t addedAt = 0;
  std::vector<Ticket> tickets;
  int64_t costFen = 0;
  std::optional<BookResult> result;
};

// The ticket book: its own SQLite file beside the draws (database/book.db),
// one transaction per change. The calls are safe from several threads (a
// store off the interface thread grades while a window reads).
class TicketBook {
 public:
  // Opens the book at `path`. An absent file is created when `create`, else
  // nullptr is returned. A file that is not a readable book throws
  // BookError and is not written to.
  static std::unique_ptr<TicketBook> Open(const std::string& path, bool create);
  ~TicketBook();
  TicketBook(const TicketBook&) = delete;
  TicketBook& operator=(const TicketBook&) = delete;

  const std::string& FilePath() const { return path_; }

  std::vector<BookEntry> Entries() const;  // by id
  std::optional<BookEntry> Entry(int64_t id) const;
  // The tickets of an entry as they were added; empty for an unknown id.
  std::vector<Ticket> Tickets(int64_t id) const;

  // The winning tickets of a graded entry with their prizes, 一等奖 first
  // (tickets of one prize in ticket order); empty while it is to be drawn.
  std::vector<Ticket> WinningTickets(const BookEntry& entry) const;

  // Stores an entry; returns its id (ids are never given twice).
  int64_t Add(const NewBookEntry& entry);
  // false when there is no such entry.
  bool Remove(int64_t id);
  // Stores the results of several entries at once (nullopt: 待开奖 again).
  void SetResults(const std::vector<std::pair<int64_t, std::optional<BookResult>>>& results);

 private:
  TicketBook(std::string path, sqlite3* db);
  void CheckEveryEntry() const;
  std::vector<BookEntry> ReadEntries(const char* where, int64_t id) const;

  std::string path_;
  sqlite3* db_;
  mutable std::mutex mutex_;
};

}  // namespace dlt
