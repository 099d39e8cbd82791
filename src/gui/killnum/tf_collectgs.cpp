#include "gui/killnum/tf_collectgs.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "history/draw_text_io.h"
#include "killnum/scheme_files.h"

namespace dlt::gui {
namespace {

const QString kSetFilter = QStringLiteral("公式集文件(*.txt)");

}  // namespace

Tf_collectgs::Tf_collectgs(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_collectgs");
  setWindowTitle(QStringLiteral("公式收集"));
  resize(520, 420);
  auto* layout = new QGridLayout(this);
  l_gs = new QListWidget(this);
  l_gs->setObjectName("l_gs");
  e_add = new QLineEdit(this);
  e_add->setObjectName("e_add");
  layout->addWidget(l_gs, 0, 0, 1, 6);
  layout->addWidget(e_add, 1, 0, 1, 6);
  const struct {
    const char* name;
    const char* caption;
    void (Tf_collectgs::*action)();
  } buttons[] = {
      {"b_add", "添加", &Tf_collectgs::Add},       {"b_modify", "修改", &Tf_collectgs::Modify},
      {"b_delete", "删除", &Tf_collectgs::Remove}, {"b_clear", "清空", &Tf_collectgs::Clear},
      {"b_save", "保存", &Tf_collectgs::Save},     {"b_load", "载入", &Tf_collectgs::Load}};
  int column = 0;
  for (const auto& b : buttons) {
    QPushButton* button = NamedButton(this, b.name, QString::fromUtf8(b.caption));
    layout->addWidget(button, 2, column++);
    connect(button, &QPushButton::clicked, this, b.action);
  }
  connect(l_gs, &QListWidget::currentTextChanged, e_add, &QLineEdit::setText);
}

void Tf_collectgs::Collect(const QString& formula) {
  e_add->setText(formula);
  Add();
}

QStringList Tf_collectgs::Formulas() const {
  QStringList all;
  for (int i = 0; i < l_gs->count(); ++i) all << l_gs->item(i)->text();
  return all;
}

void Tf_collectgs::ShowCount() {
  setWindowTitle(QStringLiteral("已收集公式%1条").arg(l_gs->count()));
}

void Tf_collectgs::Add() {
  const QString formula = e_add->text().trimmed();
  if (formula.isEmpty()) return;  // nothing to keep
  l_gs->addItem(formula);
  e_add->clear();
  ShowCount();
}

void Tf_collectgs::Modify() {
  QListWidgetItem* item = l_gs->currentItem();
  if (!item || !item->isSelected()) {
    app_.shell.Inform(this, QStringLiteral("请先选中上面列表要修改的公式项"));
    return;
  }
  item->setText(e_add->text().trimmed());
}

void Tf_collectgs::Remove() {
  delete l_gs->currentItem();
  ShowCount();
}

void Tf_collectgs::Clear() {
  l_gs->clear();
  ShowCount();
}

void Tf_collectgs::Save() {
  const QString name =
      app_.shell.SaveFileName(this, QStringLiteral("保存公式集"),
                              QString::fromStdString(app_.folder.SaveDir()), kSetFilter);
  if (name.isEmpty()) return;
  std::vector<std::string> lines;
  for (const QString& f : Formulas()) lines.push_back(f.toStdString());
  std::string error;
  if (!SaveFormulaSet(WithTxtExtension(name.toStdString()), lines, &error))
    app_.shell.Inform(this, QString::fromStdString(error));
}

void Tf_collectgs::Load() {
  const QString name =
      app_.shell.OpenFileName(this, QStringLiteral(" 打开公式集文件"),
                              QString::fromStdString(app_.folder.SaveDir()), kSetFilter);
  if (name.isEmpty()) return;
  std::string error;
  const auto formulas = LoadFormulaSet(name.toStdString(), &error);
  if (!formulas) {
    app_.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  l_gs->clear();
  for (const std::string& f : *formulas) l_gs->addItem(QString::fromStdString(f));
  ShowCount();
}

}  // namespace dlt::gui
