#include "gui/generator/zh_session.h"

#include "gui/app/app_context.h"

namespace dlt::gui {

FilterEnvironment PrepareRun(AppContext& app, ZhSession& session) {
  DrawTable& table = app.Table();
  session.history.LoadFrom(table);
  FilterEnvironment env;
  env.table = &table;
  env.history = &session.history;
  env.env = app.env;
  env.ring = &session.ring;
  env.snapshotFolder = &app.folder;
  env.makeFrontJudge = session.makeFrontJudge;
  return env;
}

}  // namespace dlt::gui
