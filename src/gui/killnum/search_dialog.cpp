#include "gui/killnum/search_dialog.h"

#include <QPushButton>

#include "gui/killnum/killnum_widgets.h"

namespace dlt::gui {
namespace {

// Often enough to see the count move, rare enough to cost nothing.
constexpr int kProgressTickMs = 200;

}  // namespace

QString ProgressText(int64_t tested, double bestRate) {
  return QStringLiteral("已测试%1个公式，最高准确率%2%").arg(tested).arg(RateNumberText(bestRate));
}

SearchDialog::SearchDialog(const Captions& captions, QWidget* parent)
    : QDialog(parent), captions_(captions), runner_(new BackgroundRunner(this)) {
  setWindowTitle(captions_.title);
  runner_->SetTick(kProgressTickMs, [this](const TaskControl&) { ShowProgress(); });
}

void SearchDialog::SetControls(QPushButton* startStop, QWidget* settings, QPushButton* apply,
                               QPushButton* cancel) {
  startStop_ = startStop;
  settings_ = settings;
  apply_ = apply;
  cancel_ = cancel;
  startStop_->setText(captions_.start);
  connect(startStop_, &QPushButton::clicked, this, &SearchDialog::StartOrStop);
}

void SearchDialog::reject() {
  if (Running()) {
    runner_->Cancel();
    runner_->Finish();
  }
  QDialog::reject();
}

void SearchDialog::StartOrStop() {
  if (Running()) {
    runner_->Cancel();
    return;
  }
  Launch();
}

void SearchDialog::Run(Work work, BackgroundRunner::Completion done) {
  progress_ = std::make_shared<SearchProgress>();
  SetRunning(true);
  runner_->Start([progress = progress_,
                  work = std::move(work)](TaskControl& control) { work(control, *progress); },
                 [this, done = std::move(done)](const TaskOutcome& outcome) {
                   SetRunning(false);
                   done(outcome);
                 });
}

void SearchDialog::SetRunning(bool running) {
  startStop_->setText(running ? captions_.stop : captions_.start);
  settings_->setEnabled(!running);
  apply_->setEnabled(!running);
  cancel_->setEnabled(!running);
  setWindowTitle(running ? captions_.runningTitle : captions_.title);
  RunningChanged(running);
}

}  // namespace dlt::gui
