#include "gui/app/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include "gui/analysis/zbpxz_screenshots.h"
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

void Save(QWidget* w, const QString& dir, const QString& name) {
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

void TakeAll(DltApp& app, const QString& dir) {
  QDir().mkpath(dir);
  WindowSet& windows = app.Windows();
  Tf_main* main = app.Main();
  Settle(800);
  Save(main, dir, "main.png");

  main->Button("b_gxsjq")->click();
  auto* update = windows.Get<Tf_gxsjq>();
  Settle(400);
  Save(update, dir, "gxsjq.png");

  // The board in its back phase: five front numbers and one back number.
  auto* board = windows.Get<Tf_addsj>();
  board->setModal(false);
  board->SetMode(Tf_addsj::Mode::AddOnly);
  board->show();
  board->SetDrawNumber(QStringLiteral("2026001"));
  for (int n : {3, 22, 12, 18, 5, 5}) board->Cell(n)->clicked(n);
  Settle(300);
  Save(board, dir, "addsj.png");
  board->hide();
  update->close();

  main->Button("b_set")->click();
  auto* settings = windows.Get<Tf_set>();
  Settle(300);
  Save(settings, dir, "set.png");
  if (auto* tabs = settings->findChild<QTabWidget*>("pc_set")) {
    tabs->setCurrentIndex(1);
    Settle(200);
    Save(settings, dir, "set_zones.png");
    tabs->setCurrentIndex(2);
    Settle(200);
    Save(settings, dir, "set_shapes.png");
    tabs->setCurrentIndex(3);
    Settle(200);
    Save(settings, dir, "set_notice.png");
  }
  settings->close();
  TakeGeneratorPictures(app.Context(), dir, &Save, &Settle);
  TakeBookPicture(app.Context(), dir, &Save, &Settle);
  TakeTrendPictures(app.Context(), dir, &Save, &Settle);
  TakeStatisticsPictures(app.Context(), dir, &Save, &Settle);
  TakeAnalysisPictures(app.Context(), dir, &Save, &Settle);
  TakeKillnumPictures(app.Context(), dir, &Save, &Settle);
  main->close();
}

}  // namespace

void ScheduleScreenshots(DltApp& app, const QString& dir) {
  QObject::connect(
      app.Main(), &Tf_main::showStepFinished, app.Main(),
      [&app, dir] { QTimer::singleShot(0, app.Main(), [&app, dir] { TakeAll(app, dir); }); },
      Qt::SingleShotConnection);
}

}  // namespace dlt::gui
