#include "gui/common/tab_rows.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

namespace dlt::gui {
namespace {

// Tab-like buttons: the current one joins the page below it.
constexpr const char* kTabButtonStyle =
    "QToolButton { border: 1px solid #a0a0a0; border-bottom: none; padding: 2px 7px;"
    " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #e4e4e4; }"
    "QToolButton:hover { background: #f0f0f0; }"
    "QToolButton:checked { background: #ffffff; border-top: 2px solid #3c78c8; }";

// What a button adds to its caption (padding, borders, spacing), and what
// the window's frame and margins take from the screen's width.
constexpr int kButtonPadding = 24;
constexpr int kWindowMargin = 40;

}  // namespace

TabRows* TabRows::Replace(QTabWidget* tabs, int rows) {
  auto* rowsWidget = new TabRows(tabs, rows);
  QWidget* parent = tabs->parentWidget();
  if (auto* box = parent ? qobject_cast<QBoxLayout*>(parent->layout()) : nullptr) {
    const int at = box->indexOf(tabs);
    if (at >= 0) box->insertWidget(at, rowsWidget);
  }
  tabs->tabBar()->hide();
  return rowsWidget;
}

TabRows::TabRows(QTabWidget* tabs, int rows)
    : QWidget(tabs->parentWidget()), tabs_(tabs), group_(new QButtonGroup(this)) {
  setObjectName(tabs->objectName() + "_rows");
  const int count = tabs->count();
  // As many more rows as a narrower screen needs to hold every caption.
  int captionsWidth = 0;
  const QFontMetrics metrics(font());
  for (int i = 0; i < count; ++i)
    captionsWidth += metrics.horizontalAdvance(tabs->tabText(i)) + kButtonPadding;
  const QScreen* screen = tabs->screen();
  const int room = std::max(screen ? screen->availableGeometry().width() - kWindowMargin : 0, 1);
  rows = std::max(rows, (captionsWidth + room - 1) / room);
  rows = std::clamp(rows, 1, std::max(count, 1));
  perRow_ = std::max(1, (count + rows - 1) / rows);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 2, 0, 0);
  column->setSpacing(1);
  QHBoxLayout* row = nullptr;
  for (int i = 0; i < count; ++i) {
    if (i % perRow_ == 0) {
      row = new QHBoxLayout;
      row->setSpacing(1);
      column->addLayout(row);
    }
    auto* b = new QToolButton(this);
    b->setText(tabs->tabText(i));
    b->setToolTip(tabs->tabToolTip(i).isEmpty() ? tabs->tabText(i) : tabs->tabToolTip(i));
    b->setCheckable(true);
    b->setStyleSheet(kTabButtonStyle);
    b->setFocusPolicy(Qt::NoFocus);  // the tab widget keeps Ctrl+Tab
    group_->addButton(b, i);
    row->addWidget(b);
    buttons_.push_back(b);
  }
  for (int r = 0; r < column->count(); ++r)
    if (auto* line = qobject_cast<QHBoxLayout*>(column->itemAt(r)->layout())) line->addStretch();
  if (QAbstractButton* current = group_->button(tabs->currentIndex())) current->setChecked(true);
  connect(group_, &QButtonGroup::idClicked, tabs_, &QTabWidget::setCurrentIndex);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (QAbstractButton* b = group_->button(index)) b->setChecked(true);
  });
}

int TabRows::RowOf(int index) const {
  return index / perRow_;
}

}  // namespace dlt::gui
