#include "gui/killnum/kill_handoff.h"

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_back_page.h"
#include "gui/generator/zh_session.h"

namespace dlt::gui {

bool SendKillsToGenerator(AppContext& app, QWidget* parent, const KillTransfer& transfer) {
  auto* zh = app.windows ? app.windows->Get<Tf_zh>() : nullptr;
  if (!zh) return false;
  std::string error;
  const bool done = ApplyKillTransfer(zh->Session().set, transfer, &error);
  zh->FrontSetChanged();
  zh->BackPage().ShowConditions();
  if (!done) {
    app.shell.Inform(parent, QString::fromStdString(error));
    return false;
  }
  zh->show();
  zh->raise();
  return true;
}

}  // namespace dlt::gui
