#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dlt {

// The keys of the user-built indicators of the trend window: the ten
// derived-series families of "扩展系列一", the "同位遗传" family of
// "扩展系列二" and the combination shapes of two or three formulas. The
// keys resolve through the parameterised indicators.

// A parameter box of a family: its object name, the label before it (empty
// for none), the label after it, its list (0..listMax) and its default.
struct DerivedParam {
  const char* box;
  const char* before;
  const char* after;
  int listMax;
  const char* defaultText;
};

// One family: its radio, caption, style box ("求奖号个数"/"求奖号和值",
// empty when the key has no style) and parameter boxes in key order.
struct DerivedFamily {
  const char* radio;
  const char* caption;
  const char* styleBox;
  const char* prefix;  // the key up to the parameters, "c_same_0_" for 类似性
  std::vector<DerivedParam> params;
};

// The families of "扩展系列一" in page order (the default "分区相关：" is
// `rb_c_fq`), and the only family of "扩展系列二".
const std::vector<DerivedFamily>& ExtendFamilies();
const DerivedFamily& SamePositionFamily();

// The style box texts: item 0 "求奖号个数" (t = 0), item 1 "求奖号和值" (t = 1).
const std::vector<std::string>& StyleTexts();
// The class kinds of the "同位遗传" family ("同位奇偶遗传" .. "同位尾数大中小遗传").
const std::vector<std::string>& SamePositionKinds();

// The key of a family from its style item (ignored without a style box) and
// its parameter texts, each trimmed and put in as typed: "c_lwr_30_0_2",
// "c_fq_0_4_1". For the "同位遗传" family the first parameter is the kind's
// item index.
std::string DerivedKey(const DerivedFamily& family, int style,
                       const std::vector<std::string>& params);

// "c_2zbzh:" e1 "|" e2 ":" type, or "c_3zbzh:" e1 "|" e2 "|" e3 ":" type,
// each formula trimmed; the plotted formula "getzb(" key ")".
std::string ShapeKey(const std::vector<std::string>& formulas, int type);
std::string ShapeFormula(const std::string& key);

// The shape type of the radios of "组合形态走势": 0..13 for the fourteen
// radios, 14 + item for "更多组合指标". Two formulas have no "更多组合指标":
// it falls back to "单选奇偶" (0).
int ShapeTypeOf(int radio, int moreItem, int arity);
constexpr int kShapeRadios = 15;  // the fourteen shapes and "更多组合指标"

// The legend of the shape's values: for every value, six blanks, v, "=  "
// and its name; empty for the numeric types.
std::string ShapeLegend(int type, int arity);
// The items of the shape-value check list: v "=  " name, in value order;
// empty for the numeric types.
std::vector<std::string> ShapeValueItems(int type, int arity);

}  // namespace dlt
