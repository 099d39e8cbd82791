#include "trend/shape_table.h"

#include <cstdlib>

#include "analysis/series_fill.h"
#include "common/numbers.h"
#include "indicators/indicator.h"
#include "indicators/shape_names.h"
#include "trend/derived_keys.h"
#include "trend/indicator_chart.h"

namespace dlt {

std::vector<std::string> ShapeTableHeaders(int arity) {
  std::vector<std::string> h = {"期数", "开奖号码", "指标一", "指标二"};
  if (arity == 3) h.push_back("指标三");
  for (const char* s : {"奇偶", "质合", "尾数大小", "尾数大中小", "012路", "复隔中", "邻孤传"})
    h.push_back(s);
  return h;
}

const std::vector<int>& ShapeTableTypes() {
  static const std::vector<int> types = {0, 2, 4, 6, 8, 10, 12};
  return types;
}

int RangeRows(int fromItem, int toItem) {
  return std::abs(toItem - fromItem) + 1;
}

std::vector<ShapeTableRow> ShapeTable(std::span<const Draw> draws, const EvalEnv* env,
                                      const std::vector<std::string>& formulas, int first,
                                      int rows) {
  std::vector<ShapeTableRow> table;
  if (first < 0) return table;
  const int arity = static_cast<int>(formulas.size());
  std::vector<ExpressionSource> sources;
  for (const std::string& f : formulas) sources.emplace_back(f);
  struct Shape {
    IndicatorPtr indicator;
    std::vector<std::string> names;
  };
  std::vector<Shape> shapes;
  for (int type : ShapeTableTypes()) {
    Resolution r = ResolveIndicator(ShapeKey(formulas, type));
    shapes.push_back({std::move(r.indicator), ShapeValueNames(type, arity)});
  }
  TrendPage page;
  page.draws = draws;
  page.env = env;
  const int count = static_cast<int>(draws.size());
  for (int i = first; i < count && i - first < rows; ++i) {
    const EvalContext ctx = PageContext(page, i);
    ShapeTableRow row;
    row.qs = draws[i].qs;
    for (auto n : draws[i].front) row.numbers += TwoDigit(n) + " ";
    for (auto n : draws[i].back) row.numbers += "| " + TwoDigit(n);
    for (const ExpressionSource& s : sources) {
      const FormulaResult r = s.At(ctx);
      row.values.push_back(r.ok ? r.value : 0);
    }
    for (const Shape& s : shapes) {
      const int32_t v = s.indicator ? s.indicator->Value(ctx) : kNoValue;
      row.shapes.push_back(v >= 0 && v < static_cast<int32_t>(s.names.size()) ? s.names[v]
                                                                              : std::string());
    }
    table.push_back(std::move(row));
  }
  return table;
}

std::vector<ShapeGlyph> ShapeGlyphs(const std::string& name) {
  static const std::string kColours = "邻孤传复中隔冷温热零壹贰小中大奇偶质合";
  std::vector<ShapeGlyph> glyphs;
  size_t at = 0;
  while (at < name.size() && glyphs.size() < 3) {
    const unsigned char lead = static_cast<unsigned char>(name[at]);
    const size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    const std::string ch = name.substr(at, len);
    at += len;
    GlyphColour colour = GlyphColour::Blue;
    // Every character of the colour string is three bytes long.
    if (const size_t k = kColours.find(ch); len == 3 && k != std::string::npos) {
      const size_t place = k / 3;
      colour = place % 3 == 0   ? GlyphColour::Green
               : place % 3 == 1 ? GlyphColour::Blue
                                : GlyphColour::Red;
    }
    glyphs.push_back({ch, colour});
  }
  return glyphs;
}

}  // namespace dlt
