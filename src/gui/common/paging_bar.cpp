#include "gui/common/paging_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/app/named_button.h"
#include "history/draw_table.h"

namespace dlt::gui {

void MoveAnchor(DrawTable& table, int n) {
  table.MoveBy(n);
}

bool JumpAnchor(DrawTable& table, const QString& text) {
  bool ok = false;
  const int qs = text.trimmed().toInt(&ok);
  return ok && table.LocateDraw(qs);
}

PagingBar::PagingBar(DrawTable& table, const PagingNames& names, std::function<int()> pageSize,
                     QWidget* parent)
    : PagingBar([&table]() -> DrawTable& { return table; }, names, std::move(pageSize), parent) {}

PagingBar::PagingBar(TableOf table, const PagingNames& names, std::function<int()> pageSize,
                     QWidget* parent)
    : QWidget(parent), table_(std::move(table)), pageSize_(std::move(pageSize)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  if (*names.jumpButton) {
    row->addWidget(new QLabel(QStringLiteral("转到第"), this));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(names.jumpEdit);
    edit_->setMaxLength(7);
    edit_->setFixedWidth(80);
    row->addWidget(edit_);
    row->addWidget(new QLabel(QStringLiteral("期"), this));
    auto* jump = NamedButton(this, names.jumpButton, QStringLiteral("跳转"));
    connect(jump, &QPushButton::clicked, this, &PagingBar::Jump);
    connect(edit_, &QLineEdit::returnPressed, this, &PagingBar::Jump);
    row->addWidget(jump);
  }
  const struct {
    const char* name;
    const char* caption;
    int direction;
    bool page;
  } buttons[] = {{names.pageBack, "上一页", -1, true},
                 {names.pageForward, "下一页", 1, true},
                 {names.stepBack, "上一条", -1, false},
                 {names.stepForward, "下一条", 1, false}};
  for (const auto& b : buttons) {
    auto* button = NamedButton(this, b.name, QString::fromUtf8(b.caption));
    const int direction = b.direction;
    const bool page = b.page;
    connect(button, &QPushButton::clicked, this,
            [this, direction, page] { Step(direction * (page ? pageSize_() : 1)); });
    row->addWidget(button);
  }
  row->addStretch();
}

void PagingBar::Step(int delta) {
  if (move_)
    move_(delta);
  else
    MoveAnchor(table_(), delta);
  emit moved();
}

void PagingBar::Jump() {
  if (!edit_ || edit_->text().trimmed().isEmpty()) return;
  JumpAnchor(table_(), edit_->text());
  emit moved();
}

}  // namespace dlt::gui
