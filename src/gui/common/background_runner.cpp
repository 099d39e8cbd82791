#include "gui/common/background_runner.h"

#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <exception>

namespace dlt::gui {
namespace {

// Only the interface thread waits on work.
int waitingRuns = 0;
// Often enough for a progress bar to move smoothly.
constexpr int kWaitTickMs = 100;

}  // namespace

bool LongTaskRunning() {
  return waitingRuns > 0;
}

BackgroundRunner::BackgroundRunner(QObject* owner)
    : QObject(owner), control_(std::make_shared<TaskControl>()), timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, [this] {
    if (tick_) tick_(*control_);
  });
}

BackgroundRunner::~BackgroundRunner() {
  if (!thread_) return;
  control_->Cancel();
  thread_->wait();
}

bool BackgroundRunner::Start(Work work, Completion done) {
  if (thread_) return false;
  control_ = std::make_shared<TaskControl>();
  outcome_ = std::make_shared<TaskOutcome>();
  done_ = std::move(done);
  // The thread holds its own control and outcome: they outlive a runner
  // that is destroyed while the thread ends.
  thread_.reset(QThread::create([control = control_, outcome = outcome_, work = std::move(work)] {
    try {
      work(*control);
    } catch (const std::exception& e) {
      outcome->error = QString::fromUtf8(e.what());
    } catch (...) {
      outcome->error = QStringLiteral("未知错误");
    }
  }));
  const int generation = ++generation_;
  // Queued to the runner: a runner destroyed before delivery drops it.
  connect(
      thread_.get(), &QThread::finished, this, [this, generation] { Complete(generation); },
      Qt::QueuedConnection);
  thread_->start();
  if (tick_) timer_->start();
  return true;
}

void BackgroundRunner::Cancel() {
  control_->Cancel();
}

void BackgroundRunner::Finish() {
  if (!thread_) return;
  thread_->wait();
  Complete(generation_);
}

void BackgroundRunner::SetTick(int intervalMs, Tick tick) {
  timer_->setInterval(intervalMs);
  tick_ = std::move(tick);
}

void BackgroundRunner::Complete(int generation) {
  if (!thread_ || generation != generation_) return;
  thread_->wait();
  thread_.reset();
  timer_->stop();
  outcome_->cancelled = control_->Cancelled();
  if (tick_) tick_(*control_);
  const TaskOutcome outcome = *outcome_;
  // The completion may start the next job, or close the owner.
  Completion done = std::move(done_);
  done_ = nullptr;
  const QPointer<BackgroundRunner> alive(this);
  if (done) done(outcome);
  if (alive) emit finished();
}

TaskOutcome BackgroundRunner::RunAndWait(Work work, const Tick& tick) {
  ++waitingRuns;
  struct Ended {
    ~Ended() { --waitingRuns; }
  } ended;
  TaskOutcome result;
  QEventLoop loop;
  const Tick previous = tick_;
  const int previousInterval = timer_->interval();
  SetTick(kWaitTickMs, tick);
  struct Restore {
    BackgroundRunner& runner;
    Tick tick;
    int interval;
    ~Restore() { runner.SetTick(interval, std::move(tick)); }
  } restore{*this, previous, previousInterval};
  if (!Start(std::move(work), [&](const TaskOutcome& outcome) {
        result = outcome;
        loop.quit();
      })) {
    result.error = QStringLiteral("另一项计算正在进行");
    return result;
  }
  loop.exec();
  return result;
}

}  // namespace dlt::gui
