#pragma once

#include <array>
#include <string>
#include <vector>

#include "generator/record_list.h"
#include "generator/result_numbers.h"

namespace dlt {

constexpr int kTicketListCapacity = 50000;

// The two-zone list: complete tickets with their prize byte; no pages.
class TicketList : public RecordList<Ticket> {
 public:
  TicketList();

  // Grid header: "序号", "主号一" .. "主号五", "副号一", "副号二", and
  // "中奖情况" in the ninth column shown after a prize check.
  static const std::array<std::string, 9>& Header();
  // "超强组号  已得到双区组合数有" + count + "个".
  std::string Caption() const;
  // Grid row k: "第k条" and the seven numbers with two digits; with
  // `withPrize` the prize text follows. Empty when k is not a record.
  std::vector<std::string> RowTexts(int k, bool withPrize = false) const;
  // The seven typed texts (five front, two back), checked and sorted per
  // zone first; a bad text changes nothing. The ticket's prize becomes 0.
  bool AppendTyped(const std::array<std::string, 7>& texts, std::string* error);
  bool ReplaceTyped(int k, const std::array<std::string, 7>& texts, std::string* error);
};

}  // namespace dlt
