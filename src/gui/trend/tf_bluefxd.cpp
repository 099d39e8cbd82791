#include "gui/trend/tf_bluefxd.h"

#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/app_context.h"
#include "gui/app/below_toolbar.h"
#include "gui/trend/fxd_chart_page.h"
#include "gui/trend/fxd_context.h"
#include "history/draw_table.h"
#include "trend/blue_charts.h"

namespace dlt::gui {
namespace {

using ChartFn = std::function<Chart(const ChartPage&, const TrendPage&, const TextMetrics&)>;

ChartPageSetup Setup(const char* picture, const char* periodBox, PagingNames paging,
                     const char* legend, ChartFn chart) {
  ChartPageSetup s;
  s.picture = picture;
  s.periodBox = periodBox;
  s.paging = paging;
  if (legend) s.legend = QString::fromUtf8(legend);
  s.chart = std::move(chart);
  return s;
}

ChartPageSetup MeanSetup(AppContext& app) {
  ChartPageSetup s =
      Setup("i_zhzs", "cb_jzzsshowqs",
            {"Button3", "e_zhzsd", "Button4", "Button5", "Button13", "Button14"}, kBlueMeanLegend,
            [&app](const ChartPage& page, const TrendPage& view, const TextMetrics& m) {
              BlueSeriesShown shown{};
              for (int k = 0; k < 6; ++k) shown[k] = page.Checked(k);
              const DrawTable& table = app.Table();
              const BlueMeans means = [&table](int i) { return table.Extras(i).averages; };
              return BlueMeanChart(view, means, shown, m);
            });
  s.checks = {
      {"cb_cgx", QStringLiteral("常规线"), ""},       {"cb_twojz", QStringLiteral("二期均值"), ""},
      {"cb_threejz", QStringLiteral("三期均值"), ""}, {"cb_fourjz", QStringLiteral("四期均值"), ""},
      {"cb_fivejz", QStringLiteral("五期均值"), ""},  {"cb_tenjz", QStringLiteral("十期均值"), ""}};
  return s;
}

ChartPageSetup SlotSetup() {
  ChartPageSetup s = Setup(
      "i_fbd", "cb_fbdqs", {"Button21", "e_fbd", "Button26", "Button27", "Button28", "Button29"},
      nullptr, [](const ChartPage& page, const TrendPage& view, const TextMetrics& m) {
        return BlueSlotChart(view, page.Option() + 1, m);
      });
  s.options = {{"rb_jg1fb", QStringLiteral("间隔一分布"), ""},
               {"rb_jg2fb", QStringLiteral("间隔二分布"), ""},
               {"rb_jg3fb", QStringLiteral("间隔三分布"), ""}};
  return s;
}

ChartPageSetup FieldSetup() {
  ChartPageSetup s =
      Setup("i_tyzsd", "cb_tyzsdqs",
            {"Button30", "e_tyzsd", "Button31", "Button32", "Button33", "Button34"}, nullptr,
            [](const ChartPage& page, const TrendPage& view, const TextMetrics& m) {
              return BlueFieldChart(view, page.Choice(), m);
            });
  s.choiceBox = "cb_tyzsd";
  for (const std::string& t : FieldVariantTexts()) s.choices.push_back(QString::fromStdString(t));
  return s;
}

}  // namespace

Tf_bluefxd::Tf_bluefxd(AppContext& app, QWidget* parent)
    : QWidget(parent), app_(app), charts_(std::make_unique<FxdContext>(app)) {
  setObjectName("Tf_bluefxd");
  setWindowTitle(QStringLiteral("蓝球分析"));
  OpenBelowToolbar(*this, kFillArea, app, /*everyShow=*/false);
  auto* layout = new QVBoxLayout(this);
  pc_bluefxd = new QTabWidget(this);
  pc_bluefxd->setObjectName("pc_bluefxd");
  layout->addWidget(pc_bluefxd);

  FxdContext& fxd = *charts_;
  const struct {
    const char* caption;
    const char* sheet;
    ChartPageSetup setup;
  } pages[] = {
      {"均值走势图", "ts_jzzs", MeanSetup(app_)},
      {"余数走势图", "ts_yszsd",
       Setup("i_yszsd", "cb_yszsd",
             {"Button1", "e_yszsd", "Button2", "Button6", "Button7", "Button8"},
             kBlueRemainderLegend,
             [](const ChartPage&, const TrendPage& view, const TextMetrics& m) {
               return BlueRemainderChart(view, m);
             })},
      {"柱状图", "ts_jzd",
       Setup("i_jzd", "cb_jzdqs",
             {"Button9", "e_jzd", "Button10", "Button11", "Button12", "Button15"}, kBlueBarLegend,
             [](const ChartPage&, const TrendPage& view, const TextMetrics& m) {
               return BlueBarChart(view, m);
             })},
      {"变化量及尾数图", "ts_bluechange",
       Setup("i_bluechange", "cb_changeqs",
             {"Button16", "e_bluechange", "Button17", "Button18", "Button19", "Button20"},
             kBlueChangeLegend,
             [](const ChartPage&, const TrendPage& view, const TextMetrics& m) {
               return BlueChangeChart(view, m);
             })},
      {"抖动率", "ts_ddl",
       Setup("i_ddl", "cb_ddlqs",
             {"b_ddltz", "e_ddl", "Button22", "Button23", "Button24", "Button25"}, nullptr,
             [](const ChartPage&, const TrendPage& view, const TextMetrics& m) {
               return BlueRatioChart(view, m);
             })},
      {"分布图", "ts_fbd", SlotSetup()},
      {"田野走势图", "ts_tyzsd", FieldSetup()},
  };
  for (const auto& p : pages) {
    auto* page = new ChartPage(fxd, p.setup);
    page->setObjectName(p.sheet);
    pc_bluefxd->addTab(page, QString::fromUtf8(p.caption));
  }
  connect(pc_bluefxd, &QTabWidget::currentChanged, this, &Tf_bluefxd::FillCurrentPage);
}

Tf_bluefxd::~Tf_bluefxd() = default;

void Tf_bluefxd::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (e->spontaneous()) return;
  if (pc_bluefxd->currentIndex() != 0)
    pc_bluefxd->setCurrentIndex(0);  // fills through the page change
  else
    FillCurrentPage();
}

void Tf_bluefxd::FillCurrentPage() {
  if (auto* page = qobject_cast<FxdPage*>(pc_bluefxd->currentWidget())) page->Fill();
}

}  // namespace dlt::gui
