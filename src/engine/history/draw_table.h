#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/draw.h"

struct sqlite3;

namespace dlt {

// A failure of the table engine itself (file missing, disk full, SQL error).
class DbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The stored columns of one draw besides the numbers.
struct DrawExtras {
  std::string coldhotbone, coldhotbtwo, coldhotbthree;
  // Moving means of `blue` over 2, 3, 4, 5 and 10 draws, in tenths.
  std::array<int32_t, 5> averages{};
};

// A stored row that no draw can be (edited outside the program): its draw
// number and why it is refused.
struct BadRow {
  int64_t qs = 0;
  std::string reason;  // "主号一必须在1到35之间: 200"
};

// The real draws a store changed, told once it is committed: draws stored
// (new, or stored again with numbers that may differ) and draws removed.
struct DrawChanges {
  std::vector<int32_t> stored;
  std::vector<int32_t> removed;
  bool Empty() const { return stored.empty() && removed.empty(); }
};
// Called after the commit on the thread that stored; it must not throw.
using DrawChangeListener = std::function<void(const DrawChanges&)>;

// Scratch values that analyses write per draw; kept in memory only.
enum class ScratchField { Temp, Test, TestYl, TestYlZf };

// The draw history: a SQLite table `basedata` ordered by `qs`, read into
// memory, with one cursor that the windows share. Writes go to SQLite at
// post and delete; every read is served from memory.
class DrawTable {
 public:
  enum class State { Browse, Edit, Insert };

  // Opens the table file, creating it (and the table) when absent.
  // Throws DbError when the file cannot be opened.
  explicit DrawTable(const std::string& path);
  ~DrawTable();
  DrawTable(const DrawTable&) = delete;
  DrawTable& operator=(const DrawTable&) = delete;

  const std::string& FilePath() const { return path_; }
  // The open file, for the tables kept beside the draws (the prize
  // amounts): they share its transactions, so a batch stores both or none.
  sqlite3* Database() const { return db_; }
  // Reads every row from the file again; the cursor goes to the first record.
  // Rows whose numbers no draw can have are kept out of the table and listed
  // in BadRows(): nothing computes on them, and the table is not to be used
  // until they are mended (a draw of the same number stored again) or
  // deleted (DeleteDraw).
  void Reload();
  const std::vector<BadRow>& BadRows() const { return badRows_; }
  // "数据库中有无效的记录:" and one line per bad row (the first ten), or empty.
  std::string BadRowsMessage() const;

  // --- cursor ---------------------------------------------------------------
  void First();
  void Last();
  void Next();
  void Prior();
  // Moves by n records, stopping at either end; returns the records moved.
  int MoveBy(int n);
  int RecNo() const { return Empty() ? 0 : pos_ + 1; }  // 1-based
  int RecordCount() const { return static_cast<int>(draws_.size()); }
  bool Empty() const { return draws_.empty(); }
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  // 0-based index of the current record (-1 when empty).
  int Position() const { return Empty() ? -1 : pos_; }
  void SetPosition(int index);
  // Key lookup on qs: true and current when found; the cursor stays otherwise.
  bool LocateDraw(int32_t qs);
  // 0-based index of the draw, or -1.
  int IndexOf(int32_t qs) const;

  // --- reading --------------------------------------------------------------
  const std::vector<Draw>& Draws() const { return draws_; }
  const Draw& CurrentDraw() const { return draws_.at(pos_); }
  const DrawExtras& Extras(int index) const { return extras_.at(index); }
  // Fields 0..7 of the current record: qs, red1..red5, red6, blue.
  int32_t Field(int fieldNo) const;
  static int32_t FieldOf(const Draw& d, int fieldNo);
  // Integer field by column name; nullopt for an unknown or text column.
  std::optional<int32_t> IntField(const std::string& name) const;
  std::optional<std::string> TextField(const std::string& name) const;
  int32_t Scratch(ScratchField f, int index) const;
  const std::vector<int32_t>& ScratchColumn(ScratchField f) const;
  // The last draw with qs <= 9999997 (-1 when none).
  int LastRealIndex() const;

  // --- writing --------------------------------------------------------------
  // Edit/append the current record field by field, then Post (the navigator way).
  void Edit();
  void Append();
  void Cancel();
  State CurrentState() const { return state_; }
  bool SetField(const std::string& name, int32_t value);
  bool SetTextField(const std::string& name, const std::string& value);
  // Posts the edit buffer; false with a message when the draw number clashes.
  bool Post(std::string* error = nullptr);
  // Deletes the current record; the cursor moves to the next one (or the new last).
  void Delete();

  // Appends a complete draw and runs UpdateDerivedFields; false when qs exists.
  bool AppendDraw(const Draw& d, std::string* error = nullptr);
  // Replaces the numbers of an existing draw (or appends it) and updates.
  void PutDraw(const Draw& d);
  // Deletes a draw, or a bad row, by its number; false when there is none.
  bool DeleteDraw(int64_t qs);
  // Adds many draws in one transaction. Overwrite deletes every record (bad
  // rows too) first; otherwise draws already present are skipped. Returns
  // the number added. On failure nothing is stored and DbError is thrown.
  int ApplyImport(const std::vector<Draw>& draws, bool overwrite);

  // Groups the writes between them into one transaction, so a walk that
  // writes every row (summary texts, the full refresh) is one disk commit.
  // Calls nest; the outermost EndBatch commits. A commit that fails stores
  // nothing of the batch, reloads the rows and throws DbError.
  void BeginBatch();
  void EndBatch();
  // Ends a batch that failed: the outermost one rolls back and reloads.
  void AbortBatch() noexcept;

  // Whoever keeps results that follow from the draws (the ticket book)
  // listens here: every store of a draw, by any path, passes through Post,
  // ApplyImport or Delete, and the listener hears of it once the change is
  // committed (at the end of the outermost batch). A rolled-back change is
  // never told. An empty function removes the listener.
  void SetChangeListener(DrawChangeListener listener) { listener_ = std::move(listener); }

  // Memory-only scratch values (the analyses' series).
  void SetScratch(ScratchField f, int index, int32_t value);
  // Stored summary texts of one draw (written at once).
  void SetColdHotTexts(int index, const std::string* one, const std::string* two,
                       const std::string* three);

  // Computes the moving means of `blue` for the draw at `index` and the
  // nine after it (their windows include it) and stores them.
  void UpdateDerivedFields(int index);
  void UpdateAllDerivedFields();

  // --- forecast record (qs 9999999) -----------------------------------------
  bool HasForecast() const { return IndexOf(kForecastQs) >= 0; }
  bool DeleteForecast();
  // Writes the forecast record with the given numbers (replacing an old one).
  void WriteForecast(const Draw& numbers);

  // --- queries ----------------------------------------------------------------
  // q_redzhrepeat: the real draws whose five front numbers repeat another
  // real draw, each once, grouped by their numbers (ascending), each group
  // in draw order.
  std::vector<Draw> RepeatedFrontDraws() const;

 private:
  void Exec(const char* sql) const;
  void RollBackTo(const char* savepoint) const;
  void WriteRow(int index) const;
  void DeleteRowSql(int64_t qs) const;
  int InsertRowMemory(const Draw& d, const DrawExtras& extras);
  void EraseRowMemory(int index);
  void ResetScratchSizes();
  void NoteStored(int32_t qs);
  void NoteRemoved(int32_t qs);
  // Tells the listener what was committed, unless a batch is still open.
  void TellCommitted();

  std::string path_;
  sqlite3* db_ = nullptr;
  std::vector<Draw> draws_;
  std::vector<DrawExtras> extras_;
  std::vector<BadRow> badRows_;
  std::array<std::vector<int32_t>, 4> scratch_;
  int pos_ = 0;
  bool eof_ = true;
  bool bof_ = true;
  State state_ = State::Browse;
  Draw bufferDraw_;
  DrawExtras bufferExtras_;
  int editIndex_ = -1;
  int batchDepth_ = 0;
  DrawChangeListener listener_;
  DrawChanges pending_;  // committed or inside the open batch, not yet told
};

// BeginBatch / EndBatch for a scope; left by an exception, AbortBatch.
class WriteBatch {
 public:
  explicit WriteBatch(DrawTable& t) : table_(t), exceptions_(std::uncaught_exceptions()) {
    table_.BeginBatch();
  }
  ~WriteBatch() noexcept(false) {
    if (std::uncaught_exceptions() > exceptions_)
      table_.AbortBatch();
    else
      table_.EndBatch();
  }
  WriteBatch(const WriteBatch&) = delete;
  WriteBatch& operator=(const WriteBatch&) = delete;

 private:
  DrawTable& table_;
  int exceptions_;
};

// Remembers the current draw and returns to it by key lookup on destruction.
class CursorGuard {
 public:
  explicit CursorGuard(DrawTable& t) : table_(t), qs_(t.Empty() ? 0 : t.CurrentDraw().qs) {}
  ~CursorGuard() {
    if (qs_ != 0) table_.LocateDraw(qs_);
  }
  CursorGuard(const CursorGuard&) = delete;
  CursorGuard& operator=(const CursorGuard&) = delete;

 private:
  DrawTable& table_;
  int32_t qs_;
};

}  // namespace dlt
