#include "generator/back_list.h"

#include "common/numbers.h"
#include "generator/result_list.h"

namespace dlt {

BackList::BackList()
    : RecordList(kBackListCapacity,
                 "副区列表最多只能容纳" + std::to_string(kBackListCapacity) + "组号码") {}

const std::array<std::string, 3>& BackList::Header() {
  static const std::array<std::string, 3> kHeader = {"序号", "副号一", "副号二"};
  return kHeader;
}

std::string BackList::Caption() const {
  return "超强组号  已得到符合条件的副号组有" + std::to_string(Count()) + "个";
}

std::vector<std::string> BackList::RowTexts(int k) const {
  if (!Valid(k)) return {};
  const BackPair& p = At(k);
  return {RecordLabel(k), TwoDigit(p[0]), TwoDigit(p[1])};
}

int BackList::RecordForForecast(int row) const {
  if (Empty()) return 0;
  return Valid(row) ? row : 1;
}

bool BackList::AppendTyped(const std::array<std::string, 2>& texts, std::string* error) {
  const auto p = ParseBackPair(texts, error);
  return p && Append(*p, error);
}

bool BackList::ReplaceTyped(int k, const std::array<std::string, 2>& texts, std::string* error) {
  const auto p = ParseBackPair(texts, error);
  return p && Replace(k, *p);
}

}  // namespace dlt
