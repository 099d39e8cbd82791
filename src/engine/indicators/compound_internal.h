#pragma once
// Shared by the files that build the parameterised "c_" keys.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "indicators/indicator.h"

namespace dlt::compound {

// A key's parameter text after its prefix and separator, and the key itself
// for the message of a malformed parameter.
struct KeyParams {
  std::string_view key;
  std::string_view text;
};

// "参数不正确: <key>".
Resolution Malformed(std::string_view key);

// Exactly `count` decimal integers separated by "_"; nullopt otherwise.
std::optional<std::vector<int32_t>> ParseNumbers(std::string_view text, size_t count);

// The style parameter t: 0 for a count, 1 for a sum.
inline bool IsStyle(int32_t t) {
  return t == 0 || t == 1;
}

// Counts and sums of the keys are kept in 8 bits.
inline int32_t Byte(int64_t v) {
  return static_cast<int32_t>(v & 0xFF);
}

template <class F>
class LambdaIndicator final : public Indicator {
 public:
  explicit LambdaIndicator(F f) : f_(std::move(f)) {}
  int32_t Value(const EvalContext& ctx) const override { return f_(ctx); }

 private:
  F f_;
};

template <class F>
Resolution Make(F f) {
  return Resolution{std::make_shared<LambdaIndicator<F>>(std::move(f)), {}};
}

// Families of compound_counts.cpp.
Resolution PairDifference(const KeyParams& p);   // c_cz_N
Resolution PairSum(const KeyParams& p);          // c_hz_N
Resolution CrossDifference(const KeyParams& p);  // c_xw_cz_N
Resolution CrossSum(const KeyParams& p);         // c_xw_hz_N
Resolution OmissionRange(const KeyParams& p);    // c_ylz_t_lo_hi
Resolution ZoneNumbers(const KeyParams& p);      // c_fq_t_k_i
Resolution Remainder(const KeyParams& p);        // c_ys_t_m_r
// compound_grid.cpp.
Resolution GridEmptyLines(const KeyParams& p);  // c_hnskhkn_t_c_r
Resolution GridShapeCode(const KeyParams& p);   // c_hnszhxt_t_c_r
// compound_shapes.cpp.
Resolution TwoValueShape(const KeyParams& p);    // c_2zbzh:e1|e2:type
Resolution ThreeValueShape(const KeyParams& p);  // c_3zbzh:e1|e2|e3:type
// compound_derived.cpp.
Resolution AppearanceRange(const KeyParams& p);    // c_lwr_N_lo_hi
Resolution SimilarDraws(const KeyParams& p);       // c_same_0_N_k
Resolution GapRepeats(const KeyParams& p);         // c_gqch_t_lo_hi
Resolution SamePositionClass(const KeyParams& p);  // c_twyc_t_j_g

}  // namespace dlt::compound
