#include "gui/generator/tf_groupfilter.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"

namespace dlt::gui {

Tf_groupfilter::Tf_groupfilter(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_groupfilter");
  setWindowTitle(QStringLiteral("批量过滤"));
  auto* layout = new QVBoxLayout(this);
  lb_cond = new QListWidget(this);
  lb_cond->setObjectName("lb_cond");
  layout->addWidget(lb_cond, 1);
  auto* buttons = new QGridLayout;
  auto make = [this, buttons](const char* name, const QString& caption, int row, int col) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    buttons->addWidget(b, row, col);
    return b;
  };
  auto* b_add = make("b_add", QStringLiteral("添加条件"), 0, 0);
  auto* Button1 = make("Button1", QStringLiteral("删除条件"), 0, 1);
  auto* Button4 = make("Button4", QStringLiteral("清除"), 0, 2);
  auto* Button2 = make("Button2", QStringLiteral("开始过滤"), 1, 0);
  auto* Button3 = make("Button3", QStringLiteral("返回"), 1, 2);
  layout->addLayout(buttons);
  connect(b_add, &QPushButton::clicked, this, [this] { AddFile(); });
  connect(Button1, &QPushButton::clicked, this, [this] { DeleteFile(); });
  connect(Button4, &QPushButton::clicked, lb_cond, &QListWidget::clear);
  connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> Tf_groupfilter::Paths() const {
  std::vector<std::string> paths;
  for (int i = 0; i < lb_cond->count(); ++i)
    paths.push_back(lb_cond->item(i)->text().toStdString());
  return paths;
}

void Tf_groupfilter::AddFile() {
  const QString path = app_.shell.OpenFileName(this, QStringLiteral(" 加入过滤条件文件"),
                                               QString::fromStdString(app_.folder.SaveDir()),
                                               QStringLiteral("过滤条件文件(*.zh)"));
  if (!path.isEmpty()) lb_cond->addItem(path);
}

void Tf_groupfilter::DeleteFile() {
  const int row = lb_cond->currentRow();
  if (row >= 0) delete lb_cond->takeItem(row);
}

}  // namespace dlt::gui
