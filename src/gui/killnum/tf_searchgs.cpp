#include "gui/killnum/tf_searchgs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/killnum/candidate_settings_box.h"
#include "gui/killnum/killnum_widgets.h"
#include "killnum/kill_history.h"

namespace dlt::gui {
namespace {

QLineEdit* ResultField(QWidget* parent, const char* name, int width) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setReadOnly(true);
  if (width) e->setMaximumWidth(width);
  return e;
}

}  // namespace

Tf_searchgs::Tf_searchgs(AppContext& app, QWidget* parent)
    : SearchDialog({QStringLiteral("开始搜索"), QStringLiteral("停止搜索"),
                    QStringLiteral("公式搜索"), QStringLiteral("正在搜索中，请稍候")},
                   parent),
      app_(app) {
  setObjectName("Tf_searchgs");

  auto* layout = new QVBoxLayout(this);
  settings_ =
      new CandidateSettingsBox("e_mbzql", "e_mbzqlto", QStringLiteral("<=目标准确率<="), this);
  cb_contwrong = new QCheckBox(QStringLiteral("允许最大连错"), settings_);
  cb_contwrong->setObjectName("cb_contwrong");
  combo_contwrong = CountChoice(settings_, "combo_contwrong", 20, 3);
  const int row = settings_->NextRow();
  settings_->Grid()->addWidget(cb_contwrong, row, 0);
  settings_->Grid()->addWidget(combo_contwrong, row, 1);
  layout->addWidget(settings_);

  auto* run = new QGridLayout;
  b_beginss = NamedButton(this, "b_beginss", QStringLiteral("开始搜索"));
  pb_search = new QProgressBar(this);
  pb_search->setObjectName("pb_search");
  pb_search->setRange(0, 1);
  pb_search->setValue(0);
  pb_search->setTextVisible(false);
  l_progress = new QLabel(this);
  l_progress->setObjectName("l_progress");
  run->addWidget(b_beginss, 0, 0);
  run->addWidget(pb_search, 0, 1);
  run->addWidget(l_progress, 1, 0, 1, 2);
  e_ssgs = ResultField(this, "e_ssgs", 0);
  e_xdzql = ResultField(this, "e_xdzql", 100);
  e_contwrong = ResultField(this, "e_contwrong", 160);
  run->addWidget(new QLabel(QStringLiteral("搜索到的公式："), this), 2, 0);
  run->addWidget(e_ssgs, 2, 1);
  run->addWidget(new QLabel(QStringLiteral("准确率(%)："), this), 3, 0);
  auto* rateRow = new QHBoxLayout;
  rateRow->addWidget(e_xdzql);
  rateRow->addWidget(e_contwrong);
  rateRow->addStretch();
  run->addLayout(rateRow, 3, 1);
  layout->addLayout(run);

  layout->addLayout(ApplyCancelRow(this, &b_apply, &b_cancel));

  SetControls(b_beginss, settings_, b_apply, b_cancel);
  resize(720, 360);
}

void Tf_searchgs::Prepare(const Request& request) {
  request_ = request;
  history_ = std::make_shared<const KillHistory>(KillHistory::FromTable(app_.Table(), app_.env));
  settings_->ShowRange(*history_, request.start, request.end);
  if (request.targetFrom) settings_->SetTargetFrom(*request.targetFrom);
  e_ssgs->clear();
  e_xdzql->clear();
  e_contwrong->clear();
  l_progress->clear();
}

QString Tf_searchgs::Found() const {
  return e_ssgs->text();
}

std::optional<SearchSettings> Tf_searchgs::ReadSettings() {
  QString error;
  auto s = settings_->ReadInto<SearchSettings>(*history_, request_.kind, request_.customIndicator,
                                               &error);
  if (!s) {
    app_.shell.Inform(this, error);
    return std::nullopt;
  }
  if (cb_contwrong->isChecked()) s->maxWrong = combo_contwrong->currentIndex() + 1;
  return s;
}

void Tf_searchgs::Launch() {
  if (!history_) Prepare(request_);
  const std::optional<SearchSettings> settings = ReadSettings();
  if (!settings) return;
  limitedRun_ = settings->maxWrong.has_value();
  e_ssgs->clear();
  e_xdzql->clear();
  e_contwrong->clear();
  auto result = std::make_shared<SearchResult>();
  Run(
      [history = history_, s = *settings, result](TaskControl& control, SearchProgress& progress) {
        *result = SearchFormula(
            *history, s,
            [&progress](const SearchStatus& status) {
              progress.tested = status.tested;
              progress.bestRate = status.bestRate;
              return true;
            },
            &control.CancelFlag());
      },
      [this, result](const TaskOutcome&) { Finished(*result); });
}

void Tf_searchgs::RunningChanged(bool running) {
  pb_search->setRange(0, running ? 0 : 1);  // busy while running
}

void Tf_searchgs::ShowProgress() {
  l_progress->setText(ProgressText(Progress().tested, Progress().bestRate));
}

void Tf_searchgs::Finished(const SearchResult& r) {
  // Found, or stopped: the best formula so far with its rate, ready for "应用".
  if (r.outcome != SearchOutcome::Failed && !r.formula.empty()) {
    e_ssgs->setText(QString::fromStdString(r.formula));
    e_ssgs->setCursorPosition(0);
    e_xdzql->setText(RateNumberText(r.rate));
    if (limitedRun_) e_contwrong->setText(QStringLiteral("实际最大连错：%1").arg(r.longestRun));
  }
  l_progress->setText(ProgressText(r.tested, Progress().bestRate));
  if (r.outcome == SearchOutcome::Failed) app_.shell.Inform(this, QString::fromStdString(r.error));
  emit searchFinished();
}

}  // namespace dlt::gui
