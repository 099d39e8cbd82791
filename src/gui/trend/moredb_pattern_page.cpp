#include "gui/trend/moredb_pattern_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/omission_distribution.h"
#include "chart/tcoordinate.h"
#include "gui/common/grid_view.h"
#include "gui/trend/cell_look_delegate.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

const QColor kCodeColours[5] = {QColor(166, 202, 240), QColor(255, 255, 0), QColor(255, 0, 0),
                                QColor(0, 128, 0), Qt::white};

}  // namespace

PatternModel::PatternModel(const DrawTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void PatternModel::Set(PatternProperty property, bool lastDigits) {
  beginResetModel();
  property_ = property;
  lastDigits_ = lastDigits;
  rows_ = table_.RecordCount();
  endResetModel();
}

int PatternModel::Code(const QModelIndex& index) const {
  if (!index.isValid() || index.column() < 2 || index.row() >= table_.RecordCount()) return -1;
  const std::vector<int> codes = PatternCodes(table_.Draws()[index.row()], property_, lastDigits_);
  return codes.at(index.column() - 2);
}

int PatternModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int PatternModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : (lastDigits_ ? 9 : 7);
}

QVariant PatternModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= table_.RecordCount()) return {};
  const Draw& d = table_.Draws()[index.row()];
  if (index.column() == 0) return QString::fromStdString(IssueText(d.qs));
  if (index.column() == 1) return QString::fromStdString(DrawNumbersText(d));
  return Code(index);
}

QVariant PatternModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  const auto headers = PatternHeaders(lastDigits_);
  if (section < 0 || section >= static_cast<int>(headers.size())) return {};
  return QString::fromStdString(headers[section]);
}

PatternPage::PatternPage(const DrawTable& table, ShellServices& shell, QWidget* parent)
    : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  model_ = new PatternModel(table, this);
  grid_ = new QTableView(this);
  grid_->setObjectName("sg_zhxt");
  grid_->setModel(model_);
  grid_->setItemDelegate(new CellLookDelegate(
      [this](const QModelIndex& i) {
        if (i.column() == 0) return CellLook{Qt::white, Qt::blue};
        if (i.column() == 1) return CellLook{Qt::white, Qt::red};
        const int code = model_->Code(i);
        return CellLook{code >= 0 && code < 5 ? kCodeColours[code] : Qt::white, Qt::black};
      },
      grid_));
  SetUpGridView(grid_, shell, FontRowHeight(grid_));
  grid_->horizontalHeader()->setStyleSheet(GridHeaderStyle());
  layout->addWidget(grid_, 1);

  auto* box = new QGroupBox(this);
  auto* row = new QHBoxLayout(box);
  property_ = new QButtonGroup(this);
  const char* names[] = {"rb_zhxt_dx",   "rb_zhxt_dzx",  "rb_zhxt_jo",  "rb_zhxt_zh",
                         "rb_zhxt_c3ys", "rb_zhxt_c4ys", "rb_zhxt_c5ys"};
  for (int p = 0; p < 7; ++p) {
    auto* rb = new QRadioButton(QString::fromStdString(PatternPropertyTexts()[p]), box);
    rb->setObjectName(names[p]);
    property_->addButton(rb, p);
    row->addWidget(rb);
  }
  property_->button(0)->setChecked(true);
  lastDigits_ = new QCheckBox(QStringLiteral("尾号分析"), box);
  lastDigits_->setObjectName("cb_zhxt_whfx");
  lastDigits_->setChecked(true);
  row->addSpacing(16);
  row->addWidget(lastDigits_);
  row->addStretch();
  layout->addWidget(box);
  connect(property_, &QButtonGroup::idClicked, this, &PatternPage::Fill);
  connect(lastDigits_, &QCheckBox::clicked, this, &PatternPage::Fill);
}

void PatternPage::Fill() {
  model_->Set(static_cast<PatternProperty>(std::max(property_->checkedId(), 0)),
              lastDigits_->isChecked());
  const QFontMetrics fm = grid_->fontMetrics();
  grid_->setColumnWidth(0, fm.horizontalAdvance(QStringLiteral("  2008001  ")) + 8);
  grid_->setColumnWidth(1, fm.horizontalAdvance(QStringLiteral(" 00 00 00 00 00 00 00 00 ")));
  for (int c = 2; c < model_->columnCount(); ++c)
    grid_->setColumnWidth(c, fm.horizontalAdvance(QStringLiteral("  主号一  ")));
  if (model_->rowCount() > 0) {
    grid_->setCurrentIndex(model_->index(model_->rowCount() - 1, 0));
    grid_->scrollToBottom();
  }
}

}  // namespace dlt::gui
