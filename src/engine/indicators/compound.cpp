#include "indicators/compound.h"

#include <charconv>

#include "common/text.h"
#include "indicators/compound_internal.h"

namespace dlt {
namespace compound {

Resolution Malformed(std::string_view key) {
  Resolution r;
  r.error = "参数不正确: " + std::string(key);
  return r;
}

std::optional<std::vector<int32_t>> ParseNumbers(std::string_view text, size_t count) {
  std::vector<int32_t> out;
  for (;;) {
    const size_t cut = text.find('_');
    const auto v = IntegerOfText<int32_t>(text.substr(0, cut));
    if (!v) return std::nullopt;
    out.push_back(*v);
    if (cut == std::string_view::npos) break;
    text.remove_prefix(cut + 1);
  }
  if (out.size() != count) return std::nullopt;
  return out;
}

}  // namespace compound

namespace {

using Builder = Resolution (*)(const compound::KeyParams&);

struct Prefix {
  std::string_view text;
  Builder build;
};

// The search order. A later prefix only matters when no earlier one occurs
// anywhere in the key; none of the derived-series keys ("c_lwr", "c_same",
// "c_gqch", "c_twyc" followed by numbers) contains an earlier prefix.
constexpr Prefix kPrefixes[] = {
    {"c_cz", compound::PairDifference},      {"c_hz", compound::PairSum},
    {"c_xw_cz", compound::CrossDifference},  {"c_xw_hz", compound::CrossSum},
    {"c_ylz", compound::OmissionRange},      {"c_fq", compound::ZoneNumbers},
    {"c_hnskhkn", compound::GridEmptyLines}, {"c_hnszhxt", compound::GridShapeCode},
    {"c_ys", compound::Remainder},           {"c_2zbzh", compound::TwoValueShape},
    {"c_3zbzh", compound::ThreeValueShape},  {"c_lwr", compound::AppearanceRange},
    {"c_same", compound::SimilarDraws},      {"c_gqch", compound::GapRepeats},
    {"c_twyc", compound::SamePositionClass},
};

}  // namespace

const std::vector<std::string_view>& CompoundPrefixes() {
  static const std::vector<std::string_view> list = [] {
    std::vector<std::string_view> v;
    for (const Prefix& p : kPrefixes) v.push_back(p.text);
    return v;
  }();
  return list;
}

std::optional<Resolution> ResolveCompound(std::string_view key) {
  for (const Prefix& p : kPrefixes) {
    const size_t at = key.find(p.text);
    if (at == std::string_view::npos) continue;
    const size_t sep = at + p.text.size();
    if (sep >= key.size() || (key[sep] != '_' && key[sep] != ':')) return compound::Malformed(key);
    return p.build(compound::KeyParams{key, key.substr(sep + 1)});
  }
  return std::nullopt;
}

}  // namespace dlt
