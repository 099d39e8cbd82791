#include "killnum/scheme_files.h"

#include <charconv>
#include <filesystem>

#include "common/gbk_text.h"
#include "common/text.h"
#include "formula/formula_check.h"
#include "indicators/catalogue.h"

namespace dlt {
namespace {

constexpr SchemeLayout kLayouts[] = {
    {KillKind::FrontKill, 60, 10, "save/hmsh.txt"},
    {KillKind::BackKill, 25, 5, "save/lmsh.txt"},
    {KillKind::FrontBanker, 15, 5, "save/hmtd.txt"},
    {KillKind::BackBanker, 10, 2, "save/fqtd.txt"},
    {KillKind::Custom, 100, 20, ""},
};

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

// A formula of a file that can never be computed (a misspelt name scores
// every row as held) refuses the file, naming its line (1-based).
bool CheckFormulaLine(const std::string& line, size_t index, std::string* error) {
  const auto problem = CheckExpression(line);
  if (problem) SetError(error, "第" + std::to_string(index + 1) + "行: " + *problem);
  return !problem;
}

}  // namespace

const SchemeLayout& LayoutOf(KillKind kind) {
  for (const SchemeLayout& l : kLayouts)
    if (l.kind == kind) return l;
  return kLayouts[0];
}

SchemeBook::SchemeBook(int slots)
    : slots_(slots), lines_(static_cast<size_t>(slots * kSchemeCount), kDefaultKillFormula) {}

size_t SchemeBook::Index(int scheme, int slot) const {
  return static_cast<size_t>((scheme - 1) * slots_ + (slot - 1));
}

const std::string& SchemeBook::Formula(int scheme, int slot) const {
  return lines_.at(Index(scheme, slot));
}

void SchemeBook::SetFormula(int scheme, int slot, std::string text) {
  lines_.at(Index(scheme, slot)) = std::move(text);
}

std::vector<std::string> SchemeBook::Scheme(int scheme, int count) const {
  std::vector<std::string> out;
  for (int slot = 1; slot <= count && slot <= slots_; ++slot) out.push_back(Formula(scheme, slot));
  return out;
}

int SchemeBook::Fill(int scheme, std::span<const std::string> texts) {
  int placed = 0;
  for (const std::string& t : texts) {
    if (placed == slots_) break;
    SetFormula(scheme, ++placed, t);
  }
  return placed;
}

void SchemeBook::Assign(std::span<const std::string> lines, size_t from) {
  for (size_t i = 0; i < lines_.size(); ++i)
    lines_[i] = from + i < lines.size() ? std::string(Trim(lines[from + i])) : kDefaultKillFormula;
}

std::optional<SchemeBook> LoadSchemeFile(const std::string& path, int slots, std::string* error) {
  SchemeBook book(slots);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    if (!SaveSchemeFile(path, book, error)) return std::nullopt;
  }
  const auto lines = ReadTextLines(path, error);
  if (!lines) return std::nullopt;
  book.Assign(*lines);
  return book;
}

bool SaveSchemeFile(const std::string& path, const SchemeBook& book, std::string* error) {
  return WriteGbkLines(path, book.Lines(), error);
}

KillValueRange KillableValues(const std::string& indicator) {
  if (const tsetaccostr* row = FindCatalogueRow(indicator)) return {row->min, row->max};
  return {};
}

std::string KillRangeError(const std::string& indicator, int64_t from, int64_t to) {
  const KillValueRange allowed = KillableValues(indicator);
  if (from <= to && from >= allowed.lo && to <= allowed.hi) return {};
  return "取值范围" + std::to_string(from) + "到" + std::to_string(to) + "不对，" + indicator +
         "的取值范围应在" + std::to_string(allowed.lo) + "到" + std::to_string(allowed.hi) +
         "之间，且最小值不大于最大值";
}

std::optional<CustomKillSet> LoadCustomKillSet(const std::string& path, std::string* error) {
  const auto lines = ReadTextLines(path, error);
  if (!lines) return std::nullopt;
  CustomKillSet set;
  const std::optional<int32_t> from =
      lines->size() > 1 ? IntegerOfText<int32_t>(Trim((*lines)[1])) : std::nullopt;
  const std::optional<int32_t> to =
      lines->size() > 2 ? IntegerOfText<int32_t>(Trim((*lines)[2])) : std::nullopt;
  if (lines->empty() || Trim((*lines)[0]).empty() || !from || !to) {
    SetError(error, "不是自定义杀号存储文件：前三行应是指标、最小值和最大值");
    return std::nullopt;
  }
  for (size_t i = 0; i < lines->size(); ++i)
    if ((i == 0 || i > 2) && !Trim((*lines)[i]).empty() && !CheckFormulaLine((*lines)[i], i, error))
      return std::nullopt;
  set.indicator = Trim((*lines)[0]);
  if (std::string why = KillRangeError(set.indicator, *from, *to); !why.empty()) {
    SetError(error, "自定义杀号存储文件有误：" + why);
    return std::nullopt;
  }
  set.from = *from;
  set.to = *to;
  set.book.Assign(*lines, 3);
  return set;
}

bool SaveCustomKillSet(const std::string& path, const CustomKillSet& set, std::string* error) {
  std::vector<std::string> lines = {set.indicator, std::to_string(set.from),
                                    std::to_string(set.to)};
  lines.insert(lines.end(), set.book.Lines().begin(), set.book.Lines().end());
  return WriteGbkLines(path, lines, error);
}

std::optional<std::vector<std::string>> LoadFormulaSet(const std::string& path,
                                                       std::string* error) {
  const auto lines = ReadTextLines(path, error);
  if (!lines) return std::nullopt;
  std::vector<std::string> formulas;
  for (size_t i = 0; i < lines->size(); ++i) {
    std::string t(Trim((*lines)[i]));
    if (t.empty()) continue;
    if (!CheckFormulaLine(t, i, error)) return std::nullopt;
    formulas.push_back(std::move(t));
  }
  return formulas;
}

bool SaveFormulaSet(const std::string& path, std::span<const std::string> formulas,
                    std::string* error) {
  return WriteGbkLines(path, std::vector<std::string>(formulas.begin(), formulas.end()), error);
}

std::string WithExtension(std::string name, std::string_view extension) {
  if (name.find(extension) == std::string::npos) name += extension;
  return name;
}

}  // namespace dlt
