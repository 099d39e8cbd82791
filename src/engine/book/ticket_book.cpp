#include "book/ticket_book.h"

#include <sqlite3.h>

#include <filesystem>
#include <numeric>

#include "common/numbers.h"
#include "generator/result_files.h"
#include "generator/ticket_list.h"
#include "history/draw_table.h"
#include "history/sqlite_statement.h"

namespace dlt {
namespace {

constexpr const char* kCreateSql =
    "CREATE TABLE book ("
    "id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL, qs INTEGER NOT NULL, "
    "added INTEGER NOT NULL, count INTEGER NOT NULL, cost INTEGER NOT NULL, "
    "tickets TEXT NOT NULL, graded TEXT, counts TEXT, winners TEXT)";
constexpr int kBookVersion = 1;

constexpr const char* kEntryColumns =
    "SELECT id, name, qs, added, count, cost, graded, counts, winners FROM book ";

// A fault of one stored entry: the book it is in cannot be trusted.
[[noreturn]] void BadEntry(int64_t id, const std::string& why) {
  throw BookError("第" + std::to_string(id) + "条投注记录已损坏: " + why);
}

std::string ColumnText(sqlite3_stmt* st, int col) {
  const auto* p = sqlite3_column_text(st, col);
  return p ? std::string(reinterpret_cast<const char*>(p)) : std::string();
}

int64_t ColumnInt(sqlite3_stmt* st, int col, int64_t id, const char* what) {
  if (sqlite3_column_type(st, col) != SQLITE_INTEGER) BadEntry(id, std::string(what) + "不是整数");
  return sqlite3_column_int64(st, col);
}

// Whole decimal numbers separated by blanks; nullopt when anything else.
std::optional<std::vector<int64_t>> ReadNumbers(std::string_view text) {
  std::vector<int64_t> out;
  for (std::string_view word : SplitBlanks(text)) {
    const auto n = ParseDrawField(word, 0, nullptr);
    if (!n) return std::nullopt;
    out.push_back(*n);
  }
  return out;
}

std::string JoinNumbers(const PrizeCounts& counts) {
  std::string s;
  for (size_t i = 0; i < counts.size(); ++i) s += (i ? " " : "") + std::to_string(counts[i]);
  return s;
}

std::string WinnersText(const std::vector<std::pair<int, int>>& winners) {
  std::string s;
  for (size_t i = 0; i < winners.size(); ++i)
    s +=
        (i ? " " : "") + std::to_string(winners[i].first) + ":" + std::to_string(winners[i].second);
  return s;
}

// The stored result columns of an entry of `count` tickets, checked against
// each other: the counts add up to the tickets, the winners are tickets of
// the entry and as many per level as counted.
std::optional<BookResult> ReadResult(sqlite3_stmt* st, int64_t id, int count) {
  if (sqlite3_column_type(st, 6) == SQLITE_NULL) return std::nullopt;
  BookResult r;
  const auto drawNumbers = ReadNumbers(ColumnText(st, 6));
  std::string why;
  if (!drawNumbers || drawNumbers->size() != 8) BadEntry(id, "开奖号码不完整");
  const auto& v = *drawNumbers;
  const auto draw = ValidateDraw(v[0], {v[1], v[2], v[3], v[4], v[5]}, {v[6], v[7]}, &why);
  if (!draw) BadEntry(id, why);
  r.draw = *draw;
  const auto counts = ReadNumbers(ColumnText(st, 7));
  if (!counts || counts->size() != r.counts.size()) BadEntry(id, "中奖统计不完整");
  for (size_t i = 0; i < r.counts.size(); ++i) {
    if ((*counts)[i] > count) BadEntry(id, "中奖统计超出注数");
    r.counts[i] = static_cast<int>((*counts)[i]);
  }
  if (std::accumulate(r.counts.begin(), r.counts.end(), 0) != count)
    BadEntry(id, "中奖统计与注数不符");
  PrizeCounts seen{};
  int lastPosition = -1;
  const std::string winners = ColumnText(st, 8);
  for (std::string_view word : SplitBlanks(winners)) {
    const size_t colon = word.find(':');
    const auto position = colon == std::string_view::npos
                              ? std::nullopt
                              : ParseDrawField(word.substr(0, colon), 0, nullptr);
    const auto level = colon == std::string_view::npos
                           ? std::nullopt
                           : ParseDrawField(word.substr(colon + 1), 0, nullptr);
    if (!position || !level || *position >= count || *position <= lastPosition || *level < 1 ||
        *level > 8)
      BadEntry(id, "中奖号码记录有误");
    lastPosition = static_cast<int>(*position);
    ++seen[static_cast<size_t>(*level)];
    r.winners.emplace_back(static_cast<int>(*position), static_cast<int>(*level));
  }
  for (size_t level = 1; level < seen.size(); ++level)
    if (seen[level] != r.counts[level]) BadEntry(id, "中奖号码与中奖统计不符");
  return r;
}

BookEntry ReadEntry(sqlite3_stmt* st) {
  BookEntry e;
  e.id = sqlite3_column_int64(st, 0);
  if (sqlite3_column_type(st, 1) != SQLITE_TEXT) BadEntry(e.id, "名称不是文字");
  e.name = ColumnText(st, 1);
  const int64_t qs = ColumnInt(st, 2, e.id, "期数");
  if (qs < 1000000 || qs > kLastRealQs) BadEntry(e.id, "期数有误: " + std::to_string(qs));
  e.qs = static_cast<int32_t>(qs);
  e.addedAt = ColumnInt(st, 3, e.id, "加入时间");
  const int64_t count = ColumnInt(st, 4, e.id, "注数");
  if (count < 1 || count > kTicketListCapacity) BadEntry(e.id, "注数有误");
  e.ticketCount = static_cast<int>(count);
  e.costFen = ColumnInt(st, 5, e.id, "金额");
  if (e.costFen < 0) BadEntry(e.id, "金额有误");
  e.result = ReadResult(st, e.id, e.ticketCount);
  return e;
}

std::vector<Ticket> ParseStoredTickets(int64_t id, const std::string& text, int count) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(text.substr(start, nl - start));
  lines.push_back(text.substr(start));
  std::string error;
  auto tickets = ParseTicketLines(lines, "投注记录" + std::to_string(id), kTicketListCapacity,
                                  TicketList().FullMessage(), &error);
  if (!tickets) BadEntry(id, error);
  if (static_cast<int>(tickets->size()) != count) BadEntry(id, "号码与注数不符");
  return *tickets;
}

std::string TicketsText(const std::vector<Ticket>& tickets) {
  std::string text;
  for (size_t i = 0; i < tickets.size(); ++i)
    text += (i ? "\n" : "") + TicketResultLine(tickets[i]);
  return text;
}

void BindResult(sqlite3_stmt* st, int first, const std::optional<BookResult>& r) {
  if (!r) {
    for (int i = 0; i < 3; ++i) sqlite3_bind_null(st, first + i);
    return;
  }
  sqlite3_bind_text(st, first, FormatDrawLine(r->draw).c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(st, first + 1, JoinNumbers(r->counts).c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(st, first + 2, WinnersText(r->winners).c_str(), -1, SQLITE_TRANSIENT);
}

// One change, one transaction: all of it is stored or none.
template <class Work>
void InTransaction(sqlite3* db, Work&& work) {
  ExecSql(db, "BEGIN IMMEDIATE");
  try {
    work();
    ExecSql(db, "COMMIT");
  } catch (...) {
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

int64_t PragmaInt(sqlite3* db, const char* sql) {
  Statement st(db, sql);
  return st.Step() ? sqlite3_column_int64(st.get(), 0) : 0;
}

// Makes sure the open file is a book of this program, creating the table
// in a file that holds nothing yet.
void CheckOrCreateSchema(sqlite3* db) {
  {
    Statement check(db, "PRAGMA quick_check");
    while (check.Step()) {
      const std::string line = ColumnText(check.get(), 0);
      if (line != "ok") throw BookError("文件内容有误: " + line);
    }
  }
  const int64_t objects = PragmaInt(db, "SELECT count(*) FROM sqlite_master");
  if (objects == 0) {
    InTransaction(db, [&] {
      ExecSql(db, kCreateSql);
      ExecSql(db, ("PRAGMA user_version = " + std::to_string(kBookVersion)).c_str());
    });
    return;
  }
  if (PragmaInt(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'book'") !=
      1)
    throw BookError("不是投注记录文件");
  const int64_t version = PragmaInt(db, "PRAGMA user_version");
  if (version != kBookVersion)
    throw BookError("文件版本" + std::to_string(version) + "不是本程序的投注记录");
  // Every column the program reads must be there.
  Statement columns(db,
                    "SELECT id, name, qs, added, count, cost, tickets, graded, counts, "
                    "winners FROM book LIMIT 0");
}

}  // namespace

std::unique_ptr<TicketBook> TicketBook::Open(const std::string& path, bool create) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(path, ec);
  if (!exists && !create) return nullptr;
  if (exists && !std::filesystem::is_regular_file(path, ec))
    throw BookError("投注记录文件无法使用: " + path + ": 不是普通文件; 文件未作改动");
  sqlite3* db = nullptr;
  // An existing file is opened without the right to create: a damaged one
  // is read, refused and left as it is.
  const int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE);
  const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  try {
    if (rc != SQLITE_OK) ThrowDb(db, rc);
    CheckOrCreateSchema(db);
    std::unique_ptr<TicketBook> book(new TicketBook(path, db));
    db = nullptr;  // the book owns it now
    book->CheckEveryEntry();
    return book;
  } catch (const std::exception& e) {
    sqlite3_close(db);
    throw BookError("投注记录文件无法使用: " + path + ": " + e.what() + "; 文件未作改动");
  }
}

TicketBook::TicketBook(std::string path, sqlite3* db) : path_(std::move(path)), db_(db) {}

TicketBook::~TicketBook() {
  sqlite3_close(db_);
}

void TicketBook::CheckEveryEntry() const {
  std::lock_guard lock(mutex_);
  Statement st(db_,
               "SELECT id, name, qs, added, count, cost, graded, counts, winners, tickets "
               "FROM book ORDER BY id");
  while (st.Step()) {
    const BookEntry e = ReadEntry(st.get());
    ParseStoredTickets(e.id, ColumnText(st.get(), 9), e.ticketCount);
  }
}

std::vector<BookEntry> TicketBook::ReadEntries(const char* where, int64_t id) const {
  const std::string sql = std::string(kEntryColumns) + where + " ORDER BY id";
  Statement st(db_, sql.c_str());
  if (id != 0) sqlite3_bind_int64(st.get(), 1, id);
  std::vector<BookEntry> out;
  while (st.Step()) out.push_back(ReadEntry(st.get()));
  return out;
}

std::vector<BookEntry> TicketBook::Entries() const {
  std::lock_guard lock(mutex_);
  return ReadEntries("", 0);
}

std::optional<BookEntry> TicketBook::Entry(int64_t id) const {
  std::lock_guard lock(mutex_);
  auto entries = ReadEntries("WHERE id = ?", id);
  if (entries.empty()) return std::nullopt;
  return entries.front();
}

std::vector<Ticket> TicketBook::Tickets(int64_t id) const {
  std::lock_guard lock(mutex_);
  Statement st(db_, "SELECT count, tickets FROM book WHERE id = ?");
  sqlite3_bind_int64(st.get(), 1, id);
  if (!st.Step()) return {};
  return ParseStoredTickets(id, ColumnText(st.get(), 1),
                            static_cast<int>(sqlite3_column_int64(st.get(), 0)));
}

std::vector<Ticket> TicketBook::WinningTickets(const BookEntry& entry) const {
  if (!entry.result) return {};
  const std::vector<Ticket> tickets = Tickets(entry.id);
  std::vector<Ticket> winners;
  for (const auto& [position, level] : entry.result->winners) {
    if (position >= static_cast<int>(tickets.size())) BadEntry(entry.id, "中奖号码记录有误");
    Ticket t = tickets[static_cast<size_t>(position)];
    t.prize = static_cast<uint8_t>(level);
    winners.push_back(t);
  }
  SortByPrize(winners);
  return winners;
}

int64_t TicketBook::Add(const NewBookEntry& entry) {
  std::lock_guard lock(mutex_);
  int64_t id = 0;
  InTransaction(db_, [&] {
    Statement st(db_,
                 "INSERT INTO book (name, qs, added, count, cost, tickets, graded, counts, "
                 "winners) VALUES (?,?,?,?,?,?,?,?,?)");
    sqlite3_bind_text(st.get(), 1, entry.name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(st.get(), 2, entry.qs);
    sqlite3_bind_int64(st.get(), 3, entry.addedAt);
    sqlite3_bind_int64(st.get(), 4, static_cast<int64_t>(entry.tickets.size()));
    sqlite3_bind_int64(st.get(), 5, entry.costFen);
    sqlite3_bind_text(st.get(), 6, TicketsText(entry.tickets).c_str(), -1, SQLITE_TRANSIENT);
    BindResult(st.get(), 7, entry.result);
    st.Step();
    id = sqlite3_last_insert_rowid(db_);
  });
  return id;
}

bool TicketBook::Remove(int64_t id) {
  std::lock_guard lock(mutex_);
  bool removed = false;
  InTransaction(db_, [&] {
    Statement st(db_, "DELETE FROM book WHERE id = ?");
    sqlite3_bind_int64(st.get(), 1, id);
    st.Step();
    removed = sqlite3_changes(db_) > 0;
  });
  return removed;
}

void TicketBook::SetResults(
    const std::vector<std::pair<int64_t, std::optional<BookResult>>>& results) {
  if (results.empty()) return;
  std::lock_guard lock(mutex_);
  InTransaction(db_, [&] {
    Statement st(db_, "UPDATE book SET graded = ?, counts = ?, winners = ? WHERE id = ?");
    for (const auto& [id, result] : results) {
      sqlite3_reset(st.get());
      BindResult(st.get(), 1, result);
      sqlite3_bind_int64(st.get(), 4, id);
      st.Step();
    }
  });
}

}  // namespace dlt
