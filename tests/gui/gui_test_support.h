#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/draw.h"
#include "gui/app/dlt_app.h"
#include "gui/app/shell_services.h"

namespace dlt::gui::test {

// Answers the program's questions and records what it said and opened.
class FakeShell : public ShellServices {
 public:
  void Inform(QWidget*, const QString& text) override { messages << text; }
  bool Confirm(QWidget*, const QString& text) override {
    questions << text;
    return confirmAnswer;
  }
  // Records the address; `openSucceeds` false plays a desktop without a
  // program for it.
  bool OpenUrl(const QUrl& url) override {
    opened.push_back(url);
    return openSucceeds;
  }
  QString SaveFileName(QWidget*, const QString& title, const QString&,
                       const QString& filter) override {
    titles << title;
    filters << filter;
    return NextFile();
  }
  QString OpenFileName(QWidget*, const QString& title, const QString&,
                       const QString& filter) override {
    titles << title;
    filters << filter;
    return NextFile();
  }
  // A modal dialog: the handler fills and closes it; without one it is cancelled.
  int ExecDialog(QDialog& dialog) override {
    ++dialogsRun;
    if (!dialogHandlers.empty()) {
      auto handler = std::move(dialogHandlers.front());
      dialogHandlers.pop_front();
      dialog.show();
      handler(dialog);
      const int r = dialog.result();
      dialog.hide();
      return r;
    }
    return QDialog::Rejected;
  }

  QString NextFile() {
    if (files.empty()) return {};
    QString f = files.front();
    files.pop_front();
    return f;
  }

  QStringList messages;
  QStringList questions;
  QStringList titles;
  QStringList filters;  // of the file dialogs, beside their titles
  std::vector<QUrl> opened;
  std::deque<QString> files;
  std::deque<std::function<void(QDialog&)>> dialogHandlers;
  bool confirmAnswer = true;
  bool openSucceeds = true;
  int dialogsRun = 0;
};

// A temporary data folder and settings file for one program run.
struct TestWorld {
  QTemporaryDir dir;
  FakeShell shell;

  QString DataDir() const { return dir.path() + "/data"; }
  QString SettingsFile() const { return dir.path() + "/settings.ini"; }
  // Stores draws in the data folder's table before the program starts.
  void SeedDraws(const std::vector<Draw>& draws) const;
  std::unique_ptr<DltApp> MakeApp();
  // Makes the app and runs its first show to the end.
  std::unique_ptr<DltApp> StartApp();
};

// Reproducible valid draws numbered 2007001, 2007002, ...
std::vector<Draw> History(int count, uint32_t seed = 5);

// A window's child by object name; warns when there is none.
template <class T = QWidget>
T* Child(QObject* parent, const QString& name) {
  T* w = parent->findChild<T*>(name);
  if (!w) qWarning("no child %s", qPrintable(name));
  return w;
}

template <class T = QWidget>
T* Child(QObject& parent, const QString& name) {
  return Child<T>(&parent, name);
}

// Makes the tab of that caption current; null when there is none.
inline QWidget* ShowTabOf(QTabWidget* tabs, const QString& caption) {
  for (int i = 0; i < tabs->count(); ++i)
    if (tabs->tabText(i) == caption) {
      tabs->setCurrentIndex(i);
      return tabs->widget(i);
    }
  return nullptr;
}

// A user's click on the named button.
inline void Click(QObject* parent, const QString& name) {
  auto* b = Child<QAbstractButton>(parent, name);
  QVERIFY2(b, qPrintable(name));
  QTest::mouseClick(b, Qt::LeftButton);
}

inline void Click(QObject& parent, const QString& name) {
  Click(&parent, name);
}

// The Qt Test objects of the one GUI test program, each named after its file
// ("zh_front_test"): `gui_tests NAME [Qt Test options]` runs one of them.
struct GuiTestEntry {
  std::function<std::unique_ptr<QObject>()> make;
  // On the 1366x768 screen the program is made for, at the screen's own
  // resolution; the others run on the default offscreen screen at 96 dpi.
  bool smallestScreen = false;
};
// Registers the test object of the file `file` (its __FILE__).
bool RegisterGuiTest(const char* file, GuiTestEntry entry);
const std::map<std::string, GuiTestEntry>& GuiTests();

}  // namespace dlt::gui::test

// In place of QTEST_MAIN: the test object joins the one GUI test program.
#define DLT_GUI_TEST(TestObject)                                              \
  static const bool dltGuiTestRegistered = ::dlt::gui::test::RegisterGuiTest( \
      __FILE__, {[] { return std::unique_ptr<QObject>(new TestObject); }, false})
#define DLT_GUI_TEST_ON_SMALLEST_SCREEN(TestObject)                           \
  static const bool dltGuiTestRegistered = ::dlt::gui::test::RegisterGuiTest( \
      __FILE__, {[] { return std::unique_ptr<QObject>(new TestObject); }, true})
