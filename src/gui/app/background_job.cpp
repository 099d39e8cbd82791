#include "gui/app/background_job.h"

#include <QThread>

namespace dlt::gui {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
  if (!thread_) return;
  cancel_ = true;
  thread_->wait();
}

bool BackgroundJob::Start(Work work) {
  if (thread_) return false;
  cancel_ = false;
  thread_.reset(QThread::create([this, work = std::move(work)] { work(cancel_); }));
  // Queued to this object's thread, where the window lives.
  const int generation = ++generation_;
  connect(
      thread_.get(), &QThread::finished, this, [this, generation] { Done(generation); },
      Qt::QueuedConnection);
  thread_->start();
  return true;
}

void BackgroundJob::Wait() {
  if (!thread_) return;
  thread_->wait();
  Done(generation_);
}

void BackgroundJob::Done(int generation) {
  if (!thread_ || generation != generation_) return;
  thread_->wait();
  thread_.reset();
  emit finished();
}

}  // namespace dlt::gui
