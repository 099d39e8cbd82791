#include "gui/trend/moredb_pairs_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include "common/numbers.h"
#include "gui/app/app_context.h"
#include "gui/app/tdm.h"
#include "gui/common/grid_view.h"
#include "gui/trend/cell_look_delegate.h"
#include "gui/trend/draw_range_bar.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

const QColor kPlain(209, 254, 254);

QComboBox* ThresholdBox(QWidget* parent, const char* name, int value) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (int v = 0; v <= kPairThresholdMax; ++v) box->addItem(QString::number(v));
  box->setCurrentIndex(value);
  box->setMaxVisibleItems(20);
  return box;
}

QListView* ListOf(QWidget* parent, const char* name, QStringListModel* model) {
  auto* list = new QListView(parent);
  list->setObjectName(name);
  list->setModel(model);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("01:02==>1000次")) +
                        30);
  return list;
}

}  // namespace

void PairModel::Set(const PairMatrix& m) {
  beginResetModel();
  matrix_ = m;
  endResetModel();
}

int PairModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kFrontMax;
}

int PairModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kFrontMax;
}

QVariant PairModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() == index.column()) return {};
  return Count(index.row() + 1, index.column() + 1);
}

QVariant PairModel::headerData(int section, Qt::Orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  return section + 1;
}

PairsPage::PairsPage(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  range_ = new DrawRangeBar(app_.Table(),
                            {"rb_xsxk_nearqs", "combo_xsxk_nearqs", "sb_xsxk", "rb_xsxk_self",
                             "cb_xsxk_from", "cb_xsxk_to", "l_xsxk"},
                            this);
  connect(range_, &DrawRangeBar::changed, this, &PairsPage::Fill);
  if (app_.dm)
    connect(app_.dm, &Tdm::tableChanged, this, [this] {
      range_->FollowTable();
      if (isVisible()) Fill();
    });
  top->addWidget(range_);
  top->addSpacing(12);
  top->addWidget(new QLabel(QStringLiteral("相生：次数大于"), this));
  above_ = ThresholdBox(this, "cb_xsxk_xs", kDefaultTogether);
  top->addWidget(above_);
  top->addWidget(new QLabel(QStringLiteral("相克：次数小于"), this));
  below_ = ThresholdBox(this, "cb_xsxk_xk", kDefaultApart);
  top->addWidget(below_);
  top->addStretch();
  for (QComboBox* c : {above_, below_})
    connect(c, &QComboBox::currentIndexChanged, this, &PairsPage::Fill);
  layout->addLayout(top);

  auto* body = new QHBoxLayout;
  model_ = new PairModel(this);
  grid_ = new QTableView(this);
  grid_->setObjectName("sg_xsxk");
  grid_->setModel(model_);
  grid_->setItemDelegate(new CellLookDelegate(
      [this](const QModelIndex& i) {
        if (i.row() == i.column()) return CellLook{kPlain, Qt::black};
        const int32_t c = model_->Count(i.row() + 1, i.column() + 1);
        if (c > above_->currentIndex()) return CellLook{Qt::red, Qt::black};
        if (c < below_->currentIndex()) return CellLook{QColor(0, 128, 0), Qt::black};
        return CellLook{kPlain, Qt::black};
      },
      grid_));
  SetUpGridView(grid_, app_.shell);
  // The numbers head both ways.
  grid_->verticalHeader()->show();
  grid_->horizontalHeader()->setStyleSheet(GridHeaderStyle());
  grid_->verticalHeader()->setStyleSheet(GridHeaderStyle());
  // Square cells as wide as " 01 ".
  const int side = grid_->fontMetrics().horizontalAdvance(QStringLiteral(" 01 ")) + 6;
  grid_->horizontalHeader()->setMinimumSectionSize(side);
  grid_->horizontalHeader()->setDefaultSectionSize(side);
  grid_->verticalHeader()->setMinimumSectionSize(side);
  grid_->verticalHeader()->setDefaultSectionSize(side);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  body->addWidget(grid_, 1);

  auto* lists = new QGridLayout;
  together_ = new QStringListModel(this);
  apart_ = new QStringListModel(this);
  togetherCount_ = new QLabel(this);
  togetherCount_->setObjectName("l_xsxk_xs");
  apartCount_ = new QLabel(this);
  apartCount_->setObjectName("l_xsxk_xk");
  lists->addWidget(togetherCount_, 0, 0);
  lists->addWidget(ListOf(this, "lb_xsxk_xs", together_), 1, 0);
  lists->addWidget(apartCount_, 0, 1);
  lists->addWidget(ListOf(this, "lb_xsxk_xk", apart_), 1, 1);
  body->addLayout(lists);
  layout->addLayout(body, 1);
}

void PairsPage::FillIssues() {
  range_->FillIssues();
}

void PairsPage::Fill() {
  const PairMatrix m = CountPairs(app_.Table().Draws(), range_->Range());
  model_->Set(m);
  lists_ = ListPairs(m, above_->currentIndex(), below_->currentIndex());
  auto texts = [](const std::vector<PairEntry>& entries) {
    QStringList l;
    for (const PairEntry& e : entries) l << QString::fromStdString(PairEntryText(e));
    return l;
  };
  together_->setStringList(texts(lists_.together));
  apart_->setStringList(texts(lists_.apart));
  togetherCount_->setText(QStringLiteral("相生[%1]").arg(lists_.together.size()));
  apartCount_->setText(QStringLiteral("相克[%1]").arg(lists_.apart.size()));
}

}  // namespace dlt::gui
