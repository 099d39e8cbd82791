#include "gui/trend/fxd_chart_setups.h"

#include "trend/framed_charts.h"
#include "trend/indicator_chart.h"

namespace dlt::gui {
namespace {

struct Item {
  const char* caption;
  const char* key;
};

std::vector<ChartOption> Options(std::initializer_list<Item> items) {
  std::vector<ChartOption> options;
  for (const Item& i : items)
    options.push_back({std::string("rb_") + i.key, QString::fromUtf8(i.caption), i.key});
  return options;
}

// The four indicator pages draw the value and amplitude of the chosen key.
ChartPageSetup IndicatorPage(const char* picture, std::vector<ChartOption> options,
                             const char* periodBox, PagingNames paging, const char* analysis) {
  ChartPageSetup s;
  s.picture = picture;
  s.options = std::move(options);
  s.periodBox = periodBox;
  s.paging = paging;
  s.analysisButton = analysis;
  s.chart = [](const ChartPage& page, const TrendPage& view, const TextMetrics& metrics) {
    const ChartOption* o = page.SelectedOption();
    return ValueAmplitudeChart(view, o ? o->key : std::string(), metrics);
  };
  return s;
}

}  // namespace

ChartPageSetup LineChartSetup() {
  static const char* const pairs[] = {"21", "32", "43", "54", "31", "42", "53", "41", "52", "51"};
  std::vector<ChartOption> options;
  for (const auto& [kind, label] : {std::pair{"xh", "线和"}, std::pair{"xc", "线差"}})
    for (const char* p : pairs) {
      const std::string key = std::string(kind) + p;
      options.push_back({"rb_" + key, QString::fromUtf8(label) + p[0] + '_' + p[1], key});
    }
  for (const ChartOption& o : Options({{"副区和值", "f_hz"}, {"副区差值", "f_cz"}}))
    options.push_back(o);
  auto s = IndicatorPage(
      "i_jhjcd", std::move(options), "cb_jhjcdqs",
      {"b_jhjctz", "e_jhjcd", "b_jhjcsyy", "b_jhjcxyy", "b_jhjcsyt", "b_jhjcxyt"}, "b_xhxc_zbpx");
  s.optionColumns = 11;
  return s;
}

ChartPageSetup RegularSeriesSetup() {
  return IndicatorPage(
      "i_cgxl",
      Options({{"主号一", "z_num1"},        {"主号二", "z_num2"},       {"主号三", "z_num3"},
               {"主号四", "z_num4"},        {"主号五", "z_num5"},       {"主区偏度", "z_pd"},
               {"主区平均值", "z_aver"},    {"主区散度", "z_sd"},       {"副号一", "f_num1"},
               {"副号二", "f_num2"},        {"副区偏度", "f_pd"},       {"副区平均值", "f_aver"},
               {"主区大数个数", "z_dsgs"},  {"主区奇数个数", "z_jsgs"}, {"主区质数个数", "z_zsgs"},
               {"主区尾组个数", "z_wzgs"},  {"主区重码个数", "z_cmgs"}, {"主区连码组数", "z_lmzs"},
               {"主区邻码组数", "z_nmzs"},  {"主区AC值", "z_ac"},       {"最大间距", "z_zdjj"},
               {"最小间距", "z_zxjj"},      {"间距个数", "z_jjgs"},     {"高尾个数", "z_gwgs"},
               {"最大升序连号", "z_maxlh"}, {"合号连续", "z_hhlx"},     {"质号连续", "z_zhlx"},
               {"偶号连续", "z_ohlx"},      {"奇号连续", "z_jhlx"}}),
      "cb_cgxlqs", {"b_cgxljump", "e_cgxl", "b_cgxlpriorpage", "Button11", "Button12", "Button22"},
      "Button23");
}

ChartPageSetup SumSeriesSetup() {
  return IndicatorPage("i_hzxl",
                       Options({{"和值", "z_hz"},
                                {"和尾", "z_hw"},
                                {"尾和", "z_wh"},
                                {"奇数和", "z_jshe"},
                                {"偶数和", "z_oshe"},
                                {"质数和", "z_zshe"},
                                {"合数和", "z_hshe"},
                                {"大小区大数和", "z_dxqdshe"},
                                {"大小区小数和", "z_dxqxshe"},
                                {"大中小区大数和", "z_dzxqdshe"},
                                {"大中小区中数和", "z_dzxqzshe"},
                                {"大中小区小数和", "z_dzxqxshe"},
                                {"除三余数和", "z_c3yshe"},
                                {"除四余数和", "z_c4yshe"},
                                {"除五余数和", "z_c5yshe"},
                                {"0路和", "z_0lhe"},
                                {"1路和", "z_1lhe"},
                                {"2路和", "z_2lhe"},
                                {"高尾和", "z_gwhe"},
                                {"小奇和", "z_xjhe"},
                                {"大奇和", "z_djhe"},
                                {"小偶和", "z_xohe"},
                                {"大偶和", "z_dohe"},
                                {"小质和", "z_xzhe"},
                                {"大质和", "z_dzhe"},
                                {"小合和", "z_xhhe"},
                                {"大合和", "z_dhhe"}}),
                       "cb_hzxlqs",
                       {"b_hzxl_jump", "e_hzxl", "Button56", "Button57", "Button58", "Button59"},
                       "b_hzxl_zbpx");
}

ChartPageSetup OmissionSeriesSetup() {
  return IndicatorPage("i_ylxl",
                       Options({{"主号一遗漏", "z_num1yl"},
                                {"主号二遗漏", "z_num2yl"},
                                {"主号三遗漏", "z_num3yl"},
                                {"主号四遗漏", "z_num4yl"},
                                {"主号五遗漏", "z_num5yl"},
                                {"主区偏度遗漏", "z_pdyl"},
                                {"主区平均值遗漏", "z_averyl"},
                                {"主区散度遗漏", "z_sdyl"},
                                {"主区尾和遗漏", "z_whyl"},
                                {"主区和尾遗漏", "z_hwyl"},
                                {"主区遗漏和值", "z_ylhz"},
                                {"主区和值遗漏", "z_hzyl"},
                                {"副号一遗漏", "f_num1yl"},
                                {"副号二遗漏", "f_num2yl"},
                                {"主号一全局遗漏", "z_num1yl_toall"},
                                {"主号二全局遗漏", "z_num2yl_toall"},
                                {"主号三全局遗漏", "z_num3yl_toall"},
                                {"主号四全局遗漏", "z_num4yl_toall"},
                                {"主号五全局遗漏", "z_num5yl_toall"}}),
                       "cb_ylxlqs",
                       {"Button9", "e_ylxl", "Button10", "Button24", "Button25", "Button26"},
                       "Button47");
}

ChartPageSetup RemainderChartSetup() {
  ChartPageSetup s;
  s.picture = "i_ysd";
  s.options = {{"rb_ysd3", QStringLiteral("除三余数"), ""},
               {"rb_ysd4", QStringLiteral("除四余数"), ""},
               {"rb_ysd5", QStringLiteral("除五余数"), ""}};
  s.periodBox = "cb_ysdqs";
  s.paging = {"Button27", "e_ysd", "Button28", "Button29", "Button35", "Button36"};
  s.chart = [](const ChartPage& page, const TrendPage& view, const TextMetrics& metrics) {
    return RemainderChart(view, page.Option() + 3, metrics);
  };
  return s;
}

ChartPageSetup GapChartSetup() {
  ChartPageSetup s;
  s.picture = "i_jgd";
  s.options = {{"rb_jjbs", QStringLiteral("间距标识"), ""},
               {"rb_zhbs", QStringLiteral("主号标识"), ""}};
  s.periodBox = "cb_jgfxqs";
  s.paging = {"Button30", "e_jgd", "Button31", "Button32", "Button33", "Button34"};
  s.choiceBox = "cb_jjfx_showstyle";
  for (const std::string& t : GapPairTexts()) s.choices.push_back(QString::fromStdString(t));
  s.chart = [](const ChartPage& page, const TrendPage& view, const TextMetrics& metrics) {
    return GapChart(view, page.Option() == 1, page.Choice(), metrics);
  };
  return s;
}

ChartPageSetup DispersionChartSetup() {
  ChartPageSetup s;
  s.picture = "i_average";
  s.options = {{"rb_average", QStringLiteral("平均量"), ""},
               {"rb_standard", QStringLiteral("标准差"), ""},
               {"rb_dispersion", QStringLiteral("离散系数"), ""}};
  s.periodBox = "cb_averageqs";
  s.paging = {"Button37", "e_average", "Button38", "Button39", "Button40", "Button41"};
  s.chart = [](const ChartPage& page, const TrendPage& view, const TextMetrics& metrics) {
    return DispersionChart(view, static_cast<DispersionKind>(page.Option()), metrics);
  };
  return s;
}

}  // namespace dlt::gui
