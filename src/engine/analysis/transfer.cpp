#include "analysis/transfer.h"

#include <algorithm>

#include "common/numbers.h"

namespace dlt {

TransferValues AllowedValues(const TransferOptions& o, int32_t lastBaseValue) {
  TransferValues t;
  if (!o.min || !o.max) {
    t.error = kTransferBoundsEmpty;
    return t;
  }
  if (*o.min > *o.max) {
    t.error = kTransferBoundsReversed;
    return t;
  }
  for (int64_t n = *o.min; n <= *o.max; ++n) {
    const auto v = static_cast<int32_t>(n);
    if (o.rise && (v > lastBaseValue) != *o.rise) continue;
    if (o.odd && (v % 2 != 0) != *o.odd) continue;
    if (o.prime && IsPrime(v) != *o.prime) continue;
    t.values.push_back(v);
  }
  return t;
}

std::string TransferFormula(const std::string& text, const RunBaseChoice& base) {
  switch (base.kind) {
    case RunBase::Amplitude:
      return "getzf(" + text + ")";
    case RunBase::Omission:
      return "getylz(" + text + ")";
    case RunBase::OmissionAmplitude:
      return "getylzzf(" + text + ")";
    case RunBase::Tail:
      return text + "%10";
    case RunBase::Remainder:
      return text + "%" + std::to_string(std::clamp(base.divisor, 2, 20));
    case RunBase::Regular:
      break;
  }
  return text;
}

std::string AnalysedText(const std::string& key, const std::string& formula) {
  return key.empty() ? formula : key;
}

}  // namespace dlt
