#include "gui/generator/tf_getchoiceextend_plus.h"

#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/generator/picker_rule_group.h"

namespace dlt::gui {

namespace {
constexpr int kCellWidth = 46;
constexpr int kCellHeight = 18;
}  // namespace

Tf_getchoiceextend_plus::Tf_getchoiceextend_plus(AppContext& app, QWidget* parent)
    : ValuePickerDialog(app, true, parent) {
  setObjectName("Tf_getchoiceextend_plus");
  setWindowTitle(QStringLiteral("选择"));
  auto* layout = new QVBoxLayout(this);

  list_ = new QListWidget(this);
  list_->setObjectName("CheckListBox1");
  // Items run left to right, 20 to a row, like a check list with 20 columns.
  list_->setFlow(QListView::LeftToRight);
  list_->setWrapping(true);
  list_->setResizeMode(QListView::Adjust);
  list_->setUniformItemSizes(true);
  list_->setGridSize(QSize(kCellWidth, kCellHeight));
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  for (int v = 0; v < kItemCount; ++v) {
    auto* item = new QListWidgetItem(QString::number(v), list_);
    item->setFlags(Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  const int frame = 2 * list_->frameWidth();
  list_->setMinimumSize(kColumns * kCellWidth + frame + 24, 16 * kCellHeight);
  layout->addWidget(list_, 1);

  auto* buttons = new QWidget(this);
  AddButtonRow(buttons);
  layout->addWidget(buttons);
  layout->addWidget(Rules());
  Prepare(0, 0, 0);
}

void Tf_getchoiceextend_plus::Prepare(int first, int last, int current) {
  SetRange(std::clamp(first, 0, kItemCount - 1), std::clamp(last, 0, kItemCount - 1), current);
  for (int v = 0; v < kItemCount; ++v) {
    QListWidgetItem* item = list_->item(v);
    item->setCheckState(Qt::Unchecked);
    const bool inRange = v >= First() && v <= Last();
    item->setFlags(inRange ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled : Qt::ItemIsUserCheckable);
  }
  ResetSelection();
}

void Tf_getchoiceextend_plus::Begin(const std::vector<int>& selected) {
  for (int v : selected)
    if (v >= First() && v <= Last()) SetSelected(v, true);
  if (First() <= Last())
    list_->scrollToItem(list_->item(First()), QAbstractItemView::PositionAtTop);
}

bool Tf_getchoiceextend_plus::IsSelected(int value) const {
  return list_->item(value)->checkState() == Qt::Checked;
}

void Tf_getchoiceextend_plus::SetSelected(int value, bool selected) {
  list_->item(value)->setCheckState(selected ? Qt::Checked : Qt::Unchecked);
}

}  // namespace dlt::gui
