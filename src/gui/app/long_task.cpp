#include "gui/app/long_task.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <exception>
#include <memory>

#include "gui/app/tf_showpic.h"

namespace dlt::gui {

TaskOutcome RunLongTask(Tf_showpic& box, const QString& text, bool cancellable,
                        const std::function<void(TaskControl&)>& work) {
  TaskControl control;
  TaskOutcome outcome;
  std::string error;
  std::unique_ptr<QThread> thread(QThread::create([&] {
    try {
      work(control);
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = "未知错误";
    }
  }));

  box.ShowProgress(text, cancellable);
  QEventLoop loop;
  QTimer tick;
  tick.setInterval(100);
  QObject::connect(&tick, &QTimer::timeout, &box,
                   [&] { box.SetProgress(control.Done(), control.Total()); });
  auto cancelConnection =
      QObject::connect(&box, &Tf_showpic::cancelRequested, &box, [&] { control.Cancel(); });
  QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
  thread->start();
  tick.start();
  if (!thread->isFinished()) loop.exec();
  thread->wait();
  tick.stop();
  QObject::disconnect(cancelConnection);
  box.HideBox();

  outcome.cancelled = control.Cancelled();
  outcome.error = QString::fromStdString(error);
  return outcome;
}

}  // namespace dlt::gui
