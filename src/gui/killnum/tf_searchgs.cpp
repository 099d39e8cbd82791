#include "gui/killnum/tf_searchgs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

#include "gui/app/app_context.h"
#include "gui/app/background_job.h"
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

Tf_searchgs::Tf_searchgs(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_searchgs");
  setWindowTitle(QStringLiteral("公式搜索"));
  job_ = new BackgroundJob(this);
  tick_ = new QTimer(this);
  tick_->setInterval(200);

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

  connect(b_beginss, &QPushButton::clicked, this, &Tf_searchgs::StartOrStop);
  connect(job_, &BackgroundJob::finished, this, &Tf_searchgs::Finished);
  connect(tick_, &QTimer::timeout, this, &Tf_searchgs::ShowProgress);
  resize(720, 360);
}

// The work reads the history and writes the result: it ends before they go.
Tf_searchgs::~Tf_searchgs() {
  disconnect(job_, nullptr, this, nullptr);
  job_->Cancel();
  job_->Wait();
}

void Tf_searchgs::Prepare(const Request& request) {
  request_ = request;
  history_ = std::make_unique<KillHistory>(KillHistory::FromTable(app_.Table(), app_.env));
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
bool Tf_searchgs::Running() const {
  return job_->Running();
}

void Tf_searchgs::reject() {
  // Closing the window ends a running search first.
  if (job_->Running()) {
    job_->Cancel();
    job_->Wait();
  }
  QDialog::reject();
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

void Tf_searchgs::StartOrStop() {
  if (job_->Running()) {
    job_->Cancel();
    return;
  }
  if (!history_) Prepare(request_);
  const std::optional<SearchSettings> settings = ReadSettings();
  if (!settings) return;
  limitedRun_ = settings->maxWrong.has_value();
  tested_ = 0;
  bestRate_ = 0;
  e_ssgs->clear();
  e_xdzql->clear();
  e_contwrong->clear();
  SetRunning(true);
  job_->Start([this, s = *settings](const std::atomic<bool>& cancel) {
    result_ = SearchFormula(
        *history_, s,
        [this](const SearchStatus& status) {
          tested_ = status.tested;
          bestRate_ = status.bestRate;
          return true;
        },
        &cancel);
  });
}

void Tf_searchgs::SetRunning(bool running) {
  b_beginss->setText(running ? QStringLiteral("停止搜索") : QStringLiteral("开始搜索"));
  settings_->setEnabled(!running);
  b_apply->setEnabled(!running);
  b_cancel->setEnabled(!running);
  setWindowTitle(running ? QStringLiteral("正在搜索中，请稍候") : QStringLiteral("公式搜索"));
  pb_search->setRange(0, running ? 0 : 1);  // busy while running
  if (running)
    tick_->start();
  else
    tick_->stop();
}

void Tf_searchgs::ShowProgress() {
  l_progress->setText(QStringLiteral("已测试%1个公式，最高准确率%2%")
                          .arg(tested_.load())
                          .arg(RateNumberText(bestRate_.load())));
}

void Tf_searchgs::Finished() {
  SetRunning(false);
  const SearchResult& r = result_;
  // Found, or stopped: the best formula so far with its rate, ready for "应用".
  if (r.outcome != SearchOutcome::Failed && !r.formula.empty()) {
    e_ssgs->setText(QString::fromStdString(r.formula));
    e_ssgs->setCursorPosition(0);
    e_xdzql->setText(RateNumberText(r.rate));
    if (limitedRun_) e_contwrong->setText(QStringLiteral("实际最大连错：%1").arg(r.longestRun));
  }
  tested_ = r.tested;
  ShowProgress();
  if (r.outcome == SearchOutcome::Failed) app_.shell.Inform(this, QString::fromStdString(r.error));
  emit searchFinished();
}

}  // namespace dlt::gui
