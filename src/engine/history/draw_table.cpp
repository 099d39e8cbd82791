#include "history/draw_table.h"

#include <algorithm>

#include "common/rounding.h"
#include "history/sqlite_statement.h"

namespace dlt {
namespace {

constexpr const char* kCreateSql =
    "CREATE TABLE IF NOT EXISTS basedata ("
    "qs INTEGER PRIMARY KEY, red1 INTEGER, red2 INTEGER, red3 INTEGER, red4 INTEGER, "
    "red5 INTEGER, red6 INTEGER, blue INTEGER, coldhotbone TEXT, coldhotbtwo TEXT, "
    "coldhotbthree TEXT, temp INTEGER, test INTEGER, testyl INTEGER, testyl_zf INTEGER, "
    "twoaverage INTEGER, threeaverage INTEGER, fouraverage INTEGER, fiveaverage INTEGER, "
    "tenaverage INTEGER)";

constexpr const char* kFieldNames[8] = {"qs",   "red1", "red2", "red3",
                                        "red4", "red5", "red6", "blue"};
constexpr const char* kAverageNames[5] = {"twoaverage", "threeaverage", "fouraverage",
                                          "fiveaverage", "tenaverage"};
constexpr int kAverageWindows[5] = {2, 3, 4, 5, 10};

int FieldNumber(const std::string& name) {
  for (int i = 0; i < 8; ++i)
    if (name == kFieldNames[i]) return i;
  return -1;
}

int AverageNumber(const std::string& name) {
  for (int i = 0; i < 5; ++i)
    if (name == kAverageNames[i]) return i;
  return -1;
}

int ScratchNumber(const std::string& name) {
  if (name == "temp") return 0;
  if (name == "test") return 1;
  if (name == "testyl") return 2;
  if (name == "testyl_zf") return 3;
  return -1;
}

void SetFieldOf(Draw& d, int fieldNo, int32_t v) {
  if (fieldNo == 0)
    d.qs = v;
  else if (fieldNo <= 5)
    d.front[fieldNo - 1] = static_cast<uint8_t>(v);
  else
    d.back[fieldNo - 6] = static_cast<uint8_t>(v);
}

// A stored row as a draw, or nullopt with the reason: only rows the program
// itself could have written pass (the forecast record carries the numbers
// of a draw too).
std::optional<Draw> CheckStoredRow(sqlite3_stmt* st, std::string* why) {
  std::array<int64_t, 8> v{};
  for (int i = 0; i < 8; ++i) {
    if (sqlite3_column_type(st, i) != SQLITE_INTEGER) {
      *why = std::string(DrawFieldName(i)) + "不是整数";
      return std::nullopt;
    }
    v[i] = sqlite3_column_int64(st, i);
  }
  const bool reserved = v[0] == kForecastQs || v[0] == kReservedQs;
  auto d = ValidateDraw(reserved ? kLastRealQs : v[0], {v[1], v[2], v[3], v[4], v[5]}, {v[6], v[7]},
                        why);
  if (d && reserved) d->qs = static_cast<int32_t>(v[0]);
  return d;
}

}  // namespace

DrawTable::DrawTable(const std::string& path) : path_(path) {
  const int rc =
      sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  // The destructor does not run when the constructor throws: a failure
  // after the open must close the handle here.
  try {
    if (rc != SQLITE_OK) ThrowDb(db_, rc);
    Exec(kCreateSql);
    Reload();
  } catch (const DbError& e) {
    sqlite3_close(db_);
    db_ = nullptr;
    throw DbError("无法打开数据库 " + path + ": " + e.what());
  }
}

DrawTable::~DrawTable() {
  sqlite3_close(db_);
}

void DrawTable::Exec(const char* sql) const {
  ExecSql(db_, sql);
}

void DrawTable::RollBackTo(const char* savepoint) const {
  RollBackToSavepoint(db_, savepoint);
}

void DrawTable::Reload() {
  draws_.clear();
  extras_.clear();
  badRows_.clear();
  Statement st(db_,
               "SELECT qs, red1, red2, red3, red4, red5, red6, blue, coldhotbone, coldhotbtwo, "
               "coldhotbthree, twoaverage, threeaverage, fouraverage, fiveaverage, tenaverage "
               "FROM basedata ORDER BY qs");
  while (st.Step()) {
    std::string why;
    const auto checked = CheckStoredRow(st.get(), &why);
    if (!checked) {
      badRows_.push_back({sqlite3_column_int64(st.get(), 0), why});
      continue;
    }
    const Draw d = *checked;
    DrawExtras e;
    auto text = [&](int col) {
      const auto* p = sqlite3_column_text(st.get(), col);
      return p ? std::string(reinterpret_cast<const char*>(p)) : std::string();
    };
    e.coldhotbone = text(8);
    e.coldhotbtwo = text(9);
    e.coldhotbthree = text(10);
    for (int i = 0; i < 5; ++i) e.averages[i] = sqlite3_column_int(st.get(), 11 + i);
    draws_.push_back(d);
    extras_.push_back(std::move(e));
  }
  ResetScratchSizes();
  state_ = State::Browse;
  First();
}

std::string DrawTable::BadRowsMessage() const {
  if (badRows_.empty()) return {};
  constexpr size_t kShown = 10;
  std::string message = "数据库中有" + std::to_string(badRows_.size()) + "条无效的记录:";
  for (size_t i = 0; i < badRows_.size() && i < kShown; ++i)
    message += "\n第" + std::to_string(badRows_[i].qs) + "期: " + badRows_[i].reason;
  if (badRows_.size() > kShown) message += "\n……";
  return message;
}

void DrawTable::ResetScratchSizes() {
  for (auto& col : scratch_) col.assign(draws_.size(), 0);
}

// --- cursor -----------------------------------------------------------------

void DrawTable::First() {
  pos_ = 0;
  bof_ = true;
  eof_ = Empty();
}

void DrawTable::Last() {
  pos_ = Empty() ? 0 : RecordCount() - 1;
  eof_ = true;
  bof_ = Empty();
}

void DrawTable::Next() {
  if (Empty() || pos_ >= RecordCount() - 1) {
    eof_ = true;
    return;
  }
  ++pos_;
  eof_ = bof_ = false;
}

void DrawTable::Prior() {
  if (Empty() || pos_ <= 0) {
    bof_ = true;
    return;
  }
  --pos_;
  eof_ = bof_ = false;
}

int DrawTable::MoveBy(int n) {
  if (Empty()) return 0;
  const int target = std::clamp(pos_ + n, 0, RecordCount() - 1);
  const int moved = target - pos_;
  pos_ = target;
  eof_ = n > 0 && moved < n;
  bof_ = n < 0 && moved > n;
  if (n == 0) eof_ = bof_ = false;
  return moved;
}

void DrawTable::SetPosition(int index) {
  if (Empty()) return;
  pos_ = std::clamp(index, 0, RecordCount() - 1);
  eof_ = bof_ = false;
}

int DrawTable::IndexOf(int32_t qs) const {
  auto it = std::lower_bound(draws_.begin(), draws_.end(), qs,
                             [](const Draw& d, int32_t q) { return d.qs < q; });
  if (it == draws_.end() || it->qs != qs) return -1;
  return static_cast<int>(it - draws_.begin());
}

bool DrawTable::LocateDraw(int32_t qs) {
  const int i = IndexOf(qs);
  if (i < 0) return false;
  pos_ = i;
  eof_ = bof_ = false;
  return true;
}

int DrawTable::LastRealIndex() const {
  for (int i = RecordCount() - 1; i >= 0; --i)
    if (draws_[i].qs <= kLastRealQs) return i;
  return -1;
}

// --- reading ------------------------------------------------------------------

int32_t DrawTable::FieldOf(const Draw& d, int fieldNo) {
  if (fieldNo == 0) return d.qs;
  if (fieldNo >= 1 && fieldNo <= 5) return d.front[fieldNo - 1];
  if (fieldNo == 6 || fieldNo == 7) return d.back[fieldNo - 6];
  return 0;
}

int32_t DrawTable::Field(int fieldNo) const {
  return FieldOf(CurrentDraw(), fieldNo);
}

std::optional<int32_t> DrawTable::IntField(const std::string& name) const {
  if (Empty()) return std::nullopt;
  if (const int f = FieldNumber(name); f >= 0) return Field(f);
  if (const int a = AverageNumber(name); a >= 0) return extras_[pos_].averages[a];
  if (const int s = ScratchNumber(name); s >= 0) return scratch_[s][pos_];
  return std::nullopt;
}

std::optional<std::string> DrawTable::TextField(const std::string& name) const {
  if (Empty()) return std::nullopt;
  const auto& e = extras_[pos_];
  if (name == "coldhotbone") return e.coldhotbone;
  if (name == "coldhotbtwo") return e.coldhotbtwo;
  if (name == "coldhotbthree") return e.coldhotbthree;
  if (auto v = IntField(name)) return std::to_string(*v);
  return std::nullopt;
}

int32_t DrawTable::Scratch(ScratchField f, int index) const {
  return scratch_[static_cast<int>(f)].at(index);
}

const std::vector<int32_t>& DrawTable::ScratchColumn(ScratchField f) const {
  return scratch_[static_cast<int>(f)];
}

void DrawTable::SetScratch(ScratchField f, int index, int32_t value) {
  scratch_[static_cast<int>(f)].at(index) = value;
}

// --- writing ------------------------------------------------------------------

void DrawTable::WriteRow(int index) const {
  Statement st(db_,
               "INSERT OR REPLACE INTO basedata (qs, red1, red2, red3, red4, red5, red6, blue, "
               "coldhotbone, coldhotbtwo, coldhotbthree, twoaverage, threeaverage, fouraverage, "
               "fiveaverage, tenaverage) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
  const Draw& d = draws_[index];
  const DrawExtras& e = extras_[index];
  for (int i = 0; i < 8; ++i) sqlite3_bind_int(st.get(), i + 1, FieldOf(d, i));
  sqlite3_bind_text(st.get(), 9, e.coldhotbone.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(st.get(), 10, e.coldhotbtwo.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(st.get(), 11, e.coldhotbthree.c_str(), -1, SQLITE_TRANSIENT);
  for (int i = 0; i < 5; ++i) sqlite3_bind_int(st.get(), 12 + i, e.averages[i]);
  st.Step();
}

void DrawTable::DeleteRowSql(int64_t qs) const {
  Statement st(db_, "DELETE FROM basedata WHERE qs = ?");
  sqlite3_bind_int64(st.get(), 1, qs);
  st.Step();
}

int DrawTable::InsertRowMemory(const Draw& d, const DrawExtras& extras) {
  // The row written for it replaces a bad row of the same number.
  std::erase_if(badRows_, [&](const BadRow& b) { return b.qs == d.qs; });
  auto it = std::lower_bound(draws_.begin(), draws_.end(), d.qs,
                             [](const Draw& x, int32_t q) { return x.qs < q; });
  const auto index = it - draws_.begin();
  draws_.insert(it, d);
  extras_.insert(extras_.begin() + index, extras);
  for (auto& col : scratch_) col.insert(col.begin() + index, 0);
  return static_cast<int>(index);
}

void DrawTable::EraseRowMemory(int index) {
  draws_.erase(draws_.begin() + index);
  extras_.erase(extras_.begin() + index);
  for (auto& col : scratch_) col.erase(col.begin() + index);
}

void DrawTable::Edit() {
  if (Empty()) return Append();
  state_ = State::Edit;
  editIndex_ = pos_;
  bufferDraw_ = draws_[pos_];
  bufferExtras_ = extras_[pos_];
}

void DrawTable::Append() {
  state_ = State::Insert;
  editIndex_ = -1;
  bufferDraw_ = Draw{};
  bufferExtras_ = DrawExtras{};
}

void DrawTable::Cancel() {
  state_ = State::Browse;
  editIndex_ = -1;
}

bool DrawTable::SetField(const std::string& name, int32_t value) {
  if (state_ == State::Browse) return false;
  if (const int f = FieldNumber(name); f >= 0) {
    SetFieldOf(bufferDraw_, f, value);
    return true;
  }
  if (const int a = AverageNumber(name); a >= 0) {
    bufferExtras_.averages[a] = value;
    return true;
  }
  if (const int s = ScratchNumber(name); s >= 0 && state_ == State::Edit) {
    scratch_[s][editIndex_] = value;
    return true;
  }
  return false;
}

bool DrawTable::SetTextField(const std::string& name, const std::string& value) {
  if (state_ == State::Browse) return false;
  if (name == "coldhotbone")
    bufferExtras_.coldhotbone = value;
  else if (name == "coldhotbtwo")
    bufferExtras_.coldhotbtwo = value;
  else if (name == "coldhotbthree")
    bufferExtras_.coldhotbthree = value;
  else
    return false;
  return true;
}

bool DrawTable::Post(std::string* error) {
  if (state_ == State::Browse) return true;
  // Real draws are checked and kept ascending; the reserved pseudo-draws
  // carry whatever numbers the window that writes them sets.
  if (bufferDraw_.qs <= kLastRealQs) {
    const Draw& b = bufferDraw_;
    auto valid = ValidateDraw(b.qs, {b.front[0], b.front[1], b.front[2], b.front[3], b.front[4]},
                              {b.back[0], b.back[1]}, error);
    if (!valid) return false;
    bufferDraw_ = *valid;
  }
  const int clash = IndexOf(bufferDraw_.qs);
  if (clash >= 0 && clash != editIndex_) {
    if (error) *error = "数据库中已经存在此期的记录";
    return false;
  }
  DrawChanges changes;
  Exec("SAVEPOINT post");  // a savepoint nests inside a batch
  try {
    if (state_ == State::Edit) {
      const int32_t oldQs = draws_[editIndex_].qs;
      if (oldQs != bufferDraw_.qs) changes.removed.push_back(oldQs);
      if (draws_[editIndex_] != bufferDraw_) changes.stored.push_back(bufferDraw_.qs);
      if (oldQs != bufferDraw_.qs) {
        DeleteRowSql(oldQs);
        std::array<int32_t, 4> keep{};
        for (int s = 0; s < 4; ++s) keep[s] = scratch_[s][editIndex_];
        EraseRowMemory(editIndex_);
        pos_ = InsertRowMemory(bufferDraw_, bufferExtras_);
        for (int s = 0; s < 4; ++s) scratch_[s][pos_] = keep[s];
      } else {
        draws_[editIndex_] = bufferDraw_;
        extras_[editIndex_] = bufferExtras_;
        pos_ = editIndex_;
      }
    } else {
      pos_ = InsertRowMemory(bufferDraw_, bufferExtras_);
      changes.stored.push_back(bufferDraw_.qs);
    }
    WriteRow(pos_);
    Exec("RELEASE post");
  } catch (...) {
    RollBackTo("post");
    Reload();
    throw;
  }
  eof_ = bof_ = false;
  state_ = State::Browse;
  editIndex_ = -1;
  for (int32_t qs : changes.removed) NoteRemoved(qs);
  for (int32_t qs : changes.stored) NoteStored(qs);
  TellCommitted();
  return true;
}

void DrawTable::Delete() {
  if (Empty()) return;
  state_ = State::Browse;
  const int32_t qs = draws_[pos_].qs;
  DeleteRowSql(qs);
  EraseRowMemory(pos_);
  if (pos_ >= RecordCount()) pos_ = std::max(0, RecordCount() - 1);
  eof_ = Empty();
  bof_ = Empty();
  NoteRemoved(qs);
  TellCommitted();
}

bool DrawTable::AppendDraw(const Draw& d, std::string* error) {
  Append();
  bufferDraw_ = d;
  if (!Post(error)) {
    Cancel();
    return false;
  }
  UpdateDerivedFields(pos_);
  return true;
}

void DrawTable::PutDraw(const Draw& d) {
  if (LocateDraw(d.qs)) {
    Edit();
    bufferDraw_ = d;
    Post();
    UpdateDerivedFields(pos_);
  } else {
    AppendDraw(d);
  }
}

bool DrawTable::DeleteDraw(int64_t qs) {
  const auto bad =
      std::find_if(badRows_.begin(), badRows_.end(), [&](const BadRow& b) { return b.qs == qs; });
  if (bad != badRows_.end()) {
    DeleteRowSql(qs);
    badRows_.erase(bad);
    return true;
  }
  if (qs < INT32_MIN || qs > INT32_MAX) return false;
  const int i = IndexOf(static_cast<int32_t>(qs));
  if (i < 0) return false;
  const int32_t keepQs = Empty() ? 0 : CurrentDraw().qs;
  const bool wasCurrent = (i == pos_);
  pos_ = i;
  Delete();
  if (!wasCurrent && keepQs != 0) LocateDraw(keepQs);
  return true;
}

int DrawTable::ApplyImport(const std::vector<Draw>& draws, bool overwrite) {
  // An import without draws never empties the history.
  if (draws.empty()) return 0;
  // The batch opens the transaction, so the derived-field batch inside it
  // nests instead of committing the import's savepoint half-way.
  WriteBatch batch(*this);
  Exec("SAVEPOINT import");
  int added = 0;
  DrawChanges changes;
  try {
    if (overwrite) {
      for (const Draw& d : draws_) changes.removed.push_back(d.qs);
      Exec("DELETE FROM basedata");
      draws_.clear();
      extras_.clear();
      badRows_.clear();
      ResetScratchSizes();
    }
    for (const Draw& d : draws) {
      if (IndexOf(d.qs) >= 0) continue;
      const int i = InsertRowMemory(d, DrawExtras{});
      WriteRow(i);
      changes.stored.push_back(d.qs);
      ++added;
    }
    UpdateAllDerivedFields();
    Exec("RELEASE import");
  } catch (...) {
    RollBackTo("import");
    Reload();
    throw;
  }
  for (int32_t qs : changes.removed) NoteRemoved(qs);
  for (int32_t qs : changes.stored) NoteStored(qs);
  state_ = State::Browse;
  Last();
  return added;
}

void DrawTable::NoteStored(int32_t qs) {
  if (qs <= kLastRealQs) pending_.stored.push_back(qs);
}

void DrawTable::NoteRemoved(int32_t qs) {
  if (qs <= kLastRealQs) pending_.removed.push_back(qs);
}

void DrawTable::TellCommitted() {
  if (batchDepth_ > 0 || pending_.Empty()) return;
  DrawChanges told = std::move(pending_);
  pending_ = {};
  for (auto* list : {&told.stored, &told.removed}) {
    std::sort(list->begin(), list->end());
    list->erase(std::unique(list->begin(), list->end()), list->end());
  }
  if (listener_) listener_(told);
}

void DrawTable::BeginBatch() {
  if (batchDepth_++ == 0 && sqlite3_get_autocommit(db_)) Exec("BEGIN");
}

void DrawTable::EndBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0) return;
  if (sqlite3_get_autocommit(db_)) return TellCommitted();  // each write committed itself
  if (const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr); rc != SQLITE_OK) {
    // Nothing of the batch is stored: the rows in memory must say the same.
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    pending_ = {};
    Reload();
    ThrowDb(db_, rc);
  }
  TellCommitted();
}

void DrawTable::AbortBatch() noexcept {
  if (batchDepth_ == 0 || --batchDepth_ > 0) return;
  pending_ = {};
  if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  try {
    Reload();
  } catch (...) {
    // The error that ended the batch is already on its way.
  }
}

void DrawTable::SetColdHotTexts(int index, const std::string* one, const std::string* two,
                                const std::string* three) {
  auto& e = extras_.at(index);
  if (one) e.coldhotbone = *one;
  if (two) e.coldhotbtwo = *two;
  if (three) e.coldhotbthree = *three;
  WriteRow(index);
}

void DrawTable::UpdateDerivedFields(int index) {
  if (index < 0 || index >= RecordCount()) return;
  const int last = std::min(RecordCount() - 1, index + 9);
  for (int i = index; i <= last; ++i) {
    for (int w = 0; w < 5; ++w) {
      int64_t sum = 0;
      int n = 0;
      for (int j = i; j >= 0 && j > i - kAverageWindows[w]; --j, ++n) sum += draws_[j].back[1];
      extras_[i].averages[w] = static_cast<int32_t>(DivRoundHalfEven(sum * 10, n));
    }
    WriteRow(i);
  }
}

void DrawTable::UpdateAllDerivedFields() {
  BeginBatch();
  for (int i = 0; i < RecordCount(); i += 10) UpdateDerivedFields(i);
  EndBatch();
}

// --- forecast record ------------------------------------------------------------

bool DrawTable::DeleteForecast() {
  return DeleteDraw(kForecastQs);
}

void DrawTable::WriteForecast(const Draw& numbers) {
  Draw d = numbers;
  d.qs = kForecastQs;
  PutDraw(d);
}

// --- queries --------------------------------------------------------------------

std::vector<Draw> DrawTable::RepeatedFrontDraws() const {
  // Each draw once (a set drawn three times would pair it twice), the draws
  // of one set side by side, real draws only (the forecast is no draw).
  Statement st(db_,
               "select a.qs,a.red1,a.red2,a.red3,a.red4,a.red5 from basedata as a "
               "where a.qs<=9999997 and exists (select 1 from basedata as b "
               "where b.red1=a.red1 and b.red2=a.red2 and b.red3=a.red3 "
               "and b.red4=a.red4 and b.red5=a.red5 and b.qs<>a.qs and b.qs<=9999997) "
               "order by a.red1,a.red2,a.red3,a.red4,a.red5,a.qs");
  std::vector<Draw> out;
  while (st.Step()) {
    Draw d;
    for (int i = 0; i < 6; ++i) SetFieldOf(d, i, sqlite3_column_int(st.get(), i));
    out.push_back(d);
  }
  return out;
}

}  // namespace dlt
