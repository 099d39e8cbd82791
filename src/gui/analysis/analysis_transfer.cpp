#include "gui/analysis/analysis_transfer.h"

#include "analysis/transfer.h"
#include "generator/condition_set.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"

namespace dlt::gui {

bool TransferToGenerator(AppContext& app, QWidget* parent, const std::string& formula,
                         const std::vector<int32_t>& values, bool tolerant) {
  auto* zh = app.windows ? app.windows->Get<Tf_zh>() : nullptr;
  if (!zh) return false;
  std::string error;
  auto set = ValueSet::From(values, &error);
  CustomIndicator entry;
  entry.formula = formula;
  entry.tolerant = tolerant;
  if (set) entry.values = std::move(*set);
  if (!set || !zh->Session().set.AddCustomIndicator(std::move(entry), &error)) {
    app.shell.Inform(parent, QString::fromStdString(error));
    return false;
  }
  zh->CustomIndicatorTransferred();
  app.shell.Inform(parent, QString::fromUtf8(kTransferDone));
  return true;
}

}  // namespace dlt::gui
