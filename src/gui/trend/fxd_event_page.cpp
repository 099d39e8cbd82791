#include "gui/trend/fxd_event_page.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/trend/chart_view.h"
#include "history/draw_table.h"

namespace dlt::gui {

EventChartPage::EventChartPage(FxdContext& fxd, bool back, const Names& names, QWidget* parent)
    : FxdPage(parent), fxd_(fxd), back_(back) {
  auto* layout = new QVBoxLayout(this);
  picture_ = new ChartView(fxd_.app.shell, &fxd_.sprites, this);
  picture_->setObjectName(names.picture);
  picture_->SetSource([this](int w, int h, const TextMetrics& metrics) {
    return OmissionEventChart(events_, start_, Number(), w, h, metrics);
  });
  layout->addWidget(picture_, 1);

  auto* box = new QGroupBox(this);
  auto* row = new QHBoxLayout(box);
  row->addWidget(new QLabel(back_ ? QStringLiteral("副号") : QStringLiteral("主号"), box));
  number_ = new QComboBox(box);
  number_->setObjectName(names.numberBox);
  for (int n = 1; n <= (back_ ? 12 : 35); ++n) number_->addItem(QString::number(n));
  connect(number_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
  row->addWidget(number_);
  auto* paging = new PagingBar(
      fxd_.Table(), names.paging, [] { return kEventsPerPage; }, box);
  paging->SetMove([this](int delta) {
    start_ = MoveEventStart(start_, delta, static_cast<int>(events_.events.size()));
  });
  paging->Drive(picture_);
  connect(paging, &PagingBar::moved, picture_, &ChartView::Redraw);
  row->addWidget(paging, 1);
  auto* analyse = NamedButton(box, names.analysisButton, QStringLiteral("指标剖析"));
  connect(analyse, &QPushButton::clicked, this, &EventChartPage::Analyse);
  row->addWidget(analyse);
  layout->addWidget(box);
}

int EventChartPage::Number() const {
  return number_->currentIndex() + 1;
}

void EventChartPage::Rebuild() {
  events_ = NumberOmissionEvents(fxd_.Table().Draws(), Number(), back_);
  start_ = FirstEventPage(static_cast<int>(events_.events.size()));
}

void EventChartPage::Fill() {
  Rebuild();
  picture_->Redraw();
}

void EventChartPage::Analyse() {
  // The last event goes to the last draw, the one before to the draw before, ...
  std::vector<int32_t> omissions;
  for (const OmissionEvent& e : events_.events) omissions.push_back(e.omission);
  AnalysisSeries s;
  s.values = SeriesAtHistoryEnd(omissions, fxd_.Table().RecordCount());
  s.from = 0;
  s.to = events_.largest;
  s.caption = (back_ ? QStringLiteral("副区号码") : QStringLiteral("主区号码")) +
              QString::number(Number()) + QStringLiteral("的遗漏");
  OpenIndicatorAnalysis(fxd_.app, this, s);
}

}  // namespace dlt::gui
