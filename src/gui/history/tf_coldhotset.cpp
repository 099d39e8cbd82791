#include "gui/history/tf_coldhotset.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/history/coldhot_rewrite.h"

namespace dlt::gui {

Tf_coldhotset::Tf_coldhotset(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_coldhotset");
  setWindowTitle(QStringLiteral("冷热号设置"));
  auto edit = [this](const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setMaximumWidth(60);
    e->setAlignment(Qt::AlignRight);
    return e;
  };
  e_qsfield = edit("e_qsfield");
  e_cold = edit("e_cold");
  e_hot = edit("e_hot");
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("设定期数范围 :   最近"), this), 0, 0);
  grid->addWidget(e_qsfield, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("期以内"), this), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("冷号的定义:   在规定期数内出现次数"), this), 1, 0);
  grid->addWidget(e_cold, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("次以下"), this), 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("热号的定义:   在规定期数内出现次数"), this), 2, 0);
  grid->addWidget(e_hot, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("次以上"), this), 2, 2);
  grid->addWidget(new QLabel(QStringLiteral("温号介于冷号与热号之间"), this), 3, 0, 1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  QPushButton* ok = AddOkCancelRow(this, layout, false);
  connect(ok, &QPushButton::clicked, this, &Tf_coldhotset::Confirm);
}

void Tf_coldhotset::SetValues(int window, int cold, int hot) {
  values_.reset();
  e_qsfield->setText(QString::number(window));
  e_cold->setText(QString::number(cold));
  e_hot->setText(QString::number(hot));
}

void Tf_coldhotset::Confirm() {
  std::string message;
  values_ = ParseColdHotInput(e_qsfield->text().toStdString(), e_cold->text().toStdString(),
                              e_hot->text().toStdString(), &message);
  if (!values_) {
    app_.shell.Inform(this, QString::fromStdString(message));
    return;
  }
  accept();
}

bool EditColdHotSettings(AppContext& app, ColdHotZone zone, std::optional<int32_t> endQs) {
  auto* dialog = app.windows->Get<Tf_coldhotset>();
  ColdHotSettings& s = app.env.coldHot;
  const bool front = zone == ColdHotZone::Front;
  if (front)
    dialog->SetValues(s.qs, s.coldcs, s.hotcs);
  else
    dialog->SetValues(s.f_qs, s.f_coldcs, s.f_hotcs);
  if (app.shell.ExecDialog(*dialog) != QDialog::Accepted || !dialog->Values()) return false;
  const ColdHotInput v = *dialog->Values();
  if (front) {
    s.qs = v.window, s.coldcs = v.cold, s.hotcs = v.hot;
    app.settings.WriteFrontColdHot(v.window, v.cold, v.hot);
  } else {
    s.f_qs = v.window, s.f_coldcs = v.cold, s.f_hotcs = v.hot;
    app.settings.WriteBackColdHot(v.window, v.cold, v.hot);
  }
  ReclassifyAndRewrite(app, endQs);
  return true;
}

}  // namespace dlt::gui
