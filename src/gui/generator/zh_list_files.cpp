#include "gui/generator/zh_list_files.h"

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"

namespace dlt::gui {

namespace {

const QString kResultFilter = QStringLiteral("组号结果文件(*.txt)");

QString DataRoot(const AppContext& app) {
  return QString::fromStdString(app.folder.Root());
}

}  // namespace

bool RunListStep(AppContext& app, QWidget* parent, const ListStep& step) {
  std::string error;
  if (step(&error)) return true;
  app.shell.Inform(parent, QString::fromStdString(error));
  return false;
}

bool SaveListFile(AppContext& app, QWidget* parent, const QString& title,
                  const ListFileStep& save) {
  const QString name = app.shell.SaveFileName(parent, title, DataRoot(app), kResultFilter);
  if (name.isEmpty()) return false;
  return RunListStep(app, parent,
                     [&](std::string* error) { return save(name.toStdString(), error); });
}

bool LoadListFile(AppContext& app, QWidget* parent, const QString& title,
                  const ListFileStep& load) {
  const QString name = app.shell.OpenFileName(parent, title, DataRoot(app), kResultFilter);
  if (name.isEmpty()) return false;
  return RunListStep(app, parent,
                     [&](std::string* error) { return load(name.toStdString(), error); });
}

}  // namespace dlt::gui
