#pragma once

#include <QString>
#include <memory>

#include "gui/app/app_context.h"

namespace dlt::gui {

class AppSettings;
class ShellServices;
class Tf_main;
class Tf_runpic;
class WindowSet;

struct AppOptions {
  QString dataDir;         // --data-dir; empty: DLT_HOME, XDG_DATA_HOME/dlt, ~/.local/share/dlt
  QString settingsFile;    // --settings; empty: the user's own settings file
  QString installDataDir;  // --install-data; empty: found next to the program
  bool splash = true;
  ShellServices* shell = nullptr;  // empty: the real desktop
};

// The whole program: data folder, settings, the data module and every
// window. Construction runs start-up up to the first show of the main
// window; Start() shows it.
class DltApp {
 public:
  explicit DltApp(const AppOptions& options);
  ~DltApp();

  bool Ok() const { return error_.isEmpty(); }
  QString Error() const { return error_; }

  void Start();

  AppContext& Context() { return *context_; }
  WindowSet& Windows() { return *windows_; }
  Tf_main* Main() const;

  // Installation data folders tried in order when none is given.
  static QStringList InstallDataCandidates();

 private:
  QString error_;
  std::unique_ptr<ShellServices> ownShell_;
  std::unique_ptr<AppSettings> settings_;
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<WindowSet> windows_;
};

}  // namespace dlt::gui
