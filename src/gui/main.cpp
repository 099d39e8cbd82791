#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include "gui/app/dlt_app.h"
#include "gui/app/screenshots.h"

int main(int argc, char* argv[]) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("dlt"));
  QApplication::setOrganizationName(QStringLiteral("dlt"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("大乐透析星台"));
  parser.addHelpOption();
  QCommandLineOption dataDir("data-dir", "data folder (default: $DLT_HOME or ~/.local/share/dlt)",
                             "DIR");
  QCommandLineOption settings("settings", "settings file (default: the user's own)", "FILE");
  QCommandLineOption installData("install-data", "folder of the installation data", "DIR");
  QCommandLineOption screenshot("screenshot", "write pictures of the main windows and exit", "DIR");
  parser.addOptions({dataDir, settings, installData, screenshot});
  parser.process(qapp);

  // An empty folder name is a slip (an unset variable), not the default.
  for (const QCommandLineOption* o : {&dataDir, &settings, &installData}) {
    if (parser.isSet(*o) && parser.value(*o).trimmed().isEmpty()) {
      QMessageBox::critical(nullptr, QStringLiteral("大乐透"),
                            QStringLiteral("--%1 不能为空").arg(o->names().first()));
      return 1;
    }
  }
  dlt::gui::AppOptions options;
  options.dataDir = parser.value(dataDir);
  options.settingsFile = parser.value(settings);
  options.installDataDir = parser.value(installData);
  options.splash = !parser.isSet(screenshot);
  dlt::gui::DltApp app(options);
  if (!app.Ok()) {
    QMessageBox::critical(nullptr, QStringLiteral("大乐透"), app.Error());
    return 1;
  }
  if (parser.isSet(screenshot)) dlt::gui::ScheduleScreenshots(app, parser.value(screenshot));
  app.Start();
  return qapp.exec();
}
