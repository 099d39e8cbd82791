#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "indicators/indicator.h"
#include "support/test_support.h"
#include "trend/derived_chart.h"
#include "trend/derived_keys.h"
#include "trend/mosaic.h"
#include "trend/shape_table.h"

namespace dlt {
namespace {

using test::MakeDraw;

int FrontSum(const Draw& d) {
  return std::accumulate(d.front.begin(), d.front.end(), 0);
}

TEST(DerivedKeys, EveryFamilyFromItsParameters) {
  const auto& f = ExtendFamilies();
  ASSERT_EQ(f.size(), 10u);
  struct Case {
    const DerivedFamily* family;
    int style;
    std::vector<std::string> params;
    const char* key;
  };
  const Case cases[] = {
      {&f[0], 1, {"30", "0", "2"}, "c_lwr_30_0_2"},  // no style box: the style is ignored
      {&f[1], 0, {" 10 ", "2"}, "c_same_0_10_2"},
      {&f[2], 0, {"1", "1"}, "c_ylz_0_1_1"},
      {&f[3], 1, {"3", "12"}, "c_gqch_1_3_12"},
      {&f[4], 0, {"4", "1"}, "c_fq_0_4_1"},
      {&f[4], 1, {"7", "3"}, "c_fq_1_7_3"},
      {&f[5], 1, {"6", "0"}, "c_ys_1_6_0"},
      {&f[6], 0, {"40"}, "c_cz_40"},
      {&f[7], 0, {"34"}, "c_hz_34"},
      {&f[8], 0, {"2"}, "c_xw_cz_2"},
      {&f[9], 0, {"34"}, "c_xw_hz_34"},
      {&SamePositionFamily(), 1, {"4", "0"}, "c_twyc_1_4_0"},
  };
  for (const Case& c : cases) {
    const std::string key = DerivedKey(*c.family, c.style, c.params);
    EXPECT_EQ(key, c.key);
    // Every built key resolves through the parameterised indicators.
    EXPECT_TRUE(ResolveIndicator(key).ok()) << key;
  }
  // The defaults of every family give a key that resolves.
  std::vector<const DerivedFamily*> all;
  for (const DerivedFamily& family : f) all.push_back(&family);
  all.push_back(&SamePositionFamily());
  for (const DerivedFamily* family : all) {
    std::vector<std::string> params;
    for (const DerivedParam& p : family->params) params.push_back(p.defaultText);
    EXPECT_TRUE(ResolveIndicator(DerivedKey(*family, 0, params)).ok()) << family->radio;
  }
  // Text that is not a number gives a key with the conversion error.
  const Resolution bad = ResolveIndicator(DerivedKey(f[6], 0, {"2a"}));
  EXPECT_FALSE(bad.ok());
  EXPECT_EQ(bad.error, "参数不正确: c_cz_2a");
}

TEST(DerivedKeys, ShapeKeysTypesAndLegends) {
  EXPECT_EQ(ShapeKey({" z_num1%10", "z_num2%10 "}, 0), "c_2zbzh:z_num1%10|z_num2%10:0");
  EXPECT_EQ(ShapeKey({"a", "b", "c"}, 17), "c_3zbzh:a|b|c:17");
  EXPECT_EQ(ShapeFormula("c_2zbzh:a|b:3"), "getzb(c_2zbzh:a|b:3)");
  struct TypeCase {
    int radio, more, arity, type;
  };
  const TypeCase types[] = {
      {0, 5, 2, 0},    {13, 0, 3, 13}, {14, 0, 3, 14},
      {14, 16, 3, 30}, {14, 3, 2, 0},  // "更多组合指标" with two formulas falls back
      {14, -1, 3, 0},  {14, 17, 3, 0}};
  for (const TypeCase& c : types)
    EXPECT_EQ(ShapeTypeOf(c.radio, c.more, c.arity), c.type)
        << c.radio << " " << c.more << " " << c.arity;

  EXPECT_EQ(ShapeLegend(0, 2), "      0=  偶偶      1=  偶奇      2=  奇偶      3=  奇奇");
  EXPECT_EQ(ShapeValueItems(9, 3).size(), 10u);
  EXPECT_EQ(ShapeValueItems(7, 2).back(), "5=  两大");
  EXPECT_EQ(ShapeLegend(14, 3), "");
  EXPECT_TRUE(ShapeValueItems(20, 3).empty());
}

TEST(DerivedChart, RangeFromTheDataAndConstantSeries) {
  const std::vector<Draw> draws = test::RandomHistory(120);
  const EvalEnv env;
  TrendPage page;
  page.draws = draws;
  page.env = &env;
  page.anchor = 10;
  page.span = 36;
  page.width = 900;
  page.height = 500;
  const FixedTextMetrics metrics;

  // A constant series (no two numbers 40 apart) is drawn over [0, 4].
  const DerivedChart constant = DerivedSeriesChart(page, "c_cz_40", metrics);
  ASSERT_TRUE(constant.ok());
  ASSERT_EQ(constant.chart.panels.size(), 2u);
  EXPECT_EQ(constant.smallest, 0);
  EXPECT_EQ(constant.largest, 4);
  // Panels plot ten times the values.
  EXPECT_EQ(constant.chart.panels[0].coord.yMin, 0);
  EXPECT_EQ(constant.chart.panels[0].coord.yMax, 40);
  EXPECT_EQ(constant.chart.panels[1].coord.yMax, 40);
  EXPECT_EQ(constant.chart.panels[0].title, "c_cz_40");
  EXPECT_EQ(constant.chart.panels[1].title, "c_cz_40振幅");

  // The range covers 70 draws from the anchor, more than the page shows.
  const DerivedChart sum = DerivedSeriesChart(page, "z_hz", metrics);
  int lo = 1000, hi = 0;
  for (int i = 10; i < 80; ++i) {
    lo = std::min(lo, FrontSum(draws[i]));
    hi = std::max(hi, FrontSum(draws[i]));
  }
  EXPECT_EQ(sum.smallest, lo);
  EXPECT_EQ(sum.largest, hi);
  EXPECT_EQ(sum.chart.panels[0].ItemsOf<ChartDisc>().size(), 37u);
  EXPECT_EQ(sum.chart.panels[1].coord.yMin, 0);
  EXPECT_EQ(sum.chart.panels[1].coord.yMax, hi * 10);

  // Near the end the range is what is left; a failing formula draws nothing.
  page.anchor = 119;
  const DerivedChart last = DerivedSeriesChart(page, "z_hz", metrics);
  EXPECT_EQ(last.smallest, FrontSum(draws[119]));
  EXPECT_EQ(last.largest, FrontSum(draws[119]) + 4);
  const DerivedChart bad = DerivedSeriesChart(page, "z_hz+(", metrics);
  EXPECT_FALSE(bad.ok());
  EXPECT_EQ(bad.error.rfind("公式有误:", 0), 0u);
  EXPECT_TRUE(bad.chart.panels.empty());
  // An empty history still draws both panels, over [0, 4].
  page.draws = {};
  page.anchor = 0;
  const DerivedChart empty = DerivedSeriesChart(page, "z_hz", metrics);
  EXPECT_EQ(empty.chart.panels.size(), 2u);
  EXPECT_EQ(empty.largest, 4);
}

TEST(ShapeTable, OneDrawRangeAgainstHandComputedShapes) {
  const std::vector<Draw> draws = {MakeDraw(2009001, {1, 2, 10, 20, 30}, {1, 2}),
                                   MakeDraw(2009002, {3, 8, 12, 20, 33}, {4, 11}),
                                   MakeDraw(2009003, {5, 9, 12, 21, 33}, {4, 11})};
  const EvalEnv env;
  EXPECT_EQ(RangeRows(1, 1), 1);
  EXPECT_EQ(RangeRows(7, 2), 6);
  const auto rows = ShapeTable(draws, &env, {"z_num1", "z_num2"}, 1, RangeRows(1, 1));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].qs, 2009002);
  EXPECT_EQ(rows[0].numbers, "03 08 12 20 33 | 04| 11");
  EXPECT_EQ(rows[0].values, (std::vector<int32_t>{3, 8}));
  // 3 and 8: odd/even, prime/composite, small/large tail, tails 3-5 and 6-9,
  // remainders 0 and 2; neither repeats 1 or 2 of the draw before (中中),
  // 3 is next to 2 (邻) and 8 is alone (孤).
  EXPECT_EQ(rows[0].shapes,
            (std::vector<std::string>{"奇偶", "质合", "小大", "中大", "零贰", "中中", "邻孤"}));
  // Rows stop at the end of the history; a failing formula shows 0.
  const auto three = ShapeTable(draws, &env, {"z_num1", "z_num2", "z_num3+("}, 1, 100);
  ASSERT_EQ(three.size(), 2u);
  EXPECT_EQ(three[1].values, (std::vector<int32_t>{5, 9, 0}));
  EXPECT_EQ(ShapeTableHeaders(3).size(), 12u);
  EXPECT_EQ(ShapeTableHeaders(2)[3], "指标二");
}

TEST(ShapeTable, GlyphColours) {
  using G = GlyphColour;
  struct Case {
    const char* name;
    std::vector<G> colours;
  };
  const Case cases[] = {
      {"奇偶", {G::Green, G::Blue}},
      {"大中小", {G::Red, G::Blue, G::Green}},
      {"邻孤传", {G::Green, G::Blue, G::Red}},
      {"复隔", {G::Green, G::Red}},
      {"两0路", {G::Blue, G::Blue, G::Blue}},  // only the first three, none in the string
      {"质合", {G::Red, G::Green}},
  };
  for (const Case& c : cases) {
    const auto glyphs = ShapeGlyphs(c.name);
    std::vector<G> got;
    for (const ShapeGlyph& g : glyphs) got.push_back(g.colour);
    EXPECT_EQ(got, c.colours) << c.name;
  }
  EXPECT_EQ(ShapeGlyphs("一小一中一大").size(), 3u);
  EXPECT_EQ(ShapeGlyphs("大中小")[1].text, "中");
}

TEST(Mosaic, LinesTableAndFiles) {
  struct LineCase {
    const char* line;
    MosaicEntry entry;
  };
  const LineCase lines[] = {
      {" 分隔", {"", "分隔", true}},
      {"z_hz 和值", {"z_hz", "和值", false}},
      {"z_hz", {"z_hz", "z_hz", false}},
      {"  z_ac  AC 值 ", {"", "z_ac  AC 值", true}},
      {"z_ac   AC值", {"z_ac", "  AC值", false}},
      {" ", {"", "", true}},
  };
  for (const LineCase& c : lines) EXPECT_EQ(ParseMosaicLine(c.line), c.entry) << c.line;

  const std::vector<Draw> draws = test::RandomHistory(10);
  const EvalEnv env;
  std::vector<MosaicEntry> entries;
  for (const char* l : {" 分隔", "z_hz 和值", "nosuchkey"}) entries.push_back(ParseMosaicLine(l));
  const auto rows = MosaicTable(draws, &env, entries, 8, 5);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].qs, draws[9].qs);
  EXPECT_EQ(rows[1].cells,
            (std::vector<std::string>{"", std::to_string(FrontSum(draws[9])), "-999"}));
  const Draw& d = draws[9];
  std::string numbers;
  for (int n : d.front) numbers += (n < 10 ? "0" : "") + std::to_string(n) + " ";
  numbers += "|";
  for (int n : d.back) numbers += (n < 10 ? "0" : "") + std::to_string(n) + " ";
  EXPECT_EQ(rows[1].numbers, numbers);

  const test::TempDir dir;
  const std::string path = dir.file("a.zbz");
  const std::vector<std::string> saved = {" 分隔", "z_hz 和值", "z_hz",
                                          "c_2zbzh:z_num1|z_num2:0 形态"};
  std::string error;
  ASSERT_TRUE(SaveMosaicFile(path, saved, &error)) << error;
  EXPECT_EQ(test::ReadBytes(path).substr(0, 6), " \xb7\xd6\xb8\xf4\r");  // GBK, CR LF
  EXPECT_EQ(LoadMosaicFile(path), saved);

  // Fifty lines are the most; a longer list or file is refused, nothing written.
  std::vector<std::string> many(50, "z_hz");
  EXPECT_TRUE(SaveMosaicFile(path, many));
  many.push_back("z_ac");
  EXPECT_FALSE(SaveMosaicFile(path, many, &error));
  EXPECT_EQ(error, kMosaicTooLong);
  EXPECT_EQ(LoadMosaicFile(path)->size(), 50u);
  std::string text;
  for (int i = 0; i < 51; ++i) text += "z_hz\r\n";
  test::WriteBytes(path, text);
  EXPECT_FALSE(LoadMosaicFile(path, &error));
  EXPECT_EQ(error, kMosaicTooLong);
  EXPECT_FALSE(LoadMosaicFile(dir.file("missing.zbz"), &error));

  EXPECT_EQ(MosaicFileName("/x/mine"), "/x/mine.zbz");
  EXPECT_EQ(MosaicFileName("/x/mine.zbz"), "/x/mine.zbz");
}

}  // namespace
}  // namespace dlt
