#include "gui/killnum/candidate_settings_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/app/named_button.h"
#include "gui/killnum/killnum_widgets.h"
#include "killnum/kill_history.h"
#include "killnum/search_candidate.h"

namespace dlt::gui {
namespace {

QLineEdit* Edit(QWidget* parent, const char* name, const QString& text) {
  auto* e = NamedEdit(parent, name, text);
  e->setMaximumWidth(90);
  return e;
}

}  // namespace

CandidateSettingsBox::CandidateSettingsBox(const char* targetFrom, const char* targetTo,
                                           const QString& targetCaption, QWidget* parent)
    : QWidget(parent) {
  grid_ = new QGridLayout(this);
  grid_->setContentsMargins(0, 0, 0, 0);
  cb_gszb = NamedCombo(this, "cb_gszb");
  FillIndicatorCombo(*cb_gszb);
  grid_->addWidget(new QLabel(QStringLiteral("公式所用指标："), this), 0, 0);
  grid_->addWidget(cb_gszb, 0, 1, 1, 3);
  e_hsqs = Edit(this, "e_hsqs", QStringLiteral("6"));
  grid_->addWidget(new QLabel(QStringLiteral("回溯期数："), this), 1, 0);
  grid_->addWidget(e_hsqs, 1, 1);
  e_qzfrom = Edit(this, "e_qzfrom", QStringLiteral("1"));
  e_qzto = Edit(this, "e_qzto", QStringLiteral("10"));
  grid_->addWidget(e_qzfrom, 2, 0, Qt::AlignRight);
  grid_->addWidget(new QLabel(QStringLiteral("=<取值范围<="), this), 2, 1, Qt::AlignCenter);
  grid_->addWidget(e_qzto, 2, 2);
  targetFrom_ = Edit(this, targetFrom, QStringLiteral("80"));
  targetTo_ = Edit(this, targetTo, QStringLiteral("100"));
  grid_->addWidget(targetFrom_, 3, 0, Qt::AlignRight);
  grid_->addWidget(new QLabel(targetCaption, this), 3, 1, Qt::AlignCenter);
  grid_->addWidget(targetTo_, 3, 2);
  grid_->addWidget(new QLabel(QStringLiteral("%"), this), 3, 3);
  cb_ssfw_from = NamedCombo(this, "cb_ssfw_from");
  cb_ssfw_to = NamedCombo(this, "cb_ssfw_to");
  grid_->addWidget(cb_ssfw_from, 4, 0);
  grid_->addWidget(new QLabel(QStringLiteral("=<搜索范围<="), this), 4, 1, Qt::AlignCenter);
  grid_->addWidget(cb_ssfw_to, 4, 2);
  cb_quick = new QCheckBox(QStringLiteral("加速"), this);
  cb_quick->setObjectName("cb_quick");
  cb_quick->setChecked(true);
  e_seed = Edit(this, "e_seed", QString());
  e_seed->setMaximumWidth(160);
  e_seed->setPlaceholderText(QStringLiteral("空：每次不同"));
  grid_->addWidget(cb_quick, 5, 0);
  grid_->addWidget(new QLabel(QStringLiteral("随机种子："), this), 5, 1, Qt::AlignRight);
  grid_->addWidget(e_seed, 5, 2, 1, 2);
}

int CandidateSettingsBox::NextRow() const {
  return grid_->rowCount();
}

void CandidateSettingsBox::ShowRange(const KillHistory& history, int start, int end) {
  FillDrawPicker(*cb_ssfw_from, history, start >= 0 ? start : history.DefaultStart());
  FillDrawPicker(*cb_ssfw_to, history, end >= 0 ? end : history.RealCount() - 1);
}

void CandidateSettingsBox::SetTargetFrom(double rate) {
  targetFrom_->setText(RateNumberText(rate));
}

std::optional<CandidateSettingsBox::Values> CandidateSettingsBox::Read(const KillHistory& history,
                                                                       QString* error) const {
  const auto refuse = [error](const QString& text) {
    *error = text;
    return std::nullopt;
  };
  Values v;
  const auto k = IntegerOf(*e_hsqs);
  const auto from = IntegerOf(*e_qzfrom);
  const auto to = IntegerOf(*e_qzto);
  if (!k) return refuse(QStringLiteral("回溯期数应在0到100之间"));
  if (!from || !to) return refuse(QStringLiteral("取值范围不正确"));
  v.setup.shape = {IndicatorOfEntry(cb_gszb->currentText()).toStdString(), *k, *from, *to};
  const auto lo = NumberOf(*targetFrom_);
  const auto hi = NumberOf(*targetTo_);
  if (!lo || !hi) return refuse(QStringLiteral("目标准确率不正确"));
  if (const std::string e = TargetRateError(*lo, *hi); !e.empty())
    return refuse(QString::fromStdString(e));
  v.targetFrom = *lo;
  v.targetTo = *hi;
  v.setup.start = PickedDraw(*cb_ssfw_from, history);
  v.setup.end = PickedDraw(*cb_ssfw_to, history);
  if (v.setup.start < 0 || v.setup.end < 0 || v.setup.start > v.setup.end)
    return refuse(QStringLiteral("搜索范围不正确"));
  v.setup.quick = cb_quick->isChecked();
  const auto seed = SeedOf(*e_seed);
  if (!seed) return refuse(QStringLiteral("随机种子应是非负整数"));
  v.seed = *seed;
  return v;
}

}  // namespace dlt::gui
