#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>

#include "dlt_build_config.h"
#include "gui/app/dlt_app.h"
#include "gui/app/qt_translations.h"
#include "gui/app/screenshots.h"

namespace {

struct Options {
  QCommandLineOption help = QCommandLineOption({"h", "help", "help-all"}, "show this help");
  QCommandLineOption version = QCommandLineOption({"v", "version"}, "show the program's version");
  QCommandLineOption dataDir = QCommandLineOption(
      "data-dir", "data folder (default: $DLT_HOME or ~/.local/share/dlt)", "DIR");
  QCommandLineOption settings =
      QCommandLineOption("settings", "settings file (default: the user's own)", "FILE");
  QCommandLineOption installData =
      QCommandLineOption("install-data", "folder of the installation data", "DIR");
  QCommandLineOption screenshot =
      QCommandLineOption("screenshot", "write pictures of the main windows and exit", "DIR");
};

void Define(QCommandLineParser& parser, const Options& o) {
  parser.setApplicationDescription(QStringLiteral("大乐透析星台"));
  parser.addOptions({o.help, o.version, o.dataDir, o.settings, o.installData, o.screenshot});
}

}  // namespace

int main(int argc, char* argv[]) {
  // Help, version and mistyped options are answered before the QApplication
  // exists: it needs a display, they do not.
  {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const Options o;
    QCommandLineParser parser;
    Define(parser, o);
    if (!parser.parse(args)) {
      std::fprintf(stderr, "dlt-gui: %s\n", qPrintable(parser.errorText()));
      return 1;
    }
    if (parser.isSet(o.help)) {
      QString text = parser.helpText();
      text.replace(QStringLiteral("<executable_name>"), QStringLiteral("dlt-gui"));
      std::fputs(text.toLocal8Bit().constData(), stdout);
      return 0;
    }
    if (parser.isSet(o.version)) {
      std::printf("dlt-gui %s\n", DLT_VERSION);
      return 0;
    }
  }

  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("dlt"));
  QApplication::setOrganizationName(QStringLiteral("dlt"));
  QApplication::setApplicationVersion(QStringLiteral(DLT_VERSION));
  // The installed menu entry and icon carry the name dlt.
  QGuiApplication::setDesktopFileName(QStringLiteral("dlt"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("dlt")));
  dlt::gui::LoadQtTranslations(qapp);

  const Options o;
  QCommandLineParser parser;
  Define(parser, o);
  parser.process(qapp);

  // An empty folder name is a slip (an unset variable), not the default.
  for (const QCommandLineOption* folder : {&o.dataDir, &o.settings, &o.installData}) {
    if (parser.isSet(*folder) && parser.value(*folder).trimmed().isEmpty()) {
      QMessageBox::critical(nullptr, QStringLiteral("大乐透"),
                            QStringLiteral("--%1 不能为空").arg(folder->names().first()));
      return 1;
    }
  }
  dlt::gui::AppOptions options;
  options.dataDir = parser.value(o.dataDir);
  options.settingsFile = parser.value(o.settings);
  options.installDataDir = parser.value(o.installData);
  options.splash = !parser.isSet(o.screenshot);
  dlt::gui::DltApp app(options);
  if (!app.Ok()) {
    QMessageBox::critical(nullptr, QStringLiteral("大乐透"), app.Error());
    return 1;
  }
  if (parser.isSet(o.screenshot)) dlt::gui::ScheduleScreenshots(app, parser.value(o.screenshot));
  app.Start();
  return qapp.exec();
}
