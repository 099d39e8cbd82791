#include "gui/analysis/tf_zbpxz.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/page_window.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/analysis/zbpxz_tabs.h"
#include "gui/app/app_context.h"
#include "gui/app/below_toolbar.h"
#include "gui/common/auto_scroller.h"
#include "gui/common/tab_rows.h"
#include "history/draw_table.h"
#include "indicators/catalogue.h"

namespace dlt::gui {

QString AnalysedName(const AnalysisSeries& series) {
  const tsetaccostr* row = series.key.empty() ? nullptr : FindCatalogueRow(series.key);
  // A bare key says nothing to the user: the indicator's label does.
  if (!series.caption.isEmpty() && series.caption != QString::fromStdString(series.key))
    return series.caption;
  if (row) return QString::fromStdString(row->label);
  if (!series.formula.empty()) return QString::fromStdString(series.formula);
  if (!series.key.empty()) return QString::fromStdString(series.key);
  return QStringLiteral("指标剖析");
}

Tf_zbpxz::Tf_zbpxz(AppContext& app, QWidget* parent)
    : QWidget(parent), app_(app), z_(std::make_unique<ZbpxzContext>(app)) {
  setObjectName("Tf_zbpxz");
  setWindowTitle(QString());
  OpenBelowToolbar(*this, QSize(1180, 760), app, /*everyShow=*/false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("PageControl1");
  layout->addWidget(tabs_);
  scroller_ = new AutoScroller(this, "pm_zsd", "t_zsd", false, [this](bool forward) {
    if (current_ >= 0) pages_[current_]->ScrollStep(forward);
  });

  ZbpxzContext& z = *z_;
  AutoScroller& s = *scroller_;
  const std::vector<std::pair<const char*, ZbpxzTab*>> tabs = {
      {"均值走势图", MakeMeanTab(z, s, tabs_)},
      {"余数走势图", MakeRemainderTab(z, s, tabs_)},
      {"特征图", MakeFeatureTab(z, s, tabs_)},
      {"变化量及尾数图", MakeChangeTab(z, s, tabs_)},
      {"数据分布图", MakeDistributionTab(z, s, tabs_)},
      {"田野走势图", MakeFieldTab(z, s, tabs_)},
      {"遗漏值走势", MakeOmissionValueTab(z, s, tabs_)},
      {"单个取值遗漏走势", MakeSingleValueTab(z, s, tabs_)},
      {"遗漏分布图表", MakeOmissionTableTab(z, tabs_)},
      {"出现次数统计图", MakeOccurrenceTab(z, s, tabs_)},
      {"分项统计", MakeItemTab(z, s, tabs_)},
      {"遗漏次数统计图", MakeOmissionStatsTab(z, s, tabs_)},
      {"按期数分段走势", MakeSegmentTab(z, s, tabs_)},
      {"信号图", MakeRunChartTab(z, s, tabs_)},
      {"特性图表", MakeTraitTableTab(z, tabs_)},
  };
  for (const auto& [caption, page] : tabs) {
    tabs_->addTab(page, QString::fromUtf8(caption));
    pages_.push_back(page);
  }
  connect(tabs_, &QTabWidget::currentChanged, this, &Tf_zbpxz::TabChanged);
  // Fifteen captions in full need two rows in a window narrower than the screen.
  TabRows::Replace(tabs_, 2);
}

Tf_zbpxz::~Tf_zbpxz() = default;

void Tf_zbpxz::Analyse(const AnalysisSeries& series) {
  hide();
  DrawTable& history = app_.Table();
  if (series.modal && !history.Empty()) returnTo_ = history.CurrentDraw().qs;
  DrawTable& table = z_->UseDraws(series.draws);
  const int count = std::min<int>(table.RecordCount(), static_cast<int>(series.values.size()));
  for (int i = 0; i < count; ++i) table.SetScratch(ScratchField::Test, i, series.values[i]);
  table.Last();
  table.MoveBy(-kPageSpan);
  setWindowTitle(AnalysedName(series));
  shown_ = ShownSeries{series.from, series.to, series.key, series.formula};
  // The window is shared with the toolbar, which shows it without modality.
  setWindowModality(series.modal ? Qt::ApplicationModal : Qt::NonModal);
  show();
  raise();
}

void Tf_zbpxz::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window restored by the window system keeps its state; only showing it
  // on a series starts over.
  if (event->spontaneous()) return;
  ZbpxzContext& z = *z_;
  z.caption = windowTitle();
  if (shown_) {
    z.from = shown_->from;
    z.to = shown_->to;
  }
  if (z.to < z.from) std::swap(z.from, z.to);
  z.key = shown_ ? shown_->key : std::string();
  z.formula = shown_ ? shown_->formula : std::string();
  z.ForgetChance();
  for (ZbpxzTab* page : pages_) page->Reset();
  current_ = -1;
  const QSignalBlocker quiet(tabs_);
  tabs_->setCurrentIndex(0);
  TabChanged(0);
}

void Tf_zbpxz::hideEvent(QHideEvent* event) {
  scroller_->Stop();
  if (current_ >= 0) pages_[current_]->Leave();
  QWidget::hideEvent(event);
  // Minimised by the window system: the analysis goes on afterwards.
  if (event->spontaneous()) return;
  setWindowModality(Qt::NonModal);
  z_->UseDraws({});
  if (returnTo_) app_.Table().LocateDraw(*returnTo_);
  returnTo_.reset();
}

// Leaving a tab stops its scrolling; the tab shown draws itself again.
void Tf_zbpxz::TabChanged(int index) {
  scroller_->Stop();
  if (current_ >= 0 && current_ != index) pages_[current_]->Leave();
  current_ = index;
  if (index >= 0 && index < static_cast<int>(pages_.size()) && !app_.Table().Empty())
    pages_[index]->Fill();
}

}  // namespace dlt::gui
