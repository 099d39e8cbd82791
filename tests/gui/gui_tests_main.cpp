// The one GUI test program: `gui_tests NAME [Qt Test options]` runs the test
// object of NAME_test.cpp's registration in a fresh process, so each keeps
// the application and screen it was written for; CTest runs one per name.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <vector>

#include "gui_test_support.h"

using dlt::gui::test::GuiTests;

int main(int argc, char** argv) {
  const auto found = argc > 1 ? GuiTests().find(argv[1]) : GuiTests().end();
  if (found == GuiTests().end()) {
    std::fprintf(stderr, "usage: %s NAME [Qt Test options], NAME one of:\n", argv[0]);
    for (const auto& [name, entry] : GuiTests()) std::fprintf(stderr, "  %s\n", name.c_str());
    return 2;
  }
  const dlt::gui::test::GuiTestEntry& entry = found->second;
  // Qt Test sees the program name and the options after NAME.
  std::vector<char*> args = {argv[0]};
  for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  if (entry.smallestScreen)
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + DLT_TEST_SCREEN_CONFIG);
  QApplication app(count, args.data());
  if (!entry.smallestScreen) app.setAttribute(Qt::AA_Use96Dpi, true);
  const std::unique_ptr<QObject> test = entry.make();
  return QTest::qExec(test.get(), count, args.data());
}
