// Placeholder resolution of the plain number keys, replaced by the catalogue.
#include "indicators/indicator.h"

#include "indicators/compound.h"

namespace dlt {
namespace {

class NumberIndicator : public Indicator {
 public:
  explicit NumberIndicator(int field) : field_(field) {}
  int32_t Value(const EvalContext& ctx) const override {
    const Draw& d = ctx.Current();
    return field_ < 5 ? d.front[field_] : d.back[field_ - 5];
  }

 private:
  int field_;
};

class TestIndicator : public Indicator {
 public:
  int32_t Value(const EvalContext& ctx) const override { return ctx.Test(); }
};

}  // namespace

Resolution ResolveIndicator(std::string_view key) {
  Resolution r;
  if (key == "test") r.indicator = std::make_shared<TestIndicator>();
  for (int i = 0; i < 5; ++i)
    if (key == "z_num" + std::to_string(i + 1)) r.indicator = std::make_shared<NumberIndicator>(i);
  if (key == "f_num1") r.indicator = std::make_shared<NumberIndicator>(5);
  if (key == "f_num2") r.indicator = std::make_shared<NumberIndicator>(6);
  if (!r.indicator)
    if (auto c = ResolveCompound(key)) return *c;
  return r;
}

int32_t IndicatorValue(const EvalContext& ctx, std::string_view key) {
  const Resolution r = ResolveIndicator(key);
  return r.ok() ? r.indicator->Value(ctx) : kNoValue;
}

}  // namespace dlt
