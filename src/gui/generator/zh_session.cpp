#include "gui/generator/zh_session.h"

#include "gui/app/app_context.h"

namespace dlt::gui {

FilterEnvironment PrepareRun(AppContext& app, ZhSession& session) {
  FilterEnvironment env = MakeFilterEnvironment(app.Table(), session.history, app.env);
  env.ring = &session.ring;
  env.snapshotFolder = &app.folder;
  env.makeFrontJudge = session.makeFrontJudge;
  return env;
}

}  // namespace dlt::gui
