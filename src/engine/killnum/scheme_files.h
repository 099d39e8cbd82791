#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "killnum/kill_kind.h"

namespace dlt {

constexpr int kSchemeCount = 10;  // 方案一 .. 方案十
constexpr const char* kDefaultKillFormula = "[-1]z_hw";

// A kind's schemes: formula slots per scheme, the range and default of the
// tab's formula count, and the file under save/ (custom kill: none fixed).
struct SchemeLayout {
  KillKind kind;
  int slotCount;
  int defaultCount;
  const char* file;  // relative to the data folder; empty for custom kill
};
const SchemeLayout& LayoutOf(KillKind kind);

// Ten schemes of formula texts, 1-based scheme and slot numbers.
class SchemeBook {
 public:
  explicit SchemeBook(int slotCount);

  int Slots() const { return slots_; }
  const std::string& Formula(int scheme, int slot) const;
  void SetFormula(int scheme, int slot, std::string text);
  // Slots 1..count of a scheme.
  std::vector<std::string> Scheme(int scheme, int count) const;
  // Writes the texts into slots 1, 2, ... of a scheme, never past its last
  // slot; returns how many were placed.
  int Fill(int scheme, std::span<const std::string> texts);
  // Every slot of scheme 1, then of scheme 2, ...: the file's lines.
  const std::vector<std::string>& Lines() const { return lines_; }
  // Takes the lines of a file: short files are completed with the default
  // formula, lines beyond the last slot of scheme 10 are ignored.
  void Assign(std::span<const std::string> lines, size_t from = 0);

 private:
  size_t Index(int scheme, int slot) const;
  int slots_;
  std::vector<std::string> lines_;
};

// Reads a kind's scheme file (one formula per line, surrounding blanks
// dropped). A missing file is first written with the default formula in
// every slot. Nullopt with a message when it cannot be read or written.
std::optional<SchemeBook> LoadSchemeFile(const std::string& path, int slotCount,
                                         std::string* error = nullptr);
bool SaveSchemeFile(const std::string& path, const SchemeBook& book, std::string* error = nullptr);

// A custom kill set (*.scs): the indicator formula whose values are killed,
// the lowest and highest value of interest, then ten schemes of 100 formulas.
// A formula that can never be computed (a misspelt name) refuses the file
// with its line named, as in formula sets.
struct CustomKillSet {
  std::string indicator = "z_hw";
  int32_t from = 0;
  int32_t to = 9;
  SchemeBook book = SchemeBook(100);
};
std::optional<CustomKillSet> LoadCustomKillSet(const std::string& path,
                                               std::string* error = nullptr);
bool SaveCustomKillSet(const std::string& path, const CustomKillSet& set,
                       std::string* error = nullptr);

// Formula set files: one formula per line. Blank lines hold no formula and
// are skipped. A formula that can never be computed (CheckExpression: a
// misspelt name, a bad bracket) refuses the file: "第3行: 公式有误:foo指标不存在".
std::optional<std::vector<std::string>> LoadFormulaSet(const std::string& path,
                                                       std::string* error = nullptr);
bool SaveFormulaSet(const std::string& path, std::span<const std::string> formulas,
                    std::string* error = nullptr);

// The name a save dialog's answer is written under: the extension (".scs")
// appended unless the name already contains it, as WithTxtExtension does
// for ".txt".
std::string WithExtension(std::string name, std::string_view extension);

}  // namespace dlt
