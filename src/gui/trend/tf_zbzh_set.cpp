#include "gui/trend/tf_zbzh_set.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "trend/mosaic.h"

namespace dlt::gui {

Tf_zbzh_set::Tf_zbzh_set(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_zbzh_set");
  setWindowTitle(QStringLiteral("指标组合设置"));
  resize(560, 420);
  auto* layout = new QVBoxLayout(this);
  auto* edits = new QGridLayout;
  e_zbcode = new QLineEdit(this);
  e_zbcode->setObjectName("e_zbcode");
  e_zbmm = new QLineEdit(this);
  e_zbmm->setObjectName("e_zbmm");
  auto* aid = NamedButton(this, "b_fzsr", QStringLiteral("辅助输入"));
  edits->addWidget(new QLabel(QStringLiteral("指标代码："), this), 0, 0);
  edits->addWidget(e_zbcode, 0, 1);
  edits->addWidget(aid, 0, 2);
  edits->addWidget(new QLabel(QStringLiteral("指标命名："), this), 1, 0);
  edits->addWidget(e_zbmm, 1, 1);
  layout->addLayout(edits);

  auto* middle = new QHBoxLayout;
  lb_zbzh_set = new QListWidget(this);
  lb_zbzh_set->setObjectName("lb_zbzh_set");
  middle->addWidget(lb_zbzh_set, 1);
  auto* buttons = new QVBoxLayout;
  auto* add = NamedButton(this, "b_add", QStringLiteral("添加"));
  auto* insert = NamedButton(this, "b_insert", QStringLiteral("插入"));
  auto* remove = NamedButton(this, "b_delete", QStringLiteral("删除"));
  auto* clear = NamedButton(this, "b_clear", QStringLiteral("清空"));
  for (QPushButton* b : {add, insert, remove, clear}) buttons->addWidget(b);
  buttons->addStretch(1);
  middle->addLayout(buttons);
  layout->addLayout(middle, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  auto* ok = NamedButton(this, "b_ok", QStringLiteral("确定"));
  auto* cancel = NamedButton(this, "b_cancel", QStringLiteral("取消"));
  bottom->addWidget(ok);
  bottom->addWidget(cancel);
  layout->addLayout(bottom);

  connect(aid, &QPushButton::clicked, this, [this] {
    if (!app_.hooks.formulaInputAid) return;
    if (auto formula = app_.hooks.formulaInputAid(this)) e_zbcode->setText(*formula);
  });
  connect(add, &QPushButton::clicked, this, &Tf_zbzh_set::Add);
  connect(insert, &QPushButton::clicked, this, &Tf_zbzh_set::Insert);
  connect(remove, &QPushButton::clicked, this, &Tf_zbzh_set::Delete);
  connect(clear, &QPushButton::clicked, lb_zbzh_set, &QListWidget::clear);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tf_zbzh_set::Prepare(const QStringList& lines, bool selectFirst) {
  lb_zbzh_set->clear();
  lb_zbzh_set->addItems(lines);
  if (selectFirst && !lines.isEmpty()) lb_zbzh_set->setCurrentRow(0);
  e_zbcode->clear();
  e_zbmm->clear();
}

QStringList Tf_zbzh_set::Lines() const {
  QStringList lines;
  for (int i = 0; i < lb_zbzh_set->count(); ++i) lines << lb_zbzh_set->item(i)->text();
  return lines;
}

void Tf_zbzh_set::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  e_zbcode->setFocus();
}

// The edits are taken as they are: an empty code gives a separator line.
QString Tf_zbzh_set::TypedLine() const {
  return e_zbcode->text().trimmed() + ' ' + e_zbmm->text().trimmed();
}

bool Tf_zbzh_set::Full() {
  if (lb_zbzh_set->count() < static_cast<int>(kMosaicMaxEntries)) return false;
  app_.shell.Inform(this, QString::fromUtf8(kMosaicTooLong));
  return true;
}

void Tf_zbzh_set::Add() {
  if (Full()) return;
  lb_zbzh_set->addItem(TypedLine());
  e_zbcode->clear();
  e_zbmm->clear();
}

void Tf_zbzh_set::Insert() {
  const int row = lb_zbzh_set->currentRow();
  if (row < 0) return Add();
  if (Full()) return;
  lb_zbzh_set->insertItem(row, TypedLine());
  e_zbcode->clear();
  e_zbmm->clear();
}

void Tf_zbzh_set::Delete() {
  const int row = lb_zbzh_set->currentRow();
  if (row < 0 || !lb_zbzh_set->item(row)->isSelected()) return;
  delete lb_zbzh_set->takeItem(row);
  if (lb_zbzh_set->count() > 0) lb_zbzh_set->setCurrentRow(0);
}

}  // namespace dlt::gui
