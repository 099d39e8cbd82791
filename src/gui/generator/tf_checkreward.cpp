#include "gui/generator/tf_checkreward.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/masked_edit.h"
#include "history/draw_table.h"

namespace dlt::gui {

Tf_checkreward::Tf_checkreward(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_checkreward");
  setWindowTitle(QStringLiteral("对奖"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("对奖的期数"), this), 0, 0);
  me_qs = new MaskedEdit(QStringLiteral("9999999;_"), this);
  me_qs->setObjectName("me_qs");
  grid->addWidget(me_qs, 0, 1, 1, 3);
  const std::array<const char*, 7> labels = {"主号一", "主号二", "主号三", "主号四",
                                             "主号五", "副号一", "副号二"};
  for (int i = 0; i < 7; ++i) {
    me_hm[i] = new MaskedEdit(QStringLiteral("99;_"), this);
    me_hm[i]->setObjectName(QStringLiteral("me_hm%1").arg(i + 1));
    const int row = 1 + i / 2;
    const int col = (i % 2) * 2;
    grid->addWidget(new QLabel(QString::fromUtf8(labels[i]), this), row, col);
    grid->addWidget(me_hm[i], row, col + 1);
  }
  layout->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  auto* b_ok = new QPushButton(QStringLiteral("确定"), this);
  b_ok->setObjectName("b_ok");
  auto* b_cancel = new QPushButton(QStringLiteral("取消"), this);
  b_cancel->setObjectName("b_cancel");
  buttons->addStretch();
  buttons->addWidget(b_ok);
  buttons->addWidget(b_cancel);
  layout->addLayout(buttons);
  connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(me_qs, &QLineEdit::textChanged, this, &Tf_checkreward::DrawNumberChanged);
}

void Tf_checkreward::Prepare() {
  me_qs->clear();
  for (MaskedEdit* e : me_hm) e->clear();
  me_qs->setFocus();
}

std::array<std::string, 7> Tf_checkreward::NumberTexts() const {
  std::array<std::string, 7> texts;
  for (int i = 0; i < 7; ++i) texts[i] = me_hm[i]->text().trimmed().toStdString();
  return texts;
}

void Tf_checkreward::DrawNumberChanged(const QString& text) {
  const QString qs = text.trimmed();
  if (qs.size() <= 6) return;
  bool ok = false;
  const int number = qs.toInt(&ok);
  if (!ok) return;
  const DrawTable& table = app_.Table();
  const int index = table.IndexOf(number);
  // The forecast record is no draw to grade against.
  if (index < 0 || number > kLastRealQs) return;
  const Draw& d = table.Draws()[static_cast<size_t>(index)];
  for (int i = 0; i < 5; ++i) me_hm[i]->SetNumber(d.front[i]);
  for (int i = 0; i < 2; ++i) me_hm[5 + i]->SetNumber(d.back[i]);
}

}  // namespace dlt::gui
