#include "gui/app/screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include "gui/analysis/zbpxz_screenshots.h"
#include "gui/app/below_toolbar.h"
#include "gui/app/dlt_app.h"
#include "gui/app/tf_main.h"
#include "gui/app/window_set.h"
#include "gui/book/book_screenshots.h"
#include "gui/generator/zh_front_screenshots.h"
#include "gui/history/tf_addsj.h"
#include "gui/history/tf_gxsjq.h"
#include "gui/history/tf_set.h"
#include "gui/killnum/killnum_screenshots.h"
#include "gui/trend/fxd_screenshots.h"
#include "gui/trend/stats_screenshots.h"

namespace dlt::gui {
namespace {

// Windows of the tour found reaching past the screen's available area.
int windowsOutside = 0;

// Every window on screen, its frame included, must lie inside the available
// area: the picture shows what a user sees, title bar and all.
void CheckShownWindows(const QString& picture) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = w->windowType();
    if (!w->isVisible() || (type != Qt::Window && type != Qt::Dialog)) continue;
    const QRect available = w->screen()->availableGeometry();
    const QRect frame = w->frameGeometry();
    if (FrameInside(available, frame)) continue;
    ++windowsOutside;
    std::fprintf(
        stderr, "window outside the screen at %s: %s frame %d,%d %dx%d, available %d,%d %dx%d\n",
        qPrintable(picture), qPrintable(w->objectName()), frame.x(), frame.y(), frame.width(),
        frame.height(), available.x(), available.y(), available.width(), available.height());
  }
}

void Save(QWidget* w, const QString& dir, const QString& name) {
  CheckShownWindows(name);
  const QString path = dir + "/" + name;
  if (!w->grab().save(path))
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  else
    std::printf("%s\n", qPrintable(path));
}

void Settle(int ms) {
  QTimer t;
  t.setSingleShot(true);
  QEventLoop loop;
  QObject::connect(&t, &QTimer::timeout, &loop, &QEventLoop::quit);
  t.start(ms);
  loop.exec();
}

}  // namespace

void TakeTourPictures(DltApp& app, const QString& dir, void (*settle)(int)) {
  QDir().mkpath(dir);
  WindowSet& windows = app.Windows();
  Tf_main* main = app.Main();
  settle(800);
  Save(main, dir, "main.png");

  main->Button("b_gxsjq")->click();
  auto* update = windows.Get<Tf_gxsjq>();
  settle(400);
  Save(update, dir, "gxsjq.png");

  // The board in its back phase: five front numbers and one back number.
  auto* board = windows.Get<Tf_addsj>();
  board->setModal(false);
  board->SetMode(Tf_addsj::Mode::AddOnly);
  board->show();
  board->SetDrawNumber(QStringLiteral("2026001"));
  for (int n : {3, 22, 12, 18, 5, 5}) board->Cell(n)->clicked(n);
  settle(300);
  Save(board, dir, "addsj.png");
  board->hide();
  update->close();

  main->Button("b_set")->click();
  auto* settings = windows.Get<Tf_set>();
  settle(300);
  Save(settings, dir, "set.png");
  if (auto* tabs = settings->findChild<QTabWidget*>("pc_set")) {
    tabs->setCurrentIndex(1);
    settle(200);
    Save(settings, dir, "set_zones.png");
    tabs->setCurrentIndex(2);
    settle(200);
    Save(settings, dir, "set_shapes.png");
    tabs->setCurrentIndex(3);
    settle(200);
    Save(settings, dir, "set_notice.png");
  }
  settings->close();
  TakeGeneratorPictures(app.Context(), dir, &Save, settle);
  TakeBookPicture(app.Context(), dir, &Save, settle);
  TakeTrendPictures(app.Context(), dir, &Save, settle);
  TakeStatisticsPictures(app.Context(), dir, &Save, settle);
  TakeAnalysisPictures(app.Context(), dir, &Save, settle);
  TakeKillnumPictures(app.Context(), dir, &Save, settle);
  main->close();
  if (windowsOutside > 0) QCoreApplication::exit(kWindowsOutsideStatus);
}

void TourShell::Inform(QWidget*, const QString& text) {
  std::fprintf(stderr, "提示: %s\n", qPrintable(text));
}

bool TourShell::Confirm(QWidget*, const QString& text) {
  std::fprintf(stderr, "提问(答否): %s\n", qPrintable(text));
  return false;
}

QString TourShell::SaveFileName(QWidget*, const QString&, const QString&, const QString&) {
  return {};
}

QString TourShell::OpenFileName(QWidget*, const QString&, const QString&, const QString&) {
  return {};
}

int TourShell::ExecDialog(QDialog&) {
  return QDialog::Rejected;
}

void ScheduleScreenshots(DltApp& app, const QString& dir) {
  QObject::connect(
      app.Main(), &Tf_main::showStepFinished, app.Main(),
      [&app, dir] {
        QTimer::singleShot(0, app.Main(), [&app, dir] { TakeTourPictures(app, dir, &Settle); });
      },
      Qt::SingleShotConnection);
}

}  // namespace dlt::gui
