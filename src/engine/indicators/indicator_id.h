#pragma once

#include <cstdint>

namespace dlt {

// Every base indicator of the catalogue, in catalogue order: the front zone,
// the eight small/big sums, the lines, the back zone. The enumerators carry
// the keys' own names so that code reads like the keys it stands for.
enum class BaseId : uint8_t {
  // clang-format off
  z_num1, z_num2, z_num3, z_num4, z_num5,
  z_num1_w, z_num2_w, z_num3_w, z_num4_w, z_num5_w,
  z_hz, z_hw, z_wh, z_aver,
  z_jshe, z_oshe, z_zshe, z_hshe,
  z_dxqdshe, z_dxqxshe, z_dzxqdshe, z_dzxqzshe, z_dzxqxshe,
  z_c3yshe, z_c4yshe, z_c5yshe,
  z_0lhe, z_1lhe, z_2lhe,
  z_gwhe,
  z_dsgs, z_jsgs, z_zsgs, z_cmgs, z_wzgs, z_lmzs, z_maxlh, z_nmzs, z_ac,
  z_zdjj, z_zxjj, z_jjgs,
  z_c3y0, z_c3y1, z_c3y2,
  z_c4y0, z_c4y1, z_c4y2, z_c4y3,
  z_c5y0, z_c5y1, z_c5y2, z_c5y3, z_c5y4,
  z_3fq_1qgs, z_3fq_2qgs, z_3fq_3qgs,
  z_lwr_lmgs, z_lwr_wmgs, z_lwr_rmgs,
  z_gwgs,
  z_jhlx, z_ohlx, z_zhlx, z_hhlx,
  z_pd, z_sd, z_ylhz,
  z_xjhe, z_djhe, z_xohe, z_dohe, z_xzhe, z_dzhe, z_xhhe, z_dhhe,
  xh21, xh32, xh43, xh54, xh31, xh42, xh53, xh41, xh52, xh51,
  xc21, xc32, xc43, xc54, xc31, xc42, xc53, xc41, xc52, xc51,
  f_num1, f_num2, f_hz, f_cz, f_aver, f_pd, f_sd,
  // clang-format on
  kCount
};
constexpr int kBaseIndicatorCount = static_cast<int>(BaseId::kCount);

// How a catalogue row derives its value from its base indicator.
enum class Family : uint8_t {
  Base,               // the base value itself
  Amplitude,          // "zf": change against the previous draw
  Omission,           // "yl": draws since the value last occurred
  GlobalOmission,     // "yl_toall": draws since the number appeared at any position
  OmissionAmplitude,  // "ylzf": change of the omission against the previous draw
};

// The id a catalogue key resolves to: a family over a base indicator. For
// the global omission the base is z_num1..z_num5, naming the position.
struct IndicatorRef {
  Family family = Family::Base;
  BaseId base = BaseId::z_num1;
  bool operator==(const IndicatorRef&) const = default;
};

}  // namespace dlt
