#include "gui/trend/fxd_distribution_page.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/common/paging_bar.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/legend_bar.h"
#include "history/draw_table.h"
#include "trend/distribution_chart.h"

namespace dlt::gui {

DistributionChartPage::DistributionChartPage(FxdContext& fxd, QWidget* parent)
    : FxdPage(parent), fxd_(fxd) {
  auto* layout = new QVBoxLayout(this);
  picture_ = new ChartView(fxd_.app.shell, &fxd_.sprites, this);
  picture_->setObjectName("i_fbd");
  picture_->SetSource([this](int w, int h, const TextMetrics&) {
    const DistributionPage page =
        ComputeDistributionPage(fxd_.Table().Draws(), fxd_.FullPageAnchor(kDistributionRows - 1));
    return DistributionChart(page, w, h, fxd_.displayMode, marks_ ? marks_->currentIndex() : 0);
  });
  // The picture's own menu carries the display modes too.
  if (fxd_.pm1) picture_->Menu()->insertActions(picture_->ExportAction(), fxd_.pm1->actions());
  layout->addWidget(picture_, 1);
  legend_ = new LegendBar("l_fbd_legend", &fxd_.sprites, this);
  layout->addWidget(legend_);

  auto* box = new QGroupBox(this);
  auto* row = new QHBoxLayout(box);
  marks_ = new QComboBox(box);
  marks_->setObjectName("cb_fbd");
  for (const std::string& t : DistributionMarkTexts()) marks_->addItem(QString::fromStdString(t));
  connect(marks_, &QComboBox::currentIndexChanged, this, &DistributionChartPage::Fill);
  row->addWidget(marks_);
  auto* refresh = NamedButton(box, "b_fbd", QStringLiteral("刷新"));
  connect(refresh, &QPushButton::clicked, this, &DistributionChartPage::Fill);
  row->addWidget(refresh);
  auto* paging = new PagingBar(
      fxd_.Table(), {"Button6", "e_fbdqs", "Button7", "Button8", "b_redfbd_prior", "b_redfbd_next"},
      [] { return kDistributionRows; }, box);
  paging->Drive(picture_);
  connect(paging, &PagingBar::moved, this, &DistributionChartPage::Fill);
  row->addWidget(paging, 1);
  layout->addWidget(box);
}

void DistributionChartPage::Fill() {
  legend_->SetEntries(DistributionLegend(fxd_.displayMode, marks_->currentIndex()));
  picture_->Redraw();
}

void DistributionChartPage::ScrollStep(bool down) {
  MoveAnchor(fxd_.Table(), down ? 1 : -1);
  Fill();
}

}  // namespace dlt::gui
