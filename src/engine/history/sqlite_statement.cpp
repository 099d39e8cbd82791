#include "history/sqlite_statement.h"

#include "history/draw_table.h"

namespace dlt {

std::string DbMessage(sqlite3* db, int code) {
  switch (code & 0xFF) {
    case SQLITE_FULL:
      return "磁盘空间不足, 无法写入数据库";
    case SQLITE_IOERR:
      return "无法读写数据库文件(磁盘已满或出错)";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "数据库正被另一个程序使用, 请稍后再试";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return "数据库文件已损坏或不是数据库文件";
    case SQLITE_READONLY:
    case SQLITE_PERM:
      return "无法写入数据库文件(没有权限)";
    case SQLITE_CANTOPEN:
      return "无法打开数据库文件(没有权限或文件夹不存在)";
    default:
      return std::string("数据库错误: ") + (db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
  }
}

void ThrowDb(sqlite3* db, int code) {
  throw DbError(DbMessage(db, code));
}

void ExecSql(sqlite3* db, const char* sql) {
  if (const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr); rc != SQLITE_OK)
    ThrowDb(db, rc);
}

void RollBackToSavepoint(sqlite3* db, const char* savepoint) noexcept {
  if (sqlite3_get_autocommit(db)) return;
  const std::string name(savepoint);
  sqlite3_exec(db, ("ROLLBACK TO " + name).c_str(), nullptr, nullptr, nullptr);
  sqlite3_exec(db, ("RELEASE " + name).c_str(), nullptr, nullptr, nullptr);
}

Statement::Statement(sqlite3* db, const char* sql) : db_(db) {
  if (const int rc = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); rc != SQLITE_OK)
    ThrowDb(db, rc);
}

bool Statement::Step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  ThrowDb(db_, rc);
}

}  // namespace dlt
