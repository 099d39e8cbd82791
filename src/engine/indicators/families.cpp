#include "indicators/families.h"

#include <string>

#include "indicators/base_indicators.h"
#include "indicators/indicator.h"
#include "indicators/statistics.h"

namespace dlt {
namespace {

using B = BaseId;

// The bases with an amplitude row, in catalogue order (z_ylhz comes last
// with a label of its own).
constexpr B kAmplitudeBases[] = {
    B::xh21,      B::xh32,       B::xh43,       B::xh54,       B::xh31,     B::xh42,
    B::xh53,      B::xh41,       B::xh52,       B::xh51,       B::xc21,     B::xc32,
    B::xc43,      B::xc54,       B::xc31,       B::xc42,       B::xc53,     B::xc41,
    B::xc52,      B::xc51,       B::f_hz,       B::f_cz,       B::z_hz,     B::z_hw,
    B::z_wh,      B::z_jshe,     B::z_oshe,     B::z_zshe,     B::z_hshe,   B::z_dxqdshe,
    B::z_dxqxshe, B::z_dzxqdshe, B::z_dzxqzshe, B::z_dzxqxshe, B::z_c3yshe, B::z_c4yshe,
    B::z_c5yshe,  B::z_0lhe,     B::z_1lhe,     B::z_2lhe,     B::z_num1,   B::z_num2,
    B::z_num3,    B::z_num4,     B::z_num5,     B::f_num1,     B::f_num2,   B::z_pd,
    B::z_sd,      B::z_aver,     B::z_dsgs,     B::z_jsgs,     B::z_zsgs,   B::z_cmgs,
    B::z_wzgs,    B::z_lmzs,     B::z_nmzs,     B::z_ac,       B::f_aver,   B::f_pd,
    B::f_sd,
};

struct OmissionBase {
  B base;
  const char* label;  // null: the base label + "遗漏"
  int32_t max;
};
constexpr OmissionBase kOmissionBases[] = {
    {B::z_num1, nullptr, 150}, {B::z_num2, nullptr, 150},        {B::z_num3, nullptr, 150},
    {B::z_num4, nullptr, 150}, {B::z_num5, nullptr, 150},        {B::z_pd, nullptr, 150},
    {B::z_sd, nullptr, 150},   {B::z_aver, "主区均值遗漏", 150}, {B::z_hz, nullptr, 500},
    {B::z_wh, nullptr, 150},   {B::z_hw, nullptr, 50},           {B::f_num1, nullptr, 150},
    {B::f_num2, nullptr, 150},
};

constexpr B kGlobalOmissionBases[] = {B::z_num1, B::z_num2, B::z_num3, B::z_num4, B::z_num5};

CatalogueEntry Entry(std::string key, std::string label, int32_t min, int32_t max, Family family,
                     B base) {
  return {{std::move(key), std::move(label), min, max}, {family, base}};
}

}  // namespace

std::vector<CatalogueEntry> FamilyEntries() {
  std::vector<CatalogueEntry> rows;
  for (B id : kAmplitudeBases) {
    const BaseRow& b = BaseIndicatorRow(id);
    rows.push_back(Entry(std::string(b.key) + "zf", std::string(b.label) + "振幅", 0, b.max,
                         Family::Amplitude, id));
  }
  rows.push_back(Entry("z_ylhzzf", "遗漏和值振幅", 0, 100, Family::Amplitude, B::z_ylhz));

  std::vector<CatalogueEntry> omissions;
  for (const OmissionBase& o : kOmissionBases) {
    const BaseRow& b = BaseIndicatorRow(o.base);
    const std::string label = o.label ? o.label : std::string(b.label) + "遗漏";
    omissions.push_back(
        Entry(std::string(b.key) + "yl", label, 0, o.max, Family::Omission, o.base));
  }
  rows.insert(rows.end(), omissions.begin(), omissions.end());

  for (B id : kGlobalOmissionBases) {
    const BaseRow& b = BaseIndicatorRow(id);
    rows.push_back(Entry(std::string(b.key) + "yl_toall", std::string(b.label) + "全局遗漏", 0, 150,
                         Family::GlobalOmission, id));
  }

  for (const CatalogueEntry& o : omissions)
    rows.push_back(Entry(o.row.key + "zf", o.row.label + "振幅", o.row.min, o.row.max,
                         Family::OmissionAmplitude, o.ref.base));
  return rows;
}

int32_t CatalogueValue(IndicatorRef ref, const EvalContext& ctx) {
  const B id = ref.base;
  if (ref.family == Family::Base) return BaseValue(id, ctx);
  if (ref.family == Family::GlobalOmission)
    return NumberOmission(ctx, static_cast<int>(id) - static_cast<int>(B::z_num1) + 1);
  // A capture of one byte: the function object is stored in place, no allocation.
  const ValueFn base = [id](const EvalContext& c) { return BaseValue(id, c); };
  switch (ref.family) {
    case Family::Amplitude:
      return ValueAmplitude(ctx, base);
    case Family::Omission:
      return ValueOmission(ctx, base);
    case Family::OmissionAmplitude:
      return OmissionAmplitude(ctx, base);
    default:
      return kNoValue;
  }
}

}  // namespace dlt
