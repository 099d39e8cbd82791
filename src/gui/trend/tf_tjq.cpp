#include "gui/trend/tf_tjq.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "common/numbers.h"
#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/below_toolbar.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/tdm.h"
#include "gui/common/grid_view.h"
#include "gui/history/tf_coldhotset.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/draw_range_bar.h"
#include "gui/trend/item_groups_view.h"
#include "history/draw_table.h"
#include "indicators/coldhot.h"

namespace dlt::gui {
namespace {

QRadioButton* Radio(QWidget* parent, QButtonGroup* group, const char* name, const QString& caption,
                    int id) {
  auto* rb = new QRadioButton(caption, parent);
  rb->setObjectName(name);
  group->addButton(rb, id);
  return rb;
}

QComboBox* DivisorBox(QWidget* parent, const char* name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const std::string& t : RemainderBoxTexts()) box->addItem(QString::fromStdString(t));
  return box;
}

}  // namespace

Tf_tjq::Tf_tjq(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_tjq");
  setWindowTitle(QStringLiteral("统计区"));
  OpenBelowToolbar(*this, kFillArea, app, /*everyShow=*/true);

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  range_ = new DrawRangeBar(app_.Table(),
                            {"rb_fxtj_nearqs", "combo_fxtj_nearqs", "sb_fxtj", "rb_fxtj_self",
                             "cb_fxtj_from", "cb_fxtj_to", "l_tjq"},
                            this);
  connect(range_, &DrawRangeBar::changed, this, &Tf_tjq::Start);
  top->addWidget(range_);
  auto* start = NamedButton(this, "b_kstj", QStringLiteral("开始统计"));
  connect(start, &QPushButton::clicked, this, &Tf_tjq::Start);
  top->addWidget(start);
  cb_tjq_expected = new QCheckBox(QStringLiteral("显示期望值"), this);
  cb_tjq_expected->setObjectName("cb_tjq_expected");
  cb_tjq_expected->setToolTip(
      QStringLiteral("在各项统计旁给出纯属偶然时的期望次数和偏差（标准差倍数），并做χ²拟合检验"));
  connect(cb_tjq_expected, &QCheckBox::toggled, this, [this] {
    i_hmtjjzd->Redraw();
    ShowItems();
  });
  top->addWidget(cb_tjq_expected);
  top->addStretch();
  layout->addLayout(top);

  auto* coldHot = new QGridLayout;
  l_coldhot = new QLabel(this);
  l_coldhot->setObjectName("l_coldhot");
  l_f_coldhot = new QLabel(this);
  l_f_coldhot->setObjectName("l_f_coldhot");
  auto* front = NamedButton(this, "b_coldhotset", QStringLiteral("主区冷热号设置 "));
  auto* back = NamedButton(this, "b_f_coldhotset", QStringLiteral("副区冷热号设置 "));
  connect(front, &QPushButton::clicked, this, [this] { EditColdHot(false); });
  connect(back, &QPushButton::clicked, this, [this] { EditColdHot(true); });
  coldHot->addWidget(front, 0, 0);
  coldHot->addWidget(l_coldhot, 0, 1);
  coldHot->addWidget(back, 1, 0);
  coldHot->addWidget(l_f_coldhot, 1, 1);
  coldHot->setColumnStretch(1, 1);
  layout->addLayout(coldHot);

  PageControl2 = new QTabWidget(this);
  PageControl2->setObjectName("PageControl2");
  PageControl2->addTab(BuildBarPage(), QStringLiteral("号码统计柱状图"));
  PageControl2->addTab(BuildItemPageOne(), QStringLiteral("分项统计一"));
  PageControl2->addTab(BuildItemPageTwo(), QStringLiteral("分项统计二"));
  PageControl2->addTab(BuildRepeatPage(), QStringLiteral("历史五个主号完全相同记录"));
  layout->addWidget(PageControl2, 1);

  // The cold/hot dialog classifies the lists again; the labels follow. A
  // forecast written or deleted elsewhere changes the issues on offer.
  if (app_.dm) {
    connect(app_.dm, &Tdm::coldHotChanged, this, &Tf_tjq::ShowColdHot);
    connect(app_.dm, &Tdm::tableChanged, this, [this] {
      range_->FollowTable();
      if (isVisible()) Start();
    });
  }
}

QWidget* Tf_tjq::BuildBarPage() {
  auto* page = new QWidget;
  page->setObjectName("ts_jzd");
  auto* layout = new QVBoxLayout(page);
  i_hmtjjzd = new ChartView(app_.shell, nullptr, page);
  i_hmtjjzd->setObjectName("i_hmtjjzd");
  i_hmtjjzd->SetSource([this](int w, int h, const TextMetrics& metrics) {
    if (!computed_) return Chart{w, h, colours::kWhite, {}};
    const bool back = zone_->checkedId() == 1;
    NumberBarSetup setup;
    setup.zone = back ? &tally_.back : &tally_.front;
    setup.slotCount = back ? kBackMax : kFrontMax;
    setup.order = static_cast<BarOrder>(std::max(order_->checkedId(), 0));
    setup.counts = cb_appcs->isChecked();
    setup.omissions = cb_conccs->isChecked();
    setup.width = w;
    setup.height = h;
    if (cb_tjq_expected->isChecked()) setup.chance = back ? &backChance_ : &frontChance_;
    return NumberBarChart(setup, metrics);
  });
  layout->addWidget(i_hmtjjzd, 1);

  auto* box = new QGroupBox(page);
  auto* row = new QHBoxLayout(box);
  zone_ = new QButtonGroup(page);
  row->addWidget(Radio(box, zone_, "rb_zhtj", QStringLiteral("主号统计"), 0));
  row->addWidget(Radio(box, zone_, "rb_fhtj", QStringLiteral("副号统计"), 1));
  row->addSpacing(16);
  order_ = new QButtonGroup(page);
  row->addWidget(Radio(box, order_, "rb_hmxs", QStringLiteral("按号码显示"), 0));
  row->addWidget(Radio(box, order_, "rb_cxcssx", QStringLiteral("按出现次数顺序"), 1));
  row->addWidget(Radio(box, order_, "rb_ylcssx", QStringLiteral("按遗漏次数顺序"), 2));
  zone_->button(0)->setChecked(true);
  order_->button(0)->setChecked(true);
  row->addSpacing(16);
  cb_appcs = new QCheckBox(QStringLiteral("出现次数"), box);
  cb_appcs->setObjectName("cb_appcs");
  cb_conccs = new QCheckBox(QStringLiteral("遗漏次数"), box);
  cb_conccs->setObjectName("cb_conccs");
  for (QCheckBox* c : {cb_appcs, cb_conccs}) {
    c->setChecked(true);
    row->addWidget(c);
    connect(c, &QCheckBox::clicked, i_hmtjjzd, &ChartView::Redraw);
  }
  row->addStretch();
  for (QButtonGroup* g : {zone_, order_})
    connect(g, &QButtonGroup::idClicked, i_hmtjjzd, &ChartView::Redraw);
  layout->addWidget(box);
  return page;
}

QWidget* Tf_tjq::BuildItemPageOne() {
  auto* page = new QWidget;
  page->setObjectName("ts_fxtj1");
  auto* layout = new QVBoxLayout(page);
  pageOne_ = new ItemGroupsView(4, page);
  connect(pageOne_, &ItemGroupsView::analyseRequested, this,
          [this](const std::string& key) { AnalyseIndicator(app_, RequestForKey(key)); });
  layout->addWidget(pageOne_, 1);
  return page;
}

QWidget* Tf_tjq::BuildItemPageTwo() {
  auto* page = new QWidget;
  page->setObjectName("ts_fxtj2");
  auto* layout = new QVBoxLayout(page);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("主区余数:"), page));
  cb_ys = DivisorBox(page, "cb_ys");
  row->addWidget(cb_ys);
  row->addWidget(new QLabel(QStringLiteral("副区余数:"), page));
  cb_blueys = DivisorBox(page, "cb_blueys");
  row->addWidget(cb_blueys);
  for (QComboBox* c : {cb_ys, cb_blueys})
    connect(c, &QComboBox::currentIndexChanged, this, &Tf_tjq::Start);
  row->addStretch();
  layout->addLayout(row);

  auto* seven = new QGroupBox(QStringLiteral("七区"), page);
  auto* sevenRow = new QHBoxLayout(seven);
  const char* names[7] = {"e_1to5",   "e_6to10",  "e_11to15", "e_16to20",
                          "e_21to25", "e_26to30", "e_31to35"};
  for (int z = 0; z < 7; ++z) {
    sevenRow->addWidget(new QLabel(QStringLiteral("%1-%2:").arg(5 * z + 1).arg(5 * z + 5), seven));
    sevenths_[z] = new QLineEdit(seven);
    sevenths_[z]->setObjectName(names[z]);
    sevenths_[z]->setReadOnly(true);
    sevenths_[z]->setFixedWidth(60);
    sevenRow->addWidget(sevenths_[z]);
  }
  sevenRow->addStretch();
  layout->addWidget(seven);
  pageTwo_ = new ItemGroupsView(3, page);
  connect(pageTwo_, &ItemGroupsView::analyseRequested, this,
          [this](const std::string& key) { AnalyseIndicator(app_, RequestForKey(key)); });
  layout->addWidget(pageTwo_, 1);
  return page;
}

QWidget* Tf_tjq::BuildRepeatPage() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet1");
  auto* layout = new QVBoxLayout(page);
  auto* list = NamedButton(page, "Button1", QStringLiteral("统计显示"));
  connect(list, &QPushButton::clicked, this, &Tf_tjq::ListRepeats);
  auto* row = new QHBoxLayout;
  row->addWidget(list);
  row->addStretch();
  layout->addLayout(row);
  repeats_ = new QStandardItemModel(0, 6, page);
  repeats_->setHorizontalHeaderLabels({QStringLiteral("期数"), QStringLiteral("主号一"),
                                       QStringLiteral("主号二"), QStringLiteral("主号三"),
                                       QStringLiteral("主号四"), QStringLiteral("主号五")});
  DBGrid1 = new QTableView(page);
  DBGrid1->setObjectName("DBGrid1");
  DBGrid1->setModel(repeats_);
  SetUpGridView(DBGrid1, app_.shell);
  layout->addWidget(DBGrid1, 1);
  return page;
}

void Tf_tjq::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (e->spontaneous()) return;
  range_->FillIssues();
  PageControl2->setCurrentIndex(0);
  // The window opens on the default range's figures.
  Start();
}

void Tf_tjq::Start() {
  const DrawTable& table = app_.Table();
  const DrawRange range = range_->Range();
  tally_ = TallyNumbers(table.Draws(), range);
  frontChance_ = NumberTallyChance(tally_.front, std::max(range.count, 0), false);
  backChance_ = NumberTallyChance(tally_.back, std::max(range.count, 0), true);
  if (const int32_t qs = range_->LastIssue())
    ClassifyNumbers(table.Draws(), qs, app_.env.coldHot, app_.coldHot);
  ShowColdHot();
  computed_ = true;
  i_hmtjjzd->Redraw();
  items_ = TallyItems(table.Draws(), range);
  ShowItems();
}

void Tf_tjq::ShowItems() {
  const int frontDivisor = cb_ys->currentIndex() + 3, backDivisor = cb_blueys->currentIndex() + 3;
  pageOne_->SetGroups(ItemGroupsPageOne(items_));
  pageTwo_->SetGroups(ItemGroupsPageTwo(items_, frontDivisor, backDivisor));
  const bool chance = cb_tjq_expected->isChecked();
  pageOne_->SetChances(chance ? ItemChancesPageOne(items_) : std::vector<ItemGroupChance>{});
  pageTwo_->SetChances(chance ? ItemChancesPageTwo(items_, frontDivisor, backDivisor)
                              : std::vector<ItemGroupChance>{});
  for (int z = 0; z < 7; ++z) sevenths_[z]->setText(QString::number(items_.sevenths[z]));
}

void Tf_tjq::ShowColdHot() {
  const ColdHotLists& l = app_.coldHot;
  l_coldhot->setText(
      QString::fromStdString(ColdHotLine(l.frontCold, l.frontWarm, l.frontHot, false)));
  l_f_coldhot->setText(
      QString::fromStdString(ColdHotLine(l.backCold, l.backWarm, l.backHot, true)));
}

void Tf_tjq::EditColdHot(bool back) {
  const int32_t qs = range_->LastIssue();
  EditColdHotSettings(app_, back ? ColdHotZone::Back : ColdHotZone::Front,
                      qs ? std::optional<int32_t>(qs) : std::nullopt);
}

void Tf_tjq::ListRepeats() {
  const std::vector<Draw> draws = app_.Table().RepeatedFrontDraws();
  repeats_->removeRows(0, repeats_->rowCount());
  for (const Draw& d : draws) {
    QList<QStandardItem*> row{new QStandardItem(QString::number(d.qs))};
    for (int n : d.front) row << new QStandardItem(QString::fromStdString(TwoDigit(n)));
    for (QStandardItem* cell : row) cell->setTextAlignment(Qt::AlignCenter);
    repeats_->appendRow(row);
  }
  if (draws.empty()) app_.shell.Inform(this, QStringLiteral("历史数据中尚未发现完全重复的记录"));
}

}  // namespace dlt::gui
