#include "gui/generator/tf_xgzh.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/masked_edit.h"

namespace dlt::gui {

Tf_xgzh::Tf_xgzh(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_xgzh");
  setWindowTitle(QStringLiteral("修改组号"));
  static const char* const kNames[7] = {"me_red1", "me_red2", "me_red3", "me_red4",
                                        "me_red5", "me_red6", "me_blue"};
  static const char* const kLabels[7] = {"主码一", "主码二", "主码三", "主码四",
                                         "主码五", "副码一", "副码二"};
  auto* form = new QFormLayout(this);
  for (int i = 0; i < 7; ++i) {
    auto* e = new MaskedEdit(QStringLiteral("00;_"), this);
    e->setObjectName(kNames[i]);
    e->setFixedWidth(48);
    edits_[i] = e;
    form->addRow(QString::fromUtf8(kLabels[i]), e);
  }
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("确定"), this);
  ok->setObjectName("b_ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("取消"), this);
  cancel->setObjectName("b_cancel");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  form->addRow(buttons);
}

void Tf_xgzh::SetTexts(const std::array<QString, 7>& texts) {
  for (int i = 0; i < 7; ++i) edits_[i]->SetNumberText(texts[i]);
}

std::array<QString, 7> Tf_xgzh::Texts() const {
  std::array<QString, 7> texts;
  for (int i = 0; i < 7; ++i) texts[i] = edits_[i]->text().trimmed();
  return texts;
}

}  // namespace dlt::gui
