#include "generator/kill_transfer.h"

#include <algorithm>

#include "generator/condition_set.h"

namespace dlt {
namespace {

bool Refuse(std::string* error, const char* message) {
  if (error) *error = message;
  return false;
}

}  // namespace

bool ApplyKillTransfer(ConditionSet& set, const KillTransfer& t, std::string* error) {
  const std::vector<int> numbers(t.list.begin(), t.list.end());
  switch (t.kind) {
    case KillKind::FrontKill:
    case KillKind::BackKill: {
      const bool front = t.kind == KillKind::FrontKill;
      std::vector<int> pool = front ? set.PoolNumbers() : set.Back().PoolNumbers();
      std::erase_if(pool, [&](int n) { return std::ranges::count(numbers, n) > 0; });
      return front ? set.SetPool(pool, error) : set.Back().SetPool(pool, error);
    }
    case KillKind::FrontBanker:
      if (numbers.size() > ConditionSet::kMaxFrontBankers)
        return Refuse(error, "选择主区胆码不能大于5个");
      return set.SetBankers(numbers, error);
    case KillKind::BackBanker:
      if (numbers.size() > BackConditionSet::kMaxBankers)
        return Refuse(error, "选择副区胆码不能大于2个");
      return set.Back().SetBankers(numbers, error);
    case KillKind::Custom:
      break;
  }
  std::vector<int32_t> allowed;
  for (int64_t v = t.from; v <= t.to; ++v)
    if (!std::ranges::binary_search(t.list, static_cast<int32_t>(v)))
      allowed.push_back(static_cast<int32_t>(v));
  CustomIndicator entry;
  entry.formula = t.indicator;
  auto values = ValueSet::From(std::move(allowed), error);
  if (!values) return false;
  entry.values = std::move(*values);
  return set.AddCustomIndicator(entry, error);
}

}  // namespace dlt
