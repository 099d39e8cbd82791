#include "generator/result_list.h"

#include <algorithm>

#include "common/numbers.h"
#include "generator/result_numbers.h"

namespace dlt {

std::string RecordLabel(int n) {
  return "第" + std::to_string(n) + "条";
}

ResultList::ResultList()
    : RecordList(kFrontListCapacity,
                 "主区列表最多只能容纳" + std::to_string(kFrontListCapacity) + "组号码") {}

const std::array<std::string, 6>& ResultList::Header() {
  static const std::array<std::string, 6> kHeader = {"序号",   "主号一", "主号二",
                                                     "主号三", "主号四", "主号五"};
  return kHeader;
}

void ResultList::PriorPage() {
  if (page_ > 1) --page_;
}

void ResultList::NextPage() {
  if (page_ < PageCount()) ++page_;
}

void ResultList::LastPage() {
  page_ = std::max(1, PageCount());
}

int ResultList::RowsOnPage() const {
  if (page_ < 1) return 0;
  const int last = std::min(page_ * kResultPageSize, Count());
  return std::max(0, last - FirstOnPage() + 1);
}

int ResultList::RecordNumberOfRow(int row) const {
  if (row < 1 || row > RowsOnPage()) return 0;
  return FirstOnPage() + row - 1;
}

std::string ResultList::PageInfo() const {
  return "第" + std::to_string(page_) + "页/ " + std::to_string(PageCount()) + "页";
}

std::string ResultList::Caption() const {
  return "超强组号  已得到符合条件的主号组有" + std::to_string(Count()) + "个";
}

std::vector<std::string> ResultList::RowTexts(int row) const {
  const int n = RecordNumberOfRow(row);
  if (n == 0) return {};
  std::vector<std::string> texts{RecordLabel(n)};
  for (const auto number : At(n).numbers) texts.push_back(TwoDigit(number));
  return texts;
}

bool ResultList::AppendCombo(const Combo& c, std::string* error) {
  return Append(FrontRecord{c, 0}, error);
}

bool ResultList::ReplaceCombo(int n, const Combo& c) {
  if (!Valid(n)) return false;
  MutableAt(n).numbers = c;
  return true;
}

bool ResultList::AssignCombos(const std::vector<Combo>& combos, std::string* error) {
  std::vector<FrontRecord> records;
  records.reserve(combos.size());
  for (const auto& c : combos) records.push_back(FrontRecord{c, 0});
  if (!Assign(std::move(records), error)) return false;
  page_ = 1;
  return true;
}

bool ResultList::AppendTyped(const std::array<std::string, 5>& texts, std::string* error) {
  const auto c = ParseCombo(texts, error);
  return c && AppendCombo(*c, error);
}

bool ResultList::ReplaceTyped(int n, const std::array<std::string, 5>& texts, std::string* error) {
  const auto c = ParseCombo(texts, error);
  return c && ReplaceCombo(n, *c);
}

std::vector<Combo> ResultList::Combos() const {
  std::vector<Combo> combos;
  combos.reserve(Items().size());
  for (const auto& r : Items()) combos.push_back(r.numbers);
  return combos;
}

void ResultList::ClearMarks() {
  for (auto& r : MutableItems()) r.mark = 0;
}

}  // namespace dlt
