#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "indicators/eval_context.h"
#include "indicators/indicator_id.h"

namespace dlt {

// The value by name of a key that does not resolve; stored conditions rely on it.
constexpr int32_t kNoValue = -999;

// The computation behind a key, resolved once so that hot paths never
// compare strings.
class Indicator {
 public:
  virtual ~Indicator() = default;
  virtual int32_t Value(const EvalContext& ctx) const = 0;
  // The catalogue id behind a catalogue key, so that a filter engine can
  // switch to the plain computations of base_indicators.h; nullopt otherwise.
  virtual std::optional<IndicatorRef> CatalogueRef() const { return std::nullopt; }
};
using IndicatorPtr = std::shared_ptr<const Indicator>;

struct Resolution {
  IndicatorPtr indicator;  // null when the key does not resolve
  std::string error;       // set for a malformed parameter: "参数不正确: c_cz_x"
  bool ok() const { return indicator != nullptr; }
};

// Resolves a key in the order: `test`, base / line / back-zone keys, the
// amplitude, omission, global omission and omission-amplitude families,
// then the parameterised "c_" keys. Results are cached; thread-safe.
Resolution ResolveIndicator(std::string_view key);

// IndicatorValue(source, key): the value at the context's draw, or -999
// when the key does not resolve.
int32_t IndicatorValue(const EvalContext& ctx, std::string_view key);

}  // namespace dlt
