#pragma once

#include <array>
#include <string>
#include <vector>

#include "generator/record_list.h"
#include "generator/result_numbers.h"

namespace dlt {

constexpr int kBackListCapacity = 100;

// The back result list: pairs of back numbers, smaller first; no pages.
class BackList : public RecordList<BackPair> {
 public:
  BackList();

  // Grid header: "序号", "副号一", "副号二".
  static const std::array<std::string, 3>& Header();
  // "超强组号  已得到符合条件的副号组有" + count + "个".
  std::string Caption() const;
  // Grid row k: "第k条" and the two numbers in plain decimal. Empty when k
  // is not a record.
  std::vector<std::string> RowTexts(int k) const;
  // The pair the forecast takes: row k when it is a record, else record 1;
  // 0 when the list is empty.
  int RecordForForecast(int row) const;
  // The pair typed into the dialog's two back edits, checked and sorted
  // first; a bad text changes nothing.
  bool AppendTyped(const std::array<std::string, 2>& texts, std::string* error);
  bool ReplaceTyped(int k, const std::array<std::string, 2>& texts, std::string* error);
};

}  // namespace dlt
