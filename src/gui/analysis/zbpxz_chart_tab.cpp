#include "gui/analysis/zbpxz_chart_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "chart/indicator_panel.h"
#include "chart/page_window.h"
#include "gui/app/app_context.h"
#include "gui/common/auto_scroller.h"
#include "gui/trend/chart_view.h"
#include "history/draw_table.h"

namespace dlt::gui {

ChartTab::ChartTab(ZbpxzContext& z, const char* pictureName, AutoScroller& scroller,
                   QWidget* parent)
    : ZbpxzTab(z, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  picture_ = new ChartView(z_.app.shell, &z_.sprites, this);
  picture_->setObjectName(pictureName);
  picture_->SetSource(
      [this](int w, int h, const TextMetrics& metrics) { return Build(w, h, metrics); });
  scroller.AddItemsTo(picture_->Menu());
  layout->addWidget(picture_, 1);
  controls_ = new QHBoxLayout;
  layout->addLayout(controls_);
  paging_ = new QHBoxLayout;
  layout->addLayout(paging_);
}

PagingBar::TableOf ChartTab::TableOf() const {
  return [&z = z_]() -> DrawTable& { return z.Table(); };
}

void ChartTab::Fill() {
  picture_->Redraw();
}

PagingBar* ChartTab::AddPaging(const PagingNames& names, std::function<int()> pageSize,
                               PagingBar::Move move) {
  auto* bar = new PagingBar(TableOf(), names, std::move(pageSize), this);
  bar->SetMove(std::move(move));
  bar->Drive(picture_);
  connect(bar, &PagingBar::moved, this, [this] { Fill(); });
  paging_->addWidget(bar, 1);
  return bar;
}

void ChartTab::AddChanceBox(const char* name) {
  chance_ = new QCheckBox(QStringLiteral("显示期望值"), this);
  chance_->setObjectName(name);
  chance_->setToolTip(
      QStringLiteral("按下一期各取值的精确机会，显示纯属偶然时应有的次数及实际偏离了几个标准差"));
  connect(chance_, &QCheckBox::toggled, this, [this] { Fill(); });
  controls_->addWidget(chance_);
}

const ValueDistribution* ChartTab::ShownChance() {
  if (!chance_ || !chance_->isChecked()) return nullptr;
  const ValueDistribution* chance = z_.Chance(this);
  if (!chance) {
    const QSignalBlocker quiet(chance_);
    chance_->setChecked(false);
  }
  return chance;
}

PagedChartTab::PagedChartTab(ZbpxzContext& z, const char* pictureName, const char* periodBox,
                             const PagingNames& paging, AutoScroller& scroller, QWidget* parent)
    : ChartTab(z, pictureName, scroller, parent) {
  bar_ = new PagingBar(TableOf(), paging, nullptr, this);
  bar_->AddZoomBox(periodBox);
  bar_->Drive(Picture());
  connect(bar_, &PagingBar::moved, this, [this] { Fill(); });
  PagingRow()->addWidget(bar_, 1);
}

int PagedChartTab::Period() const {
  return bar_->PageSize();
}

void PagedChartTab::ScrollStep(bool forward) {
  DrawTable& table = z_.Table();
  if (table.Empty()) return;
  // Scrolling right stops once the page reaches the last draw.
  if (forward && table.Position() + Period() >= table.RecordCount() - 1) return;
  table.MoveBy(forward ? 1 : -1);
  Fill();
}

Chart PagedChartTab::Build(int width, int height, const TextMetrics& metrics) {
  if (z_.Table().Empty()) return {};
  return BuildPage(z_.ViewAt(Period(), width, height), metrics);
}

}  // namespace dlt::gui
