#include "generator/ticket_list.h"

#include "common/numbers.h"
#include "generator/prizes.h"
#include "generator/result_list.h"

namespace dlt {

TicketList::TicketList()
    : RecordList(kTicketListCapacity,
                 "双区列表最多只能容纳" + std::to_string(kTicketListCapacity) + "注号码") {}

const std::array<std::string, 9>& TicketList::Header() {
  static const std::array<std::string, 9> kHeader = {
      "序号", "主号一", "主号二", "主号三", "主号四", "主号五", "副号一", "副号二", "中奖情况"};
  return kHeader;
}

std::string TicketList::Caption() const {
  return "超强组号  已得到双区组合数有" + std::to_string(Count()) + "个";
}

std::vector<std::string> TicketList::RowTexts(int k, bool withPrize) const {
  if (!Valid(k)) return {};
  const Ticket& t = At(k);
  std::vector<std::string> texts{RecordLabel(k)};
  for (const auto n : t.front) texts.push_back(TwoDigit(n));
  for (const auto n : t.back) texts.push_back(TwoDigit(n));
  if (withPrize) texts.emplace_back(PrizeText(t.prize));
  return texts;
}

bool TicketList::AppendTyped(const std::array<std::string, 7>& texts, std::string* error) {
  const auto t = ParseTicket(texts, error);
  return t && Append(*t, error);
}

bool TicketList::ReplaceTyped(int k, const std::array<std::string, 7>& texts, std::string* error) {
  const auto t = ParseTicket(texts, error);
  return t && Replace(k, *t);
}

}  // namespace dlt
