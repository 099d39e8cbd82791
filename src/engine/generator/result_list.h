#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "generator/combination.h"
#include "generator/record_list.h"

namespace dlt {

// One record of the front result list: the combination and its tolerance
// mark (0 = passed without a tolerated violation; otherwise the number of a
// condition it violated under tolerance; only zero or non-zero matters).
struct FrontRecord {
  Combo numbers{};
  uint8_t mark = 0;

  bool operator==(const FrontRecord&) const = default;
};

// Room for every front combination (324,632) with space to spare for
// hand-added and loaded duplicates.
constexpr int kFrontListCapacity = 400000;
constexpr int kResultPageSize = 10000;

// Messages of the list windows when no row is selected.
inline constexpr const char* kSelectToDeleteMessage = "请先在上边的列表中选择一组需要删除的号码";
inline constexpr const char* kSelectToEditMessage = "请先在上边的列表中选择一组需要修改的号码";
inline constexpr const char* kSelectForForecastMessage = "请先在上边的列表中选择一组号码";

// "第" + n + "条", the record label of every list grid and listing.
std::string RecordLabel(int n);

// The front result list of the generator, shown in pages of 10,000.
// Page 0 means nothing has been shown yet ("第0页/ 0页").
class ResultList : public RecordList<FrontRecord> {
 public:
  ResultList();

  // Grid header: "序号", "主号一" .. "主号五".
  static const std::array<std::string, 6>& Header();

  // --- paging ---------------------------------------------------------------
  int Page() const { return page_; }
  int PageCount() const { return (Count() + kResultPageSize - 1) / kResultPageSize; }
  // Any page number; a page past the end shows no rows.
  void SetPage(int page) { page_ = page; }
  void FirstPage() { page_ = 1; }
  void PriorPage();  // not below 1
  void NextPage();   // not beyond the page count
  void LastPage();   // the page count, page 1 for an empty list
  // Record number of the first row of the current page.
  int FirstOnPage() const { return (page_ - 1) * kResultPageSize + 1; }
  // Rows of the current page; 0 for an empty list or a page past the end
  // (deleting the only record of the last page leaves such a page shown).
  int RowsOnPage() const;
  // Record number of grid row `row` (1-based) of the current page, or 0 when
  // the row is not on the page.
  int RecordNumberOfRow(int row) const;
  // "第" + page + "页/ " + page count + "页".
  std::string PageInfo() const;
  // "超强组号  已得到符合条件的主号组有" + count + "个".
  std::string Caption() const;
  // The grid texts of row `row` of the current page: "第n条" and the five
  // numbers with two digits. Empty when the row is not on the page.
  std::vector<std::string> RowTexts(int row) const;

  // --- editing (record numbers are 1-based) -----------------------------------
  // Appends with mark 0; refused when full.
  bool AppendCombo(const Combo& c, std::string* error = nullptr);
  // Replaces the numbers of record n, keeping its mark.
  bool ReplaceCombo(int n, const Combo& c);
  // Replaces the list by `combos` (marks 0) and goes to page 1; refused
  // (list unchanged) beyond the capacity.
  bool AssignCombos(const std::vector<Combo>& combos, std::string* error = nullptr);
  // The combination dialog's five edit texts, checked and sorted first; a
  // bad text changes nothing and `error` says why.
  bool AppendTyped(const std::array<std::string, 5>& texts, std::string* error);
  bool ReplaceTyped(int n, const std::array<std::string, 5>& texts, std::string* error);
  std::vector<Combo> Combos() const;
  // Sets every mark to 0 (a new filter starts with clean marks).
  void ClearMarks();

 private:
  int page_ = 0;
};

}  // namespace dlt
