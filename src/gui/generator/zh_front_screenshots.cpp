#include "gui/generator/zh_front_screenshots.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "generator/condition_report.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_getchoiceextend.h"
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
  zh->resize(1180, 760);
  zh->show();
  settle(300);
  if (auto* filter = zh->findChild<QPushButton*>("b_filter")) filter->click();
  settle(300);
  auto* pages = zh->findChild<QTabWidget*>("p_hmzh");
  save(zh, dir, "zh_front.png");
  if (pages) {
    pages->setCurrentIndex(1);
    settle(200);
    save(zh, dir, "zh_back.png");
    pages->setCurrentIndex(2);
    settle(200);
    save(zh, dir, "zh_match.png");
    pages->setCurrentIndex(0);
  }

  if (auto* picker = app.windows->Get<Tf_getchoiceextend>()) {
    picker->setModal(false);
    picker->Prepare(40, 160, 95);
    picker->SetOwner(25);
    picker->Begin({70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80});
    picker->show();
    settle(300);
    save(picker, dir, "zh_picker.png");
    picker->hide();
  }

  // The report as the text editor would show it.
  QPlainTextEdit report;
  report.setReadOnly(true);
  report.setWindowTitle(QStringLiteral("showcond.txt"));
  QString text;
  for (const std::string& line : ConditionListReport(zh->Session().set))
    text += QString::fromStdString(line) + QLatin1Char('\n');
  report.setPlainText(text);
  report.resize(520, 460);
  report.show();
  settle(200);
  save(&report, dir, "zh_report.png");
  report.close();
  zh->hide();
}

}  // namespace dlt::gui
