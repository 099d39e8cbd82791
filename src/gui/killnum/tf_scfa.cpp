#include "gui/killnum/tf_scfa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/killnum/candidate_settings_box.h"
#include "gui/killnum/killnum_widgets.h"
#include "killnum/kill_history.h"

namespace dlt::gui {
Tf_scfa::Tf_scfa(AppContext& app, QWidget* parent)
    : SearchDialog({QStringLiteral("开始生成"), QStringLiteral("停止生成"),
                    QStringLiteral("优化方案"), QStringLiteral("正在生成中，请稍候")},
                   parent),
      app_(app) {
  setObjectName("Tf_scfa");

  auto* layout = new QVBoxLayout(this);
  settings_ = new CandidateSettingsBox("e_mbzqlfrom", "e_mbzqlto",
                                       QStringLiteral("<=方案中公式的目标准确率<="), this);
  QGridLayout* g = settings_->Grid();
  int row = settings_->NextRow();
  rb_randsc = new QRadioButton(QStringLiteral("随机生成"), settings_);
  rb_randsc->setObjectName("rb_randsc");
  rb_sssc = new QRadioButton(QStringLiteral("搜索生成"), settings_);
  rb_sssc->setObjectName("rb_sssc");
  rb_sssc->setChecked(true);
  g->addWidget(rb_randsc, row, 0);
  g->addWidget(rb_sssc, row++, 1);
  cb_contwrong = NamedCheck(settings_, "cb_contwrong", QStringLiteral("方案中公式允许最大连错"));
  combo_contwrong = CountChoice(settings_, "combo_contwrong", 20, 3);
  g->addWidget(cb_contwrong, row, 0, 1, 2);
  g->addWidget(combo_contwrong, row++, 2);
  cb_fa_contwrong = NamedCheck(settings_, "cb_fa_contwrong", QStringLiteral("方案允许最大连错"));
  combo_fa_contwrong = CountChoice(settings_, "combo_fa_contwrong", 20, 3);
  cb_gsgs = CountChoice(settings_, "cb_gsgs", 100, 5);
  g->addWidget(cb_fa_contwrong, row, 0, 1, 2);
  g->addWidget(combo_fa_contwrong, row++, 2);
  g->addWidget(new QLabel(QStringLiteral("适用公式个数"), settings_), row, 1, Qt::AlignRight);
  g->addWidget(cb_gsgs, row++, 2);
  layout->addWidget(settings_);

  auto* run = new QHBoxLayout;
  b_begin = NamedButton(this, "b_begin", QStringLiteral("开始生成"));
  pb1 = new QProgressBar(this);
  pb1->setObjectName("pb1");
  pb1->setFormat(QStringLiteral("%v/%m"));
  run->addWidget(b_begin);
  run->addWidget(pb1);
  layout->addLayout(run);
  l_progress = new QLabel(this);
  l_progress->setObjectName("l_progress");
  layout->addWidget(l_progress);
  e_contwrong = new QLineEdit(this);
  e_contwrong->setObjectName("e_contwrong");
  e_contwrong->setReadOnly(true);
  e_contwrong->hide();
  lb_result = new QListWidget(this);
  lb_result->setObjectName("lb_result");
  layout->addWidget(lb_result);

  layout->addLayout(ApplyCancelRow(this, &b_apply, &b_cancel));

  SetControls(b_begin, settings_, b_apply, b_cancel);
  resize(760, 520);
}

void Tf_scfa::Prepare(const Request& request) {
  request_ = request;
  request_.wanted = std::clamp(request.wanted, 1, 100);
  history_ = std::make_shared<const KillHistory>(KillHistory::FromTable(app_.Table(), app_.env));
  settings_->ShowRange(*history_, request.start, request.end);
  accepted_.clear();
  lb_result->clear();
  l_progress->clear();
  e_contwrong->clear();
  pb1->setRange(0, request_.wanted);
  pb1->setValue(0);
}

std::optional<OptimiseSettings> Tf_scfa::ReadSettings() {
  QString error;
  auto s = settings_->ReadInto<OptimiseSettings>(*history_, request_.kind, request_.customIndicator,
                                                 &error);
  if (!s) {
    app_.shell.Inform(this, error);
    return std::nullopt;
  }
  s->wanted = request_.wanted;
  s->random = rb_randsc->isChecked();
  if (cb_contwrong->isChecked()) s->formulaMaxWrong = combo_contwrong->currentIndex() + 1;
  if (cb_fa_contwrong->isChecked()) s->schemeMaxWrong = combo_fa_contwrong->currentIndex() + 1;
  s->schemeFormulaCount = cb_gsgs->currentIndex() + 1;
  return s;
}

void Tf_scfa::Launch() {
  if (!history_) Prepare(request_);
  const std::optional<OptimiseSettings> settings = ReadSettings();
  if (!settings) return;
  limitedRun_ = settings->formulaMaxWrong.has_value();
  accepted_.clear();
  lb_result->clear();
  e_contwrong->clear();
  pb1->setValue(0);
  auto result = std::make_shared<OptimiseResult>();
  Run(
      [history = history_, s = *settings, result](TaskControl& control, SearchProgress& progress) {
        *result = OptimiseScheme(
            *history, s,
            [&progress](const OptimiseStatus& status) {
              progress.tested = status.tested;
              progress.accepted = status.accepted;
              progress.bestRate = status.bestRate;
              return true;
            },
            &control.CancelFlag());
      },
      [this, result](const TaskOutcome&) { Finished(*result); });
}

void Tf_scfa::ShowProgress() {
  pb1->setValue(Progress().accepted.load());
  l_progress->setText(ProgressText(Progress().tested, Progress().bestRate));
}

void Tf_scfa::Finished(const OptimiseResult& r) {
  for (const AcceptedFormula& f : r.formulas) {
    accepted_ << QString::fromStdString(f.text);
    // The rate first: long formulas run past the list's edge.
    const QString text = QString::fromStdString(f.text);
    lb_result->addItem(rb_randsc->isChecked()
                           ? text
                           : QStringLiteral("%1%    %2").arg(RateNumberText(f.rate), text));
  }
  pb1->setValue(static_cast<int>(r.formulas.size()));
  l_progress->setText(ProgressText(r.tested, Progress().bestRate));
  if (limitedRun_ && !r.formulas.empty())
    e_contwrong->setText(QStringLiteral("实际最大连错：%1").arg(r.formulas.back().longestRun));
  if (r.outcome == SearchOutcome::Failed) app_.shell.Inform(this, QString::fromStdString(r.error));
  emit generationFinished();
}

}  // namespace dlt::gui
