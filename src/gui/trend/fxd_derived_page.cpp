#include "gui/trend/fxd_derived_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "chart/indicator_panel.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/fxd_derived_tools.h"
#include "indicators/indicator.h"
#include "trend/derived_chart.h"

namespace dlt::gui {

DerivedChartPage::DerivedChartPage(FxdContext& fxd, const DerivedChartNames& names, QWidget* parent)
    : FxdPage(parent), fxd_(fxd) {
  auto* layout = new QVBoxLayout(this);
  picture_ = new ChartView(fxd_.app.shell, &fxd_.sprites, this);
  picture_->setObjectName(names.picture);
  picture_->SetSource([this](int w, int h, const TextMetrics& metrics) {
    if (shown_.empty()) return Chart{};
    return DerivedSeriesChart(fxd_.PageAt(Period(), w, h), shown_, metrics).chart;
  });
  layout->addWidget(picture_, 1);

  box_ = new QGroupBox(this);
  auto* boxLayout = new QVBoxLayout(box_);
  options_ = new QVBoxLayout;
  boxLayout->addLayout(options_);
  auto* row = new QHBoxLayout;
  period_ = new QComboBox(box_);
  period_->setObjectName(names.periodBox);
  for (const std::string& t : PeriodTexts()) period_->addItem(QString::fromStdString(t));
  connect(period_, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
  row->addWidget(period_);
  auto* paging = new PagingBar(
      fxd_.Table(), names.paging, [this] { return Period(); }, box_);
  connect(paging, &PagingBar::moved, this, [this] { Redraw(); });
  row->addWidget(paging, 1);
  auto* analyse = NamedButton(box_, names.analysisButton, QStringLiteral("指标剖析"));
  connect(analyse, &QPushButton::clicked, this, [this] { Analyse(); });
  row->addWidget(analyse);
  auto* transfer =
      NamedButton(box_, names.transferButton, QString::fromUtf8(names.transferCaption));
  connect(transfer, &QPushButton::clicked, this, [this] { Transfer(); });
  row->addWidget(transfer);
  boxLayout->addLayout(row);
  layout->addWidget(box_, 0, Qt::AlignHCenter);
}

int DerivedChartPage::Period() const {
  return PeriodOfText(period_->currentText().toStdString());
}

bool DerivedChartPage::Redraw() {
  const std::optional<std::string> text = BuildText();
  if (!text) return false;
  // Evaluated once at the anchor's page first: a formula that fails keeps the old chart.
  const FixedTextMetrics metrics;
  const DerivedChart probe = DerivedSeriesChart(
      fxd_.PageAt(Period(), picture_->width(), picture_->height()), *text, metrics);
  if (!probe.ok()) {
    fxd_.app.shell.Inform(this, QString::fromStdString(probe.error));
    return false;
  }
  shown_ = *text;
  picture_->Redraw();
  return true;
}

DerivedSeriesPage::DerivedSeriesPage(FxdContext& fxd, const DerivedChartNames& names,
                                     std::vector<const DerivedFamily*> families, int checked,
                                     QWidget* parent)
    : DerivedChartPage(fxd, names, parent) {
  auto* grid = new QGridLayout;
  radios_ = new QButtonGroup(this);
  const int rows = (static_cast<int>(families.size()) + 1) / 2;
  for (size_t i = 0; i < families.size(); ++i) {
    const DerivedFamily* f = families[i];
    Family entry{f, nullptr, {}};
    auto* line = new QHBoxLayout;
    auto* radio = new QRadioButton(QString::fromUtf8(f->caption), box_);
    radio->setObjectName(f->radio);
    radios_->addButton(radio, static_cast<int>(i));
    line->addWidget(radio);
    if (*f->styleBox) {
      entry.style = new QComboBox(box_);
      entry.style->setObjectName(f->styleBox);
      for (const std::string& t : StyleTexts()) entry.style->addItem(QString::fromStdString(t));
      connect(entry.style, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
      line->addWidget(entry.style);
    }
    for (const DerivedParam& p : f->params) {
      if (*p.before) line->addWidget(new QLabel(QString::fromUtf8(p.before), box_));
      auto* combo = new QComboBox(box_);
      combo->setObjectName(p.box);
      if (p.listMax < 0) {
        // The kinds of the same-position family: the key takes the item index.
        for (const std::string& k : SamePositionKinds()) combo->addItem(QString::fromStdString(k));
      } else {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(4);
        connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, combo] {
          if (combo->lineEdit()->isModified()) {
            combo->lineEdit()->setModified(false);
            Redraw();
          }
        });
      }
      connect(combo, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
      line->addWidget(combo);
      if (*p.after) line->addWidget(new QLabel(QString::fromUtf8(p.after), box_));
      entry.params.push_back(combo);
    }
    line->addStretch(1);
    grid->addLayout(line, static_cast<int>(i) % rows, static_cast<int>(i) / rows);
    families_.push_back(entry);
  }
  radios_->button(checked)->setChecked(true);
  connect(radios_, &QButtonGroup::idClicked, this, [this] { Redraw(); });
  options_->addLayout(grid);
  FormShow();
}

void DerivedSeriesPage::FormShow() {
  for (const Family& f : families_)
    for (size_t i = 0; i < f.params.size(); ++i) {
      const DerivedParam& p = f.family->params[i];
      QComboBox* box = f.params[i];
      const QSignalBlocker block(box);
      if (p.listMax >= 0) FillNumberItems(box, p.listMax);
      box->setCurrentIndex(QString::fromUtf8(p.defaultText).toInt());
    }
}

std::string DerivedSeriesPage::Key() const {
  const Family& f = families_[std::max(radios_->checkedId(), 0)];
  std::vector<std::string> params;
  for (size_t i = 0; i < f.params.size(); ++i)
    params.push_back(f.family->params[i].listMax < 0 ? std::to_string(f.params[i]->currentIndex())
                                                     : f.params[i]->currentText().toStdString());
  return DerivedKey(*f.family, f.style ? f.style->currentIndex() : 0, params);
}

std::optional<std::string> DerivedSeriesPage::BuildText() {
  const std::string key = Key();
  const Resolution r = ResolveIndicator(key);
  if (!r.ok()) {
    fxd_.app.shell.Inform(this, QString::fromStdString(r.error.empty() ? key : r.error));
    return std::nullopt;
  }
  return key;
}

void DerivedSeriesPage::Analyse() {
  const std::optional<std::string> key = BuildText();
  if (!key) return;
  const QString text = QString::fromStdString(*key);
  AnalyseText(fxd_.app, text, text);
}

void DerivedSeriesPage::Transfer() {
  const std::optional<std::string> key = BuildText();
  if (key) OpenCustomIndicatorEntry(fxd_.app, QString::fromStdString(*key));
}

DerivedSeriesPage* MakeExtendPage(FxdContext& fxd) {
  std::vector<const DerivedFamily*> families;
  for (const DerivedFamily& f : ExtendFamilies()) families.push_back(&f);
  return new DerivedSeriesPage(
      fxd,
      {"i_extend",
       "cb_extend_qs",
       {"b_extend_jump", "e_extend", "b_extend_sy", "b_extend_xy", "b_extend_st", "b_extend_xt"},
       "b_extend_zbpx",
       "b_extend_tofilter",
       "转至过滤设置"},
      families, 4);  // "分区相关："
}

DerivedSeriesPage* MakeExtend2Page(FxdContext& fxd) {
  return new DerivedSeriesPage(
      fxd,
      {"i_extend2",
       "cb_extend2_qs",
       {"Button2", "e_extend2", "Button15", "Button16", "Button17", "Button54"},
       "b_extend2_zbpx",
       "b_extend2_tofilter",
       "转至过滤设置"},
      {&SamePositionFamily()}, 0);
}

}  // namespace dlt::gui
