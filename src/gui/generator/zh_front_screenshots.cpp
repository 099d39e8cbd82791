#include "gui/generator/zh_front_screenshots.h"

#include <QPushButton>
#include <QTabWidget>

#include "generator/condition_report.h"
#include "gui/app/app_context.h"
#include "gui/app/text_file_viewer.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_getchoiceextend.h"
#include "gui/generator/tf_lshc.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_front_page.h"
#include "gui/generator/zh_session.h"

namespace dlt::gui {
namespace {

// A set worth looking at: a few counting conditions, a sum range with
// tolerance and one self condition.
void ExampleSet(ConditionSet& set) {
  set.SetEnabled(1, true);
  set.SetValues(1, *ValueSet::From({2, 3}));
  set.SetEnabled(2, true);
  set.SetValues(2, *ValueSet::From({2, 3}));
  set.SetEnabled(25, true);
  set.SetValues(25, *ValueSet::Range(70, 110));
  set.SetTolerant(25, true);
  set.SetEnabled(kStdDevCondition, true);
  set.SetRangeBounds(kStdDevCondition, 5, 13);
  SelfCondition self;
  self.numbers = {1, 2, 3, 4, 5, 6, 7};
  self.counts = *ValueSet::From({0, 1});
  set.AddSelfCondition(self);
  set.SetTolerance({true, 0, 1});
}

}  // namespace

void TakeGeneratorPictures(AppContext& app, const QString& dir,
                           void (*save)(QWidget*, const QString&, const QString&),
                           void (*settle)(int)) {
  auto* zh = app.windows->Get<Tf_zh>();
  if (!zh) return;
  ExampleSet(zh->Session().set);
  zh->FrontPage().RefreshConditions(false);
  zh->show();  // at the size it opens with
  settle(300);
  if (auto* filter = zh->findChild<QPushButton*>("b_filter")) filter->click();
  settle(300);
  auto* pages = zh->findChild<QTabWidget*>("p_hmzh");
  save(zh, dir, "zh_front.png");
  if (pages) {
    pages->setCurrentIndex(1);
    if (auto* backFilter = zh->findChild<QPushButton*>("b_bluefilter")) backFilter->click();
    settle(200);
    save(zh, dir, "zh_back.png");
    pages->setCurrentIndex(2);
    // Ten random tickets: the example front list is too long to match.
    if (auto* random = zh->findChild<QPushButton*>("b_zh_jxhm")) random->click();
    settle(200);
    save(zh, dir, "zh_match.png");
    pages->setCurrentIndex(0);
  }

  // The example set tried on the last 100 draws.
  if (auto* backtest = zh->findChild<QPushButton*>("b_backtest")) {
    backtest->click();
    settle(300);
    if (auto* window = app.windows->Get<Tf_lshc>()) {
      save(window, dir, "zh_backtest.png");
      window->hide();
    }
  }

  if (auto* picker = app.windows->Get<Tf_getchoiceextend>()) {
    picker->setModal(false);
    picker->Prepare(40, 160, 95);
    picker->Begin({70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80});
    picker->show();
    settle(300);
    save(picker, dir, "zh_picker.png");
    picker->hide();
  }

  // The report file in the program's own viewer, as a desktop without a
  // text editor shows it.
  const std::string path = app.folder.Path(std::string(kConditionReportFile));
  if (WriteConditionReport(path, ConditionListReport(zh->Session().set))) {
    TextFileViewer report(app.shell);
    report.setAttribute(Qt::WA_DeleteOnClose, false);
    if (report.Load(QString::fromStdString(path), nullptr)) {
      report.resize(620, 480);
      report.show();
      settle(200);
      save(&report, dir, "zh_report.png");
      report.close();
    }
  }
  zh->hide();
}

}  // namespace dlt::gui
