#include "gui/generator/tf_zj1.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/characteristic.h"
#include "common/text.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"

namespace dlt::gui {

namespace {

void SelectFirst(QListWidget* list) {
  if (list->count() > 0) list->setCurrentRow(0);
}

// Moves the current item of `from` to the end of `to`, then selects the
// first item of `from`.
void MoveCurrent(QListWidget* from, QListWidget* to) {
  const int row = from->currentRow();
  if (row < 0) return;
  to->addItem(from->takeItem(row));
  SelectFirst(from);
}

}  // namespace

int Tf_zj1::ClassesOf(const QString& name) {
  return ComponentOfName(name.toStdString()).Classes();
}

tzbpxz_zj1 Tf_zj1::TableOf(const QStringList& names) {
  tzbpxz_zj1 table;
  int column = 1;
  for (const QString& name : names) {
    if (table.count + 1 >= static_cast<int>(table.rows.size())) break;
    tzbpxz_zj1::Row& row = table.rows[++table.count];
    row.name = name.toStdString();
    row.classes = ClassesOf(name);
    row.firstColumn = column;
    column += row.classes;
  }
  return table;
}

Tf_zj1::Tf_zj1(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_zj1");
  setWindowTitle(QStringLiteral("组件"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("当前使用组件:"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("可使用组件:"), this), 0, 2);
  using_ = new QListWidget(this);
  using_->setObjectName("lb_using");
  using_->addItems({"尾号", "奇偶", "质合", "小大", "三区", "四区", "除三余数", "除四余数"});
  usable_ = new QListWidget(this);
  usable_->setObjectName("lb_usable");
  // Five to fifteen zones or remainder classes; three and four are in use.
  for (int n = 5; n <= 15; ++n) usable_->addItem(QString::fromStdString(ChineseNumeral(n) + "区"));
  for (int n = 5; n <= 15; ++n)
    usable_->addItem(QString::fromStdString("除" + ChineseNumeral(n) + "余数"));
  grid->addWidget(using_, 1, 0);
  grid->addWidget(usable_, 1, 2);

  auto* middle = new QVBoxLayout;
  QPushButton* left = NamedButton(this, "b_left", QStringLiteral("<<"));
  QPushButton* right = NamedButton(this, "b_right", QStringLiteral(">>"));
  connect(left, &QPushButton::clicked, this, &Tf_zj1::MoveIn);
  connect(right, &QPushButton::clicked, this, &Tf_zj1::MoveOut);
  middle->addStretch();
  middle->addWidget(left);
  middle->addWidget(right);
  middle->addStretch();
  grid->addLayout(middle, 1, 1);

  QPushButton* close = NamedButton(this, "b_close", QStringLiteral("关闭"));
  connect(close, &QPushButton::clicked, this, &Tf_zj1::CloseAndApply);
  grid->addWidget(close, 2, 2, Qt::AlignRight);
  setFixedSize(sizeHint());
}

void Tf_zj1::showEvent(QShowEvent* event) {
  SelectFirst(using_);
  SelectFirst(usable_);
  QDialog::showEvent(event);
}

void Tf_zj1::MoveIn() {
  MoveCurrent(usable_, using_);
}

void Tf_zj1::MoveOut() {
  // At least one component stays in use.
  if (using_->count() <= 1) return;
  MoveCurrent(using_, usable_);
}

void Tf_zj1::CloseAndApply() {
  QStringList names;
  for (int i = 0; i < using_->count(); ++i) names << using_->item(i)->text();
  app_.shapeClasses = TableOf(names);
  accept();
}

}  // namespace dlt::gui
