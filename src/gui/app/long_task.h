#pragma once

#include <QString>
#include <functional>

#include "gui/common/background_runner.h"

namespace dlt::gui {

class Tf_showpic;

// Runs `work` on a worker thread while the message box shows `text` with
// its progress; the interface keeps painting, and the box blocks input to
// the other windows. The caller must not touch what the work uses until
// this returns.
TaskOutcome RunLongTask(Tf_showpic& box, const QString& text, bool cancellable,
                        const std::function<void(TaskControl&)>& work);

}  // namespace dlt::gui
