// Combination shapes of two or three formula values.
#include "indicators/compound_shapes.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

#include "common/rounding.h"
#include "common/text.h"
#include "indicators/compound_internal.h"
#include "indicators/shape_names.h"
#include "indicators/statistics.h"

namespace dlt {
namespace {

// Formula values may be negative or large: tails are taken of the absolute
// value and remainders are never negative, so every class is a valid index.
int Tail(int32_t x) {
  return static_cast<int>(std::abs(static_cast<int64_t>(x)) % 10);
}
int Mod3(int32_t x) {
  return static_cast<int>(((static_cast<int64_t>(x) % 3) + 3) % 3);
}
int Odd(int32_t x) {
  return x % 2 != 0 ? 1 : 0;
}
int Prime(int32_t x) {
  if (x == 1) return 1;
  if (x < 2) return 0;
  for (int64_t d = 2; d * d <= x; ++d)
    if (x % d == 0) return 0;
  return 1;
}

bool AnyEqual(int32_t x, std::span<const int32_t> values) {
  return std::find(values.begin(), values.end(), x) != values.end();
}

// 复隔中: 0 repeats the previous draw, 1 the draw before it, else 2.
int Repeat(int32_t x, std::span<const int32_t> back1, std::span<const int32_t> back2) {
  if (AnyEqual(x, back1)) return 0;
  return AnyEqual(x, back2) ? 1 : 2;
}

// 邻孤传: 2 repeats the previous draw, 0 is next to one of its values, else 1.
int Neighbour(int32_t x, std::span<const int32_t> back1) {
  if (AnyEqual(x, back1)) return 2;
  for (int32_t p : back1)
    if (AbsDifference(x, p) == 1) return 0;
  return 1;
}

int ClassOf(int family, int32_t x, std::span<const int32_t> back1, std::span<const int32_t> back2) {
  switch (family) {
    case 0:
      return Odd(x);
    case 1:
      return Prime(x);
    case 2:
      return Tail(x) >= 5 ? 1 : 0;
    case 3:
      return Tail(x) <= 2 ? 0 : Tail(x) <= 5 ? 1 : 2;
    case 4:
      return Mod3(x);
    case 5:
      return Repeat(x, back1, back2);
    default:
      return Neighbour(x, back1);
  }
}

int32_t Wrap(int64_t v) {
  return static_cast<int32_t>(v);
}

// Count of positions whose class equals that of the same formula one draw back.
template <class Class>
int32_t SamePosition(std::span<const int32_t> now, std::span<const int32_t> back1, Class cls) {
  int32_t n = 0;
  for (size_t i = 0; i < now.size(); ++i) n += cls(now[i]) == cls(back1[i]);
  return n;
}

int32_t MoreShapeValue(int type, std::span<const int32_t> v, std::span<const int32_t> back1) {
  const int64_t a = v[0], b = v[1], c = v[2];
  const int64_t ab = std::llabs(a - b), bc = std::llabs(b - c), ac = std::llabs(a - c);
  switch (type) {
    case 14:
      return Wrap(std::llabs(ab - bc));
    case 15:
      return Wrap(a + 2 * b + 3 * c);
    case 16:
      return (ab == bc && bc == ac) ? 1 : (ab == bc || bc == ac || ab == ac) ? 2 : 3;
    case 17: {
      int32_t n = 0;
      for (int32_t x : v) n += AnyEqual(x, back1);
      return n;
    }
    case 18:
      return Wrap(std::max({a - c + 9, ab, bc}));
    case 19:
      return Wrap(std::max({a, b, c}) - std::min({a, b, c}));
    case 20:
      return Wrap((a + b + c) / 3);
    case 21:
      return Wrap(std::max({a, b, c}));
    case 22: {
      // The mean in tenths, rounded to one decimal.
      const int64_t mean10 = DivRoundHalfEven(10 * (a + b + c), 3);
      const int64_t da = std::llabs(10 * a - mean10), db = std::llabs(10 * b - mean10),
                    dc = std::llabs(10 * c - mean10);
      if (da < db && da < dc) return Wrap(a);
      return Wrap(db < dc ? b : c);
    }
    case 23:
      return Wrap(std::min({a, b, c}));
    case 24:
      return Wrap(a + b + c);
    case 25:
      return Wrap((a + b + c) % 10);  // the formula language's remainder
    case 26:
      return SamePosition(v, back1, Odd);
    case 27:
      return SamePosition(v, back1, Prime);
    case 28:
      return SamePosition(v, back1, Mod3);
    case 29:
      return SamePosition(v, back1, [](int32_t x) { return Tail(x) < 5; });
    default:
      return SamePosition(v, back1, [](int32_t x) { return x; });
  }
}

}  // namespace

bool ShapeNeedsEarlierDraws(int type) {
  return (type >= 10 && type <= 13) || type == 17 || type >= 26;
}

int32_t CombinationShapeValue(int type, std::span<const int32_t> now,
                              std::span<const int32_t> back1, std::span<const int32_t> back2) {
  if (!IsClassShape(type)) return MoreShapeValue(type, now, back1);
  const int family = type / 2, k = ShapeClassCount(type);
  // Judges ask this for every candidate: the ordered shapes allocate nothing.
  if (type % 2 == 0) {
    int32_t value = 0;
    for (int32_t x : now) value = value * k + ClassOf(family, x, back1, back2);
    return value;
  }
  std::vector<int> classes;
  for (int32_t x : now) classes.push_back(ClassOf(family, x, back1, back2));
  return UnorderedShapeIndex(std::move(classes), k);
}

namespace compound {
namespace {

class ShapeIndicator final : public Indicator {
 public:
  ShapeIndicator(std::vector<std::shared_ptr<const CompiledFormula>> formulas, int type)
      : formulas_(std::move(formulas)), type_(type) {}

  int32_t Value(const EvalContext& ctx) const override {
    const size_t n = formulas_.size();
    std::array<int32_t, 3> now{}, back1{}, back2{};
    ValuesAt(ctx, now);
    if (ShapeNeedsEarlierDraws(type_)) {
      ValuesAt(ctx.Moved(-1), back1);
      ValuesAt(ctx.Moved(-2), back2);
    }
    return CombinationShapeValue(type_, std::span(now.data(), n), std::span(back1.data(), n),
                                 std::span(back2.data(), n));
  }

 private:
  // A formula that does not evaluate counts as 0.
  void ValuesAt(const EvalContext& ctx, std::array<int32_t, 3>& out) const {
    for (size_t i = 0; i < formulas_.size(); ++i) {
      const FormulaResult r = formulas_[i]->Evaluate(ctx);
      out[i] = r.ok ? r.value : 0;
    }
  }

  std::vector<std::shared_ptr<const CompiledFormula>> formulas_;
  int type_;
};

// "e1|e2:type" (or "e1|e2|e3:type"): the formulas end at the first "|"s,
// the type follows the next ":".
Resolution Shape(const KeyParams& p, int arity) {
  std::string_view rest = p.text;
  std::vector<std::shared_ptr<const CompiledFormula>> formulas;
  for (int i = 0; i + 1 < arity; ++i) {
    const size_t bar = rest.find('|');
    if (bar == std::string_view::npos) return Malformed(p.key);
    formulas.push_back(FormulaForText(rest.substr(0, bar)));
    rest.remove_prefix(bar + 1);
  }
  const size_t colon = rest.find(':');
  if (colon == std::string_view::npos) return Malformed(p.key);
  const auto type = IntegerOfText<int32_t>(rest.substr(colon + 1));
  if (!type || *type < 0 || *type >= ShapeTypeCount(arity)) return Malformed(p.key);
  formulas.push_back(FormulaForText(rest.substr(0, colon)));
  return Resolution{std::make_shared<ShapeIndicator>(std::move(formulas), *type), {}};
}

}  // namespace

Resolution TwoValueShape(const KeyParams& p) {
  return Shape(p, 2);
}
Resolution ThreeValueShape(const KeyParams& p) {
  return Shape(p, 3);
}

}  // namespace compound
}  // namespace dlt
