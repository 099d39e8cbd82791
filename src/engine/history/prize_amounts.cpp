#include "history/prize_amounts.h"

#include "common/text.h"
#include "history/draw_table.h"
#include "history/sqlite_statement.h"

namespace dlt {
namespace {

constexpr const char* kCreateSql =
    "CREATE TABLE IF NOT EXISTS prizeamounts ("
    "qs INTEGER NOT NULL, position INTEGER NOT NULL, name TEXT NOT NULL, "
    "level INTEGER NOT NULL, additional INTEGER NOT NULL, winners INTEGER, amount INTEGER, "
    "PRIMARY KEY (qs, position))";

// The tiers a name can give: 一等奖 .. 十等奖.
constexpr int kMaxTierLevel = 10;

// More integer digits than any prize or winner count has: the scaled value
// stays far inside int64.
constexpr size_t kMaxIntegerDigits = 13;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "1234567" or "1,234,567" (groups of three after the first one to three
// digits); the digits without separators, or nullopt.
std::optional<std::string> IntegerDigits(std::string_view s) {
  std::string digits;
  if (s.find(',') == std::string_view::npos) {
    for (char c : s)
      if (!IsDigit(c)) return std::nullopt;
    digits = s;
  } else {
    const size_t first = s.find(',');
    if (first == 0 || first > 3) return std::nullopt;
    for (size_t i = 0; i < s.size(); ++i) {
      const bool separatorPlace = i >= first && (i - first) % 4 == 0;
      if (separatorPlace ? s[i] != ',' : !IsDigit(s[i])) return std::nullopt;
      if (!separatorPlace) digits += s[i];
    }
    if ((s.size() - first) % 4 != 0) return std::nullopt;  // a short last group
  }
  if (digits.empty() || digits.size() > kMaxIntegerDigits) return std::nullopt;
  return digits;
}

int64_t ColumnInteger(sqlite3_stmt* st, int col, int32_t qs) {
  if (sqlite3_column_type(st, col) != SQLITE_INTEGER)
    throw DbError("第" + std::to_string(qs) + "期的奖金记录已损坏");
  return sqlite3_column_int64(st, col);
}

std::optional<int64_t> ColumnOptional(sqlite3_stmt* st, int col, int32_t qs) {
  if (sqlite3_column_type(st, col) == SQLITE_NULL) return std::nullopt;
  return ColumnInteger(st, col, qs);
}

void BindOptional(sqlite3_stmt* st, int index, const std::optional<int64_t>& v) {
  if (v)
    sqlite3_bind_int64(st, index, *v);
  else
    sqlite3_bind_null(st, index);
}

}  // namespace

const PrizeTier* DrawPrizes::Tier(int level, bool additional) const {
  for (const PrizeTier& t : tiers)
    if (t.level == level && t.additional == additional) return &t;
  return nullptr;
}

std::optional<int64_t> DrawPrizes::AmountFen(int level, bool additional) const {
  const PrizeTier* t = Tier(level, additional);
  return t ? t->amountFen : std::nullopt;
}

void ReadTierName(std::string_view name, int* level, bool* additional) {
  *level = 0;
  *additional = false;
  for (int tier = 1; tier <= kMaxTierLevel; ++tier) {
    const std::string numeral = ChineseNumeral(tier);
    if (!name.starts_with(numeral)) continue;
    std::string_view rest = name.substr(numeral.size());
    if (!rest.starts_with("等奖")) return;
    rest.remove_prefix(std::string_view("等奖").size());
    if (rest.empty()) {
      *level = tier;
    } else if (rest == "(追加)" || rest == "（追加）") {
      *level = tier;
      *additional = true;
    }
    return;
  }
}

bool ReadPrizeFigure(std::string_view text, int decimals, std::optional<int64_t>* value) {
  text = Trim(text);
  if (text.empty() || text == "---" || text == "-1") {
    *value = std::nullopt;
    return true;
  }
  std::string_view fraction;
  if (const size_t dot = text.find('.'); dot != std::string_view::npos) {
    fraction = text.substr(dot + 1);
    text = text.substr(0, dot);
    if (fraction.empty() || fraction.size() > static_cast<size_t>(decimals)) return false;
    for (char c : fraction)
      if (!IsDigit(c)) return false;
  }
  const auto digits = IntegerDigits(text);
  if (!digits) return false;
  int64_t v = 0;
  for (char c : *digits) v = v * 10 + (c - '0');
  for (int i = 0; i < decimals; ++i)
    v = v * 10 + (static_cast<size_t>(i) < fraction.size() ? fraction[i] - '0' : 0);
  *value = v;
  return true;
}

std::string FormatFen(int64_t fen) {
  std::string yuan = std::to_string(fen / 100);
  const int64_t cents = fen % 100;
  if (cents == 0) return yuan;
  return yuan + "." + static_cast<char>('0' + cents / 10) + static_cast<char>('0' + cents % 10);
}

PrizeAmounts::PrizeAmounts(DrawTable& table) : table_(table) {
  ExecSql(table_.Database(), kCreateSql);
}

std::optional<DrawPrizes> PrizeAmounts::Read(int32_t qs) const {
  Statement st(table_.Database(),
               "SELECT name, level, additional, winners, amount FROM prizeamounts "
               "WHERE qs = ? ORDER BY position");
  sqlite3_bind_int(st.get(), 1, qs);
  DrawPrizes out;
  out.qs = qs;
  while (st.Step()) {
    PrizeTier t;
    if (sqlite3_column_type(st.get(), 0) != SQLITE_TEXT)
      throw DbError("第" + std::to_string(qs) + "期的奖金记录已损坏");
    t.name = reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0));
    t.level = static_cast<int>(ColumnInteger(st.get(), 1, qs));
    t.additional = ColumnInteger(st.get(), 2, qs) != 0;
    t.winners = ColumnOptional(st.get(), 3, qs);
    t.amountFen = ColumnOptional(st.get(), 4, qs);
    out.tiers.push_back(std::move(t));
  }
  if (out.tiers.empty()) return std::nullopt;
  return out;
}

std::vector<int32_t> PrizeAmounts::StoredDraws() const {
  Statement st(table_.Database(), "SELECT DISTINCT qs FROM prizeamounts ORDER BY qs");
  std::vector<int32_t> out;
  while (st.Step()) out.push_back(sqlite3_column_int(st.get(), 0));
  return out;
}

void PrizeAmounts::Write(const DrawPrizes& prizes) {
  // One tier list replaces the other whole: a savepoint keeps the draw
  // from ending with half of each when a write fails.
  sqlite3* db = table_.Database();
  ExecSql(db, "SAVEPOINT prizes");
  try {
    Erase(prizes.qs);
    Statement st(
        db,
        "INSERT INTO prizeamounts (qs, position, name, level, additional, winners, amount) "
        "VALUES (?,?,?,?,?,?,?)");
    for (size_t i = 0; i < prizes.tiers.size(); ++i) {
      const PrizeTier& t = prizes.tiers[i];
      sqlite3_reset(st.get());
      sqlite3_bind_int(st.get(), 1, prizes.qs);
      sqlite3_bind_int64(st.get(), 2, static_cast<int64_t>(i));
      sqlite3_bind_text(st.get(), 3, t.name.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_int(st.get(), 4, t.level);
      sqlite3_bind_int(st.get(), 5, t.additional ? 1 : 0);
      BindOptional(st.get(), 6, t.winners);
      BindOptional(st.get(), 7, t.amountFen);
      st.Step();
    }
    ExecSql(db, "RELEASE prizes");
  } catch (...) {
    RollBackToSavepoint(db, "prizes");
    throw;
  }
}

bool PrizeAmounts::Erase(int32_t qs) {
  Statement st(table_.Database(), "DELETE FROM prizeamounts WHERE qs = ?");
  sqlite3_bind_int(st.get(), 1, qs);
  st.Step();
  return sqlite3_changes(table_.Database()) > 0;
}

}  // namespace dlt
