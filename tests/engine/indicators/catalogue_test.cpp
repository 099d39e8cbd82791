#include "indicators/catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace dlt {
namespace {

tsetaccostr Row(std::string_view key) {
  const tsetaccostr* r = FindCatalogueRow(key);
  return r ? *r : tsetaccostr{"(missing) " + std::string(key), "", 0, 0};
}

void ExpectRow(std::string_view key, std::string_view label, int32_t min, int32_t max) {
  EXPECT_EQ(Row(key), (tsetaccostr{std::string(key), std::string(label), min, max}));
}

int IndexOf(std::string_view key) {
  const auto c = Catalogue();
  for (size_t i = 0; i < c.size(); ++i)
    if (c[i].row.key == key) return static_cast<int>(i);
  return -1;
}

TEST(Catalogue, KeysAreUniqueAndCounted) {
  std::set<std::string> keys;
  for (const auto& e : Catalogue()) EXPECT_TRUE(keys.insert(e.row.key).second) << e.row.key;
  // 103 base rows, 62 amplitudes, 13 omissions, 5 global omissions, 13 omission amplitudes.
  EXPECT_EQ(Catalogue().size(), 196u);
}

TEST(Catalogue, GroupsComeInOrder) {
  const auto c = Catalogue();
  EXPECT_EQ(c.front().row.key, "z_num1");
  EXPECT_EQ(IndexOf("z_num1_w"), 5);
  EXPECT_EQ(IndexOf("z_ylhz") + 1, IndexOf("z_xjhe"));  // the small/big sums follow the front rows
  EXPECT_EQ(IndexOf("z_dhhe") + 1, IndexOf("xh21"));
  EXPECT_EQ(IndexOf("xh51") + 1, IndexOf("xc21"));
  EXPECT_EQ(IndexOf("xc51") + 1, IndexOf("f_num1"));
  EXPECT_EQ(IndexOf("f_sd") + 1, IndexOf("xh21zf"));  // amplitudes start with the lines
  EXPECT_EQ(IndexOf("xc51zf") + 1, IndexOf("f_hzzf"));
  EXPECT_EQ(IndexOf("f_sdzf") + 1, IndexOf("z_ylhzzf"));
  EXPECT_EQ(IndexOf("z_ylhzzf") + 1, IndexOf("z_num1yl"));
  EXPECT_EQ(IndexOf("f_num2yl") + 1, IndexOf("z_num1yl_toall"));
  EXPECT_EQ(IndexOf("z_num5yl_toall") + 1, IndexOf("z_num1ylzf"));
  EXPECT_EQ(c.back().row.key, "f_num2ylzf");
  // The orders inside the groups.
  EXPECT_LT(IndexOf("z_hz"), IndexOf("z_hw"));
  EXPECT_LT(IndexOf("z_hw"), IndexOf("z_wh"));
  EXPECT_LT(IndexOf("z_gwgs"), IndexOf("z_jhlx"));
  EXPECT_LT(IndexOf("z_pd"), IndexOf("z_sd"));
  EXPECT_LT(IndexOf("z_2lhezf"), IndexOf("z_num1zf"));
  EXPECT_EQ(IndexOf("z_averyl") + 1, IndexOf("z_hzyl"));
}

TEST(Catalogue, BaseFrontRows) {
  ExpectRow("z_num1", "主号一", 1, 31);
  ExpectRow("z_num3", "主号三", 3, 33);
  ExpectRow("z_num5", "主号五", 5, 35);
  ExpectRow("z_num2_w", "主号二尾数", 0, 9);
  ExpectRow("z_num5_w", "主号五尾数", 0, 9);
  ExpectRow("z_hz", "主区和值", 15, 165);
  ExpectRow("z_hw", "主区和尾", 0, 9);
  ExpectRow("z_wh", "主区尾和", 2, 42);
  ExpectRow("z_aver", "主区平均值", 3, 33);
  ExpectRow("z_oshe", "主区偶数和", 0, 140);
  ExpectRow("z_hshe", "主区合数和", 0, 160);
  ExpectRow("z_dxqxshe", "主区大小区小数和", 0, 80);
  ExpectRow("z_dzxqzshe", "主区大中小区中数和", 0, 120);
  ExpectRow("z_c4yshe", "主区除四余数和", 0, 15);
  ExpectRow("z_1lhe", "主区1路和", 0, 160);
  ExpectRow("z_gwhe", "高尾和", 0, 35);
  ExpectRow("z_wzgs", "主区尾组个数", 2, 5);
  ExpectRow("z_maxlh", "最大升序连号", 1, 5);
  ExpectRow("z_ac", "主区AC值", 0, 6);
  ExpectRow("z_zdjj", "主区最大邻位间距", 1, 34);
  ExpectRow("z_zxjj", "主区最小邻位间距", 1, 5);
  ExpectRow("z_jjgs", "主区邻位间距个数", 1, 4);
  ExpectRow("z_c3y2", "除3余2个数", 0, 5);
  ExpectRow("z_c4y3", "除4余3个数", 0, 5);
  ExpectRow("z_c5y4", "除5余4个数", 0, 5);
  ExpectRow("z_3fq_2qgs", "三分区的二区个数", 0, 5);
  ExpectRow("z_lwr_wmgs", "温码个数", 0, 5);
  ExpectRow("z_hhlx", "合号连续", 0, 4);
  ExpectRow("z_pd", "主区偏度", 0, 24);
  ExpectRow("z_sd", "主区散度", 0, 25);
  ExpectRow("z_ylhz", "主区遗漏和值", 0, 100);
  ExpectRow("z_xjhe", "小奇数和值", 0, 175);
  ExpectRow("z_dhhe", "大合数和值", 0, 175);
}

TEST(Catalogue, LinesAndBackZone) {
  ExpectRow("xh21", "线和2_1", 3, 65);
  ExpectRow("xh53", "线和5_3", 3, 65);
  ExpectRow("xh51", "线和5_1", 3, 65);
  ExpectRow("xc32", "线差3_2", 1, 30);
  ExpectRow("xc51", "线差5_1", 1, 30);
  ExpectRow("f_num1", "副号一", 1, 11);
  ExpectRow("f_num2", "副号二", 2, 12);
  ExpectRow("f_hz", "副区和值", 3, 23);
  ExpectRow("f_cz", "副区差值", 1, 11);
  ExpectRow("f_aver", "副区平均值", 1, 12);
  ExpectRow("f_pd", "副区偏度", 0, 15);
  ExpectRow("f_sd", "副区散度", 0, 16);
}

TEST(Catalogue, FamilyRowsFollowTheirBase) {
  ExpectRow("xh21zf", "线和2_1振幅", 0, 65);
  ExpectRow("xc51zf", "线差5_1振幅", 0, 30);
  ExpectRow("f_hzzf", "副区和值振幅", 0, 23);
  ExpectRow("z_hzzf", "主区和值振幅", 0, 165);
  ExpectRow("z_dzxqdshezf", "主区大中小区大数和振幅", 0, 150);
  ExpectRow("z_num4zf", "主号四振幅", 0, 34);
  ExpectRow("f_num1zf", "副号一振幅", 0, 11);
  ExpectRow("z_averzf", "主区平均值振幅", 0, 33);
  ExpectRow("z_nmzszf", "主区邻码组数振幅", 0, 5);
  ExpectRow("f_sdzf", "副区散度振幅", 0, 16);
  ExpectRow("z_ylhzzf", "遗漏和值振幅", 0, 100);

  ExpectRow("z_num1yl", "主号一遗漏", 0, 150);
  ExpectRow("z_pdyl", "主区偏度遗漏", 0, 150);
  ExpectRow("z_averyl", "主区均值遗漏", 0, 150);
  ExpectRow("z_hzyl", "主区和值遗漏", 0, 500);
  ExpectRow("z_hwyl", "主区和尾遗漏", 0, 50);
  ExpectRow("z_whyl", "主区尾和遗漏", 0, 150);
  ExpectRow("f_num2yl", "副号二遗漏", 0, 150);

  ExpectRow("z_num1yl_toall", "主号一全局遗漏", 0, 150);
  ExpectRow("z_num5yl_toall", "主号五全局遗漏", 0, 150);

  ExpectRow("z_num3ylzf", "主号三遗漏振幅", 0, 150);
  ExpectRow("z_averylzf", "主区均值遗漏振幅", 0, 150);
  ExpectRow("z_hzylzf", "主区和值遗漏振幅", 0, 500);
  ExpectRow("z_hwylzf", "主区和尾遗漏振幅", 0, 50);
  ExpectRow("f_num1ylzf", "副号一遗漏振幅", 0, 150);
}

TEST(Catalogue, KeysWithoutARowAreNotInvented) {
  // Families exist only for the bases listed; these have none.
  for (const char* key : {"z_maxlhzf", "z_acyl", "z_lwr_lmgszf", "f_hzyl", "z_xjhezf",
                          "z_num1yl_toallzf", "z_ylhzyl", "test", "", "Z_HZ", "z_hz "})
    EXPECT_EQ(FindCatalogueEntry(key), nullptr) << key;
}

TEST(Catalogue, EntriesCarryTheirIds) {
  EXPECT_EQ(FindCatalogueEntry("z_hz")->ref, (IndicatorRef{Family::Base, BaseId::z_hz}));
  EXPECT_EQ(FindCatalogueEntry("xc43zf")->ref, (IndicatorRef{Family::Amplitude, BaseId::xc43}));
  EXPECT_EQ(FindCatalogueEntry("z_ylhzzf")->ref, (IndicatorRef{Family::Amplitude, BaseId::z_ylhz}));
  EXPECT_EQ(FindCatalogueEntry("z_hwyl")->ref, (IndicatorRef{Family::Omission, BaseId::z_hw}));
  EXPECT_EQ(FindCatalogueEntry("z_num2yl_toall")->ref,
            (IndicatorRef{Family::GlobalOmission, BaseId::z_num2}));
  EXPECT_EQ(FindCatalogueEntry("f_num2ylzf")->ref,
            (IndicatorRef{Family::OmissionAmplitude, BaseId::f_num2}));
}

TEST(LookupIndicator, UnknownKeyKeepsThePreviousLabelAndRange) {
  tsetaccostr current;
  EXPECT_TRUE(LookupIndicator("z_hz", current));
  EXPECT_EQ(current, (tsetaccostr{"z_hz", "主区和值", 15, 165}));
  EXPECT_FALSE(LookupIndicator("c_cz_1", current));
  EXPECT_EQ(current, (tsetaccostr{"c_cz_1", "主区和值", 15, 165}));
  EXPECT_TRUE(LookupIndicator("f_pdzf", current));
  EXPECT_EQ(current, (tsetaccostr{"f_pdzf", "副区偏度振幅", 0, 15}));
}

}  // namespace
}  // namespace dlt
