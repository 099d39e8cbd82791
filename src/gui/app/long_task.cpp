#include "gui/app/long_task.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <exception>
#include <memory>

#include "gui/app/tf_showpic.h"

namespace dlt::gui {
namespace {

// Only the interface thread starts long tasks.
int runningTasks = 0;

}  // namespace

bool LongTaskRunning() {
  return runningTasks > 0;
}

TaskOutcome RunOffInterfaceThread(const std::function<void(TaskControl&)>& work,
                                  const std::function<void(TaskControl&)>& tick) {
  TaskControl control;
  return RunOffInterfaceThread(control, work, tick);
}

TaskOutcome RunOffInterfaceThread(TaskControl& control,
                                  const std::function<void(TaskControl&)>& work,
                                  const std::function<void(TaskControl&)>& tick) {
  TaskOutcome outcome;
  std::string error;
  ++runningTasks;
  struct Ended {
    ~Ended() { --runningTasks; }
  } ended;
  std::unique_ptr<QThread> thread(QThread::create([&] {
    try {
      work(control);
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = "未知错误";
    }
  }));

  QEventLoop loop;
  QTimer timer;
  timer.setInterval(100);
  QObject::connect(&timer, &QTimer::timeout, &loop, [&] { tick(control); });
  QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
  thread->start();
  timer.start();
  if (!thread->isFinished()) loop.exec();
  thread->wait();
  timer.stop();
  tick(control);

  outcome.cancelled = control.Cancelled();
  outcome.error = QString::fromStdString(error);
  return outcome;
}

TaskOutcome RunLongTask(Tf_showpic& box, const QString& text, bool cancellable,
                        const std::function<void(TaskControl&)>& work) {
  box.ShowProgress(text, cancellable);
  // The cancel reaches the work at once, not at the next tick: a run that
  // ends before that tick must still end as cancelled.
  TaskControl control;
  auto cancelConnection =
      QObject::connect(&box, &Tf_showpic::cancelRequested, &box, [&control] { control.Cancel(); });
  const TaskOutcome outcome = RunOffInterfaceThread(
      control, work, [&](TaskControl& c) { box.SetProgress(c.Done(), c.Total()); });
  QObject::disconnect(cancelConnection);
  box.HideBox();
  return outcome;
}

}  // namespace dlt::gui
