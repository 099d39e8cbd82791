#include "gui/app/long_task.h"

#include "gui/app/tf_showpic.h"

namespace dlt::gui {

TaskOutcome RunLongTask(Tf_showpic& box, const QString& text, bool cancellable,
                        const std::function<void(TaskControl&)>& work) {
  box.ShowProgress(text, cancellable);
  BackgroundRunner runner(&box);
  // The cancel reaches the work at once, not at the next tick: a run that
  // ends before that tick must still end as cancelled.
  QObject::connect(&box, &Tf_showpic::cancelRequested, &runner, &BackgroundRunner::Cancel);
  const TaskOutcome outcome = runner.RunAndWait(
      work, [&box](const TaskControl& c) { box.SetProgress(c.Done(), c.Total()); });
  box.HideBox();
  return outcome;
}

}  // namespace dlt::gui
