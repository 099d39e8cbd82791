#pragma once

#include <sqlite3.h>

#include <string>

namespace dlt {

// What went wrong in the table engine, in the user's words where the cause
// is plain (a full disk, a locked or damaged file).
std::string DbMessage(sqlite3* db, int code);
[[noreturn]] void ThrowDb(sqlite3* db, int code);

// Runs one SQL text (no rows); throws DbError.
void ExecSql(sqlite3* db, const char* sql);

// Undoes the writes since the savepoint and releases it. A failed write
// (a full disk) may have rolled the whole transaction back already; the
// savepoint is gone then, and the original error is the one worth reporting.
void RollBackToSavepoint(sqlite3* db, const char* savepoint) noexcept;

// One prepared statement; every failure throws DbError.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql);
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  sqlite3_stmt* get() { return stmt_; }
  // true while there is a row; false when done.
  bool Step();

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace dlt
