#include "gui/trend/indicator_choice.h"

#include <QDialog>

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/killnum/tf_selfsh_set.h"

namespace dlt::gui {

std::optional<QString> ChooseIndicator(AppContext& app) {
  auto* chooser = app.windows ? app.windows->Get<Tf_selfsh_set>() : nullptr;
  if (!chooser) return std::nullopt;
  const QString caption = chooser->windowTitle();
  chooser->setWindowTitle(QStringLiteral("选择指标"));
  const int result = app.shell.ExecDialog(*chooser);
  chooser->setWindowTitle(caption);
  if (result != QDialog::Accepted) return std::nullopt;
  return chooser->Indicator();
}

}  // namespace dlt::gui
