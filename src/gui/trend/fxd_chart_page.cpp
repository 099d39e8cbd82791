#include "gui/trend/fxd_chart_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/trend/chart_view.h"
#include "trend/indicator_panel.h"

namespace dlt::gui {

ChartPage::ChartPage(FxdContext& fxd, ChartPageSpec spec, QWidget* parent)
    : FxdPage(parent), fxd_(fxd), spec_(std::move(spec)) {
  auto* layout = new QVBoxLayout(this);
  picture_ = new ChartView(fxd_.app.shell, &fxd_.sprites, this);
  picture_->setObjectName(spec_.picture);
  picture_->SetSource([this](int w, int h, const TextMetrics& metrics) {
    if (!spec_.chart) return Chart{};
    return spec_.chart(*this, fxd_.PageAt(Period(), w, h), metrics);
  });
  layout->addWidget(picture_, 1);

  auto* box = new QGroupBox(this);
  auto* boxLayout = new QVBoxLayout(box);
  if (!spec_.options.empty()) {
    auto* grid = new QGridLayout;
    options_ = new QButtonGroup(this);
    for (size_t i = 0; i < spec_.options.size(); ++i) {
      auto* rb = new QRadioButton(spec_.options[i].caption, box);
      rb->setObjectName(QString::fromStdString(spec_.options[i].name));
      options_->addButton(rb, static_cast<int>(i));
      grid->addWidget(rb, static_cast<int>(i) / spec_.optionColumns,
                      static_cast<int>(i) % spec_.optionColumns);
    }
    grid->setColumnStretch(spec_.optionColumns, 1);
    options_->button(0)->setChecked(true);
    connect(options_, &QButtonGroup::idClicked, this, [this] { picture_->Redraw(); });
    boxLayout->addLayout(grid);
  }

  if (!spec_.checks.empty()) {
    auto* checks = new QHBoxLayout;
    for (const ChartOption& o : spec_.checks) {
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
  if (!spec_.legend.isEmpty()) boxLayout->addWidget(new QLabel(spec_.legend, box));

  auto* row = new QHBoxLayout;
  if (*spec_.choiceBox) {
    choice_ = new QComboBox(box);
    choice_->setObjectName(spec_.choiceBox);
    for (const QString& c : spec_.choices) choice_->addItem(c);
    connect(choice_, &QComboBox::currentIndexChanged, this, [this] { picture_->Redraw(); });
    row->addWidget(choice_);
  }
  period_ = new QComboBox(box);
  period_->setObjectName(spec_.periodBox);
  for (const std::string& t : PeriodTexts()) period_->addItem(QString::fromStdString(t));
  connect(period_, &QComboBox::currentIndexChanged, this, [this] { picture_->Redraw(); });
  row->addWidget(period_);
  auto* paging = new PagingBar(
      fxd_.Table(), spec_.paging, [this] { return Period(); }, box);
  connect(paging, &PagingBar::moved, this, [this] { picture_->Redraw(); });
  row->addWidget(paging, 1);
  if (*spec_.analysisButton) {
    auto* analyse = NamedButton(box, spec_.analysisButton, QStringLiteral("指标剖析"));
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
  return spec_.options.empty() ? nullptr : &spec_.options[Option()];
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
  if (const ChartOption* o = SelectedOption())
    AnalyseIndicator(fxd_.app, this, RequestForKey(o->key));
}

}  // namespace dlt::gui
