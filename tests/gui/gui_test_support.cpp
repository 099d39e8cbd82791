#include "gui_test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include "gui/app/tf_main.h"
#include "history/draw_table.h"
#include "history/draw_text_io.h"

namespace dlt::gui::test {

void TestWorld::SeedDraws(const std::vector<Draw>& draws) const {
  QDir().mkpath(DataDir() + "/database");
  DrawTable table((DataDir() + "/database/basedata.db").toStdString());
  WriteBatch batch(table);
  table.ApplyImport(draws, /*overwrite=*/true);
}

std::unique_ptr<DltApp> TestWorld::MakeApp() {
  AppOptions o;
  o.dataDir = DataDir();
  o.settingsFile = SettingsFile();
  o.installDataDir = QStringLiteral(DLT_SOURCE_DATA_DIR);
  o.splash = false;
  o.shell = &shell;
  return std::make_unique<DltApp>(o);
}

std::unique_ptr<DltApp> TestWorld::StartApp() {
  auto app = MakeApp();
  if (!app->Ok()) return app;
  QSignalSpy done(app->Main(), &Tf_main::showStepFinished);
  app->Start();
  if (!app->Main()->ShowStepDone()) done.wait(30000);
  return app;
}

std::vector<Draw> History(int count, uint32_t seed) {
  return MakeDemoDraws(count, seed);
}

namespace {

std::map<std::string, GuiTestEntry>& Registry() {
  static std::map<std::string, GuiTestEntry> tests;
  return tests;
}

}  // namespace

bool RegisterGuiTest(const char* file, GuiTestEntry entry) {
  const QString name = QFileInfo(QString::fromUtf8(file)).completeBaseName();
  const bool fresh = Registry().emplace(name.toStdString(), std::move(entry)).second;
  if (!fresh) qFatal("two GUI tests named %s", qPrintable(name));
  return fresh;
}

const std::map<std::string, GuiTestEntry>& GuiTests() {
  return Registry();
}

}  // namespace dlt::gui::test
