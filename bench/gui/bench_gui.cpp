// How quickly the desktop program answers on the real draw history, measured
// offscreen through the windows' own functions: start-up until the trend
// window is shown, a switch to each trend page and each analysis tab, a
// paging step on each paged chart, the indicator analysis of a formula over
// the history until its window is drawn, and the omission grids refilled over
// the whole history. The history file is imported into a scratch data folder
// first; without it the bench says so and ends without figures.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "gui/analysis/tf_zbpx.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/dlt_app.h"
#include "gui/app/screenshots.h"
#include "gui/app/tf_main.h"
#include "gui/app/window_set.h"
#include "gui/trend/fxd_omission_page.h"
#include "gui/trend/tf_fxd.h"
#include "gui_timing.h"
#include "history/draw_table.h"
#include "history/draw_text_io.h"

namespace dlt::gui::bench {
namespace {

constexpr const char* kDefaultHistory = "/work/shared/data/dlt_history.txt";
// Reads the previous draw and the omission of a number at every draw.
constexpr const char* kHistoryFormula = "(z_hz+[-1]z_num1)%10+getylz(z_num1%5)";
constexpr int kRepeats = 5;
constexpr int kPagingSteps = 3;

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

QString HistoryFile() {
  const QByteArray env = qgetenv("DLT_BENCH_DRAWS");
  return env.isEmpty() ? QString::fromUtf8(kDefaultHistory) : QString::fromLocal8Bit(env);
}

// The history into the scratch folder's table; false (told why) when the
// file cannot be read.
bool ImportHistory(const QString& file, const QString& dataDir) {
  const ParsedDraws parsed = ReadDrawFile(file.toStdString());
  if (!parsed.ok()) {
    std::fprintf(stderr, "bench_gui: %s\n", parsed.error.c_str());
    return false;
  }
  QDir().mkpath(dataDir + "/database");
  DrawTable table((dataDir + "/database/basedata.db").toStdString());
  table.ApplyImport(parsed.draws, /*overwrite=*/true);
  std::printf("bench_gui: %zu draws from %s\n", parsed.draws.size(), qPrintable(file));
  return true;
}

// The smallest desktop the program is made for, at 96 dpi.
QByteArray ScreenConfig(const QString& dir) {
  const QString path = dir + "/screen.json";
  QFile f(path);
  if (f.open(QIODevice::WriteOnly))
    f.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1366, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  return "offscreen:configfile=" + path.toLocal8Bit();
}

// The offscreen platform says at every raise that it cannot raise windows.
void QuietPlatform(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(text));
  if (type == QtFatalMsg) std::abort();
}

class Bench {
 public:
  explicit Bench(const QString& scratch) : scratch_(scratch) {}

  // The program as a user starts it: splash, windows, the main window's
  // first show, until the trend window it opens is drawn.
  double StartProgram() {
    app_.reset();
    const auto start = Clock::now();
    AppOptions o;
    o.dataDir = scratch_ + "/data";
    o.settingsFile = scratch_ + "/settings.ini";
    o.installDataDir = QStringLiteral(DLT_SOURCE_DATA_DIR);
    o.shell = &shell_;
    app_ = std::make_unique<DltApp>(o);
    if (!app_->Ok()) {
      std::fprintf(stderr, "bench_gui: %s\n", qPrintable(app_->Error()));
      return -1;
    }
    app_->Start();
    Tf_fxd* trend = Trend();
    while (!app_->Main()->ShowStepDone() || !trend->isVisible())
      QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    Settle();
    return MsSince(start);
  }

  Figure Startup(double firstStartMs) {
    Figure f{"start-up until the trend window is shown", 600, {}};
    f.samples.push_back({"first start (with the application)", {firstStartMs}});
    Sample later{"later starts", {}};
    for (int i = 0; i < kRepeats - 1; ++i) later.ms.push_back(StartProgram());
    f.samples.push_back(later);
    return f;
  }

  // Every trend page twice in tab order, each switch until the page is drawn.
  Figure TrendPageSwitches() {
    return TabSwitches(
        "switching a trend page", Trend()->Pages(),
        [this](QTabWidget* pages, int i) { Trend()->ShowPage(pages->widget(i)->objectName()); });
  }

  // Each paged chart of the trend window and of the analysis window a few
  // pages back and forward again.
  Figure Paging() {
    Figure f{"paging a chart", 50, {}};
    QTabWidget* pages = Trend()->Pages();
    for (int i = 0; i < pages->count(); ++i) {
      Trend()->ShowPage(pages->widget(i)->objectName());
      Settle();
      PageThrough(pages->widget(i), QStringLiteral("走势 ") + pages->tabText(i), f);
    }
    QTabWidget* tabs = Analysis()->Tabs();
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      Settle();
      PageThrough(tabs->widget(i), QStringLiteral("剖析 ") + tabs->tabText(i), f);
    }
    return f;
  }

  // "开始剖析" of a formula over the history until the analysis window is drawn.
  Figure FormulaAnalysis() {
    Figure f{"indicator analysis of a history formula", 200, {}};
    auto* launcher = app_->Windows().Get<Tf_zbpx>();
    launcher->show();
    Settle();
    launcher->findChild<QRadioButton*>("rb_selfzb")->setChecked(true);
    launcher->findChild<QLineEdit*>("e_selfzb")->setText(QString::fromUtf8(kHistoryFormula));
    launcher->findChild<QLineEdit*>("e_zbmm")->setText(QStringLiteral("公式"));
    Sample s{QString::fromUtf8(kHistoryFormula), {}};
    for (int i = 0; i < kRepeats; ++i) s.ms.push_back(TimeSettled([&] { launcher->Start(); }));
    f.samples.push_back(s);
    return f;
  }

  Figure AnalysisTabSwitches() {
    return TabSwitches("switching an analysis tab", Analysis()->Tabs(),
                       [](QTabWidget* tabs, int i) { tabs->setCurrentIndex(i); });
  }

  // The three omission grids over the whole history, refilled.
  Figure OmissionGridRefill() {
    Figure f{"refilling an omission grid over the whole history", 100, {}};
    const struct {
      const char* sheet;
      const char* fromBox;
    } grids[] = {{"ts_zhyltb", "cb_zhyltb_startfrom"},
                 {"ts_fqyltb", "cb_fqyltb_startfrom"},
                 {"ts_ws_zqyltb", "cb_ws_startfrom"}};
    for (const auto& g : grids) {
      Trend()->ShowPage(QString::fromUtf8(g.sheet));
      Settle();
      auto* page = Trend()->findChild<OmissionGridPage*>(g.sheet);
      page->findChild<QComboBox*>(g.fromBox)->setCurrentIndex(0);
      Sample s{QString::fromUtf8(g.sheet), {}};
      for (int i = 0; i < kRepeats; ++i) s.ms.push_back(TimeSettled([&] { page->Fill(); }));
      f.samples.push_back(s);
    }
    return f;
  }

 private:
  Tf_fxd* Trend() const { return app_->Windows().Get<Tf_fxd>(); }
  Tf_zbpxz* Analysis() const { return app_->Windows().Get<Tf_zbpxz>(); }

  // Each tab twice in tab order, made current by `show`.
  static Figure TabSwitches(const char* name, QTabWidget* tabs,
                            const std::function<void(QTabWidget*, int)>& show) {
    Figure f{QString::fromUtf8(name), 50, {}};
    f.samples.resize(tabs->count());
    for (int round = 0; round < 2; ++round)
      for (int i = 0; i < tabs->count(); ++i) {
        f.samples[i].name = tabs->tabText(i);
        f.samples[i].ms.push_back(TimeSettled([&] { show(tabs, i); }));
      }
    return f;
  }

  static void PageThrough(QWidget* page, const QString& caption, Figure& f) {
    for (QAbstractButton* back : page->findChildren<QAbstractButton*>()) {
      if (back->text() != QStringLiteral("上一页") || !back->isVisible()) continue;
      QAbstractButton* forward = nullptr;
      for (QAbstractButton* b : back->parentWidget()->findChildren<QAbstractButton*>())
        if (b->text() == QStringLiteral("下一页")) forward = b;
      Sample s{caption + " " + back->objectName(), {}};
      for (int i = 0; i < kPagingSteps; ++i) s.ms.push_back(TimeSettled([&] { back->click(); }));
      if (forward)
        for (int i = 0; i < kPagingSteps; ++i)
          s.ms.push_back(TimeSettled([&] { forward->click(); }));
      f.samples.push_back(s);
    }
  }

  QString scratch_;
  TourShell shell_;  // messages to stderr, questions answered no: nothing waits
  std::unique_ptr<DltApp> app_;

 public:
  ~Bench() { app_.reset(); }
};

}  // namespace
}  // namespace dlt::gui::bench

int main(int argc, char* argv[]) {
  using namespace dlt::gui::bench;
  const QString history = HistoryFile();
  if (!QFile::exists(history)) {
    std::printf("bench_gui: skipped: no draw history at %s (DLT_BENCH_DRAWS names another file)\n",
                qPrintable(history));
    return 0;
  }
  QTemporaryDir scratch;
  if (!scratch.isValid() || !ImportHistory(history, scratch.path() + "/data")) return 1;
  qputenv("QT_QPA_PLATFORM", ScreenConfig(scratch.path()));

  qInstallMessageHandler(QuietPlatform);
  const auto start = Clock::now();
  QApplication qapp(argc, argv);
  std::vector<Figure> figures;
  {
    Bench bench(scratch.path());
    const double first = bench.StartProgram();
    if (first < 0) return 1;
    figures.push_back(bench.Startup(MsSince(start)));
    figures.push_back(bench.TrendPageSwitches());
    figures.push_back(bench.FormulaAnalysis());
    figures.push_back(bench.AnalysisTabSwitches());
    figures.push_back(bench.Paging());
    figures.push_back(bench.OmissionGridRefill());
  }
  for (const QString& line : ReportLines(figures, /*detail=*/true))
    std::printf("%s\n", qPrintable(line));
  std::printf("\nsummary\n");
  for (const QString& line : ReportLines(figures, /*detail=*/false))
    std::printf("%s\n", qPrintable(line));
  return 0;
}
