#include "gui/app/dlt_app.h"

#include <QApplication>
#include <QDir>
#include <memory>

#include "common/install_data.h"
#include "dlt_build_config.h"
#include "gui/app/app_settings.h"
#include "gui/app/shell_services.h"
#include "gui/app/tf_main.h"
#include "gui/app/tf_runpic.h"
#include "gui/app/window_set.h"
#include "history/draw_table.h"

namespace dlt::gui {

QStringList DltApp::InstallDataCandidates() {
  QStringList dirs;
  if (const QByteArray env = qgetenv("DLT_INSTALL_DATA"); !env.isEmpty())
    dirs << QString::fromLocal8Bit(env);
  // An installed program first looks beside itself (a moved or unpacked tree
  // still works), then under the prefix it was built for; a program run from
  // the build tree falls back to the sources.
  const QString exe = QCoreApplication::applicationDirPath();
  dirs << exe + QStringLiteral("/" DLT_DATA_DIR_FROM_BIN) << exe + "/data"
       << QStringLiteral(DLT_INSTALL_DATA_DIR);
#ifdef DLT_SOURCE_DATA_DIR
  dirs << QStringLiteral(DLT_SOURCE_DATA_DIR);
#endif
  return dirs;
}

DltApp::DltApp(const AppOptions& options) {
  ShellServices* shell = options.shell;
  if (!shell) {
    ownShell_ = std::make_unique<DesktopShell>();
    shell = ownShell_.get();
  }
  std::unique_ptr<Tf_runpic> splash;
  if (options.splash) {
    splash = std::make_unique<Tf_runpic>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
  }
  QApplication::setApplicationDisplayName(QStringLiteral("大乐透"));

  DataFolder folder(DataFolder::Resolve(options.dataDir.toStdString()));
  std::string error;
  if (!folder.Ensure(&error)) {
    error_ = QString::fromStdString(error);
    return;
  }
  std::vector<std::string> candidates;
  if (!options.installDataDir.isEmpty()) {
    candidates.push_back(options.installDataDir.toStdString());
  } else {
    for (const QString& d : InstallDataCandidates())
      candidates.push_back(QDir::cleanPath(d).toStdString());
  }
  const SeedResult seeded = SeedDataFolder(FindInstallDataDir(candidates), folder.Root());
  if (!seeded.error.empty()) {
    error_ = QString::fromStdString(seeded.error);
    return;
  }

  settings_ = std::make_unique<AppSettings>(options.settingsFile);
  context_ = std::make_unique<AppContext>(folder, *settings_, *shell);
  try {
    windows_ = std::make_unique<WindowSet>(*context_);
  } catch (const DbError& e) {
    error_ = QString::fromStdString(e.what());
    windows_.reset();
  }
}

DltApp::~DltApp() {
  windows_.reset();
  context_.reset();
}

Tf_main* DltApp::Main() const {
  return windows_ ? windows_->Get<Tf_main>() : nullptr;
}

void DltApp::Start() {
  if (Tf_main* main = Main()) main->show();
}

}  // namespace dlt::gui
