#include "gui/trend/fxd_chart_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "chart/indicator_panel.h"
#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/trend/chart_view.h"

namespace dlt::gui {

ChartPage::ChartPage(FxdContext& fxd, ChartPageSetup setup, QWidget* parent)
    : FxdPage(parent), fxd_(fxd), setup_(std::move(setup)) {
  auto* layout = new QVBoxLayout(this);
  picture_ = new ChartView(fxd_.app.shell, &fxd_.sprites, this);
  picture_->setObjectName(setup_.picture);
  picture_->SetSource([this](int w, int h, const TextMetrics& metrics) {
    if (!setup_.chart) return Chart{};
    return setup_.chart(*this, fxd_.PageAt(Period(), w, h), metrics);
  });
  layout->addWidget(picture_, 1);

  auto* box = new QGroupBox(this);
  auto* boxLayout = new QVBoxLayout(box);
  if (!setup_.options.empty()) {
    auto* grid = new QGridLayout;
    options_ = new QButtonGroup(this);
    for (size_t i = 0; i < setup_.options.size(); ++i) {
      auto* rb = new QRadioButton(setup_.options[i].caption, box);
      rb->setObjectName(QString::fromStdString(setup_.options[i].name));
      options_->addButton(rb, static_cast<int>(i));
      grid->addWidget(rb, static_cast<int>(i) / setup_.optionColumns,
                      static_cast<int>(i) % setup_.optionColumns);
    }
    grid->setColumnStretch(setup_.optionColumns, 1);
    options_->button(0)->setChecked(true);
    connect(options_, &QButtonGroup::idClicked, this, [this] { picture_->Redraw(); });
    boxLayout->addLayout(grid);
  }

  if (!setup_.checks.empty()) {
    auto* checks = new QHBoxLayout;
    for (const ChartOption& o : setup_.checks) {
      auto* cb = new QCheckBox(o.caption, box);
      cb->setObjectName(QString::fromStdString(o.name));
      cb->setChecked(true);
      connect(cb, &QCheckBox::clicked, this, [this] { picture_->Redraw(); });
      checks->addWidget(cb);
      checks_.push_back(cb);
    }
    checks->addStretch();
    boxLayout->addLayout(checks);
  }
  if (!setup_.legend.isEmpty()) boxLayout->addWidget(new QLabel(setup_.legend, box));

  auto* row = new QHBoxLayout;
  if (*setup_.choiceBox) {
    choice_ = new QComboBox(box);
    choice_->setObjectName(setup_.choiceBox);
    for (const QString& c : setup_.choices) choice_->addItem(c);
    connect(choice_, &QComboBox::currentIndexChanged, this, [this] { picture_->Redraw(); });
    row->addWidget(choice_);
  }
  period_ = new QComboBox(box);
  period_->setObjectName(setup_.periodBox);
  for (const std::string& t : PeriodTexts()) period_->addItem(QString::fromStdString(t));
  connect(period_, &QComboBox::currentIndexChanged, this, [this] { picture_->Redraw(); });
  row->addWidget(period_);
  auto* paging = new PagingBar(
      fxd_.Table(), setup_.paging, [this] { return Period(); }, box);
  connect(paging, &PagingBar::moved, this, [this] { picture_->Redraw(); });
  row->addWidget(paging, 1);
  if (*setup_.analysisButton) {
    auto* analyse = NamedButton(box, setup_.analysisButton, QStringLiteral("指标剖析"));
    connect(analyse, &QPushButton::clicked, this, &ChartPage::Analyse);
    row->addWidget(analyse);
  }
  boxLayout->addLayout(row);
  layout->addWidget(box);
}

void ChartPage::Fill() {
  picture_->Redraw();
}

int ChartPage::Option() const {
  return options_ ? std::max(options_->checkedId(), 0) : 0;
}

const ChartOption* ChartPage::SelectedOption() const {
  return setup_.options.empty() ? nullptr : &setup_.options[Option()];
}

int ChartPage::Choice() const {
  return choice_ ? std::max(choice_->currentIndex(), 0) : 0;
}

bool ChartPage::Checked(int check) const {
  return check >= 0 && check < static_cast<int>(checks_.size()) && checks_[check]->isChecked();
}

int ChartPage::Period() const {
  return PeriodOfText(period_->currentText().toStdString());
}

void ChartPage::Analyse() {
  if (const ChartOption* o = SelectedOption()) AnalyseIndicator(fxd_.app, RequestForKey(o->key));
}

}  // namespace dlt::gui
