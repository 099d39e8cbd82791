#include "trend/derived_keys.h"

#include "common/text.h"
#include "indicators/shape_names.h"

namespace dlt {
namespace {}  // namespace

const std::vector<DerivedFamily>& ExtendFamilies() {
  static const std::vector<DerivedFamily> families = {
      {"rb_c_lwr",
       "次数相关：",
       "",
       "c_lwr_",
       {{"cb_c_lwr_1", "期数", "", 100, "30"},
        {"cb_c_lwr_2", "下限次数", "", 100, "0"},
        {"cb_c_lwr_3", "上限次数", "", 100, "2"}}},
      {"rb_c_same",
       "类似性相关：",
       "",
       "c_same_0_",
       {{"cb_c_same_1", "期数", "", 1000, "10"}, {"cb_c_same_2", "相同个数", "", 1000, "2"}}},
      {"rb_c_ylz",
       "遗漏值相关：",
       "cb_c_ylz_3",
       "c_ylz_",
       {{"cb_c_ylz_1", "", "", 100, "1"}, {"cb_c_ylz_2", "<=遗漏值<=", "", 100, "1"}}},
      {"rb_c_gqch",
       "隔期出号相关：",
       "cb_c_gqch_3",
       "c_gqch_",
       {{"cb_c_gqch_1", "", "", 1000, "1"}, {"cb_c_gqch_2", "<=所隔期数<=", "", 1000, "1"}}},
      {"rb_c_fq",
       "分区相关：",
       "cb_c_fq_style",
       "c_fq_",
       {{"cb_c_fq_1", "分区数", "", 100, "4"}, {"cb_c_fq_2", "第", "分区", 100, "1"}}},
      {"rb_c_ys",
       "余数相关：",
       "cb_c_ys_style",
       "c_ys_",
       {{"cb_c_ys_1", "除", "", 100, "6"}, {"cb_c_ys_2", "余", "", 100, "0"}}},
      {"rb_c_cz", "差值相关：", "", "c_cz_", {{"cb_c_cz", "", "", 100, "2"}}},
      {"rb_c_hz", "和值相关：", "", "c_hz_", {{"cb_c_hz", "", "", 100, "34"}}},
      {"rb_c_xw_cz", "与上期差值相关：", "", "c_xw_cz_", {{"cb_c_xw_cz", "", "", 100, "2"}}},
      {"rb_c_xw_hz", "与上期和值相关：", "", "c_xw_hz_", {{"cb_c_xw_hz", "", "", 100, "34"}}},
  };
  return families;
}

const DerivedFamily& SamePositionFamily() {
  // The kind box lists the kinds (listMax -1); its parameter is the item index.
  static const DerivedFamily family = {
      "rb_c_twyc",
      "同位遗传相关：",
      "cb_c_twyc_3",
      "c_twyc_",
      {{"cb_c_twyc_1", "类型", "", -1, "0"}, {"cb_c_twyc_2", "所隔期数", "", 1000, "0"}}};
  return family;
}

const std::vector<std::string>& StyleTexts() {
  static const std::vector<std::string> texts = {"求奖号个数", "求奖号和值"};
  return texts;
}

const std::vector<std::string>& SamePositionKinds() {
  static const std::vector<std::string> kinds = {"同位奇偶遗传", "同位质合遗传", "同位012路遗传",
                                                 "同位尾数大小遗传", "同位尾数大中小遗传"};
  return kinds;
}

std::string DerivedKey(const DerivedFamily& family, int style,
                       const std::vector<std::string>& params) {
  std::string key = family.prefix;
  if (*family.styleBox) key += style == 0 ? "0_" : "1_";
  for (size_t i = 0; i < params.size(); ++i) {
    if (i > 0) key += '_';
    key += Trim(params[i]);
  }
  return key;
}

std::string ShapeKey(const std::vector<std::string>& formulas, int type) {
  std::string key = formulas.size() == 3 ? "c_3zbzh:" : "c_2zbzh:";
  for (size_t i = 0; i < formulas.size(); ++i) {
    if (i > 0) key += '|';
    key += Trim(formulas[i]);
  }
  return key + ":" + std::to_string(type);
}

std::string ShapeFormula(const std::string& key) {
  return "getzb(" + key + ")";
}

int ShapeTypeOf(int radio, int moreItem, int arity) {
  if (radio < 0 || radio >= kShapeRadios) return 0;
  if (radio < kShapeRadios - 1) return radio;
  const int type = kShapeRadios - 1 + moreItem;
  return arity == 3 && moreItem >= 0 && type < ShapeTypeCount(3) ? type : 0;
}

std::vector<std::string> ShapeValueItems(int type, int arity) {
  std::vector<std::string> items;
  const std::vector<std::string> names = ShapeValueNames(type, arity);
  for (size_t v = 0; v < names.size(); ++v) items.push_back(std::to_string(v) + "=  " + names[v]);
  return items;
}

std::string ShapeLegend(int type, int arity) {
  std::string legend;
  for (const std::string& item : ShapeValueItems(type, arity)) legend += "      " + item;
  return legend;
}

}  // namespace dlt
