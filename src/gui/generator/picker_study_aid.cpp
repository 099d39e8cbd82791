#include "gui/generator/picker_study_aid.h"

#include <QEvent>
#include <QStringList>
#include <algorithm>

#include "common/gbk_text.h"
#include "formula/formula.h"
#include "formula/formula_check.h"
#include "generator/judge_rules.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "history/draw_table.h"
#include "history/eval_contexts.h"
#include "indicators/catalogue.h"
#include "indicators/indicator.h"

namespace dlt::gui {

namespace {

constexpr auto kStudySuffix = "（过滤助手）";

QString JoinNumbers(const std::vector<int>& numbers) {
  QStringList parts;
  for (int n : numbers) parts << QString::number(n);
  return parts.join(',');
}

void RangeOfValues(StudySeries& s) {
  if (s.values.empty()) {
    s.from = 0;
    s.to = 4;
    return;
  }
  const auto [lo, hi] = std::minmax_element(s.values.begin(), s.values.end());
  s.from = *lo;
  s.to = *hi;
  if (s.to == s.from) s.to = s.from + 4;
}

Combo FrontOf(const Draw& d) {
  return d.front;
}

// The analysis window is shared with the toolbar, which shows it without
// modality; it is made modal for one showing only.
class ModalForOneShowing : public QObject {
 public:
  explicit ModalForOneShowing(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Hide) {
      window_->removeEventFilter(this);
      window_->setWindowModality(Qt::NonModal);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

StudySeries ComputeStudySeries(const DrawTable& table, const EvalEnv& env,
                               const StudySubject& subject) {
  StudySeries s;
  const int count = table.RecordCount();
  EvalContext ctx = TableContext(table, &env);
  const std::vector<Draw>& draws = table.Draws();
  s.values.reserve(count);
  switch (subject.kind) {
    case StudySubject::Kind::kIndicator: {
      for (int i = 0; i < count; ++i) s.values.push_back(IndicatorValue(ctx.At(i), subject.key));
      if (const tsetaccostr* row = FindCatalogueRow(subject.key)) {
        s.caption = QString::fromStdString(row->label) + kStudySuffix;
        s.from = row->min;
        s.to = row->max;
      } else {
        // A parameterised key has no catalogue row: its own name and the values met.
        s.caption = QString::fromStdString(subject.key) + kStudySuffix;
        RangeOfValues(s);
      }
      break;
    }
    case StudySubject::Kind::kFormula: {
      // A misspelt name would read -999 for every draw and look like data.
      if (auto problem = CheckFormula(subject.formula)) {
        s.error = QString::fromStdString(*problem);
        return s;
      }
      const auto formula = CompiledFormula::Compile(subject.formula);
      for (int i = 0; i < count; ++i) {
        const FormulaResult r = formula->Evaluate(ctx.At(i));
        if (!r.ok) {
          s.error = QStringLiteral("公式有误:") + QString::fromStdString(CutText(r.error, 60));
          s.values.clear();
          return s;
        }
        s.values.push_back(r.value);
      }
      s.caption = QString::fromStdString(subject.formula) + kStudySuffix;
      RangeOfValues(s);
      break;
    }
    case StudySubject::Kind::kNumberGroup: {
      for (const Draw& d : draws) s.values.push_back(SelfConditionHits(FrontOf(d), subject.group));
      s.caption = QStringLiteral("号码组：") + JoinNumbers(subject.group) +
                  QStringLiteral(" 的出现奖号个数走势图") + kStudySuffix;
      RangeOfValues(s);
      break;
    }
    case StudySubject::Kind::kTailGroup: {
      for (const Draw& d : draws)
        s.values.push_back(TailSettingHits(FrontOf(d), subject.group, subject.distinct));
      s.caption = QStringLiteral("尾号组：") + JoinNumbers(subject.group) +
                  QStringLiteral(" 的出现个数走势图") + kStudySuffix;
      if (subject.distinct) s.caption += QStringLiteral("(相同尾数仅计算一次)");
      RangeOfValues(s);
      break;
    }
    case StudySubject::Kind::kNone:
      break;
  }
  return s;
}

bool RunStudyAid(AppContext& app, QWidget* parent, const StudySubject& subject) {
  if (subject.kind == StudySubject::Kind::kNone) return false;
  DrawTable& table = app.Table();
  if (table.RecordCount() == 0) {
    app.shell.Inform(parent, QStringLiteral("没有开奖数据，无法剖析"));
    return false;
  }
  const StudySeries series = ComputeStudySeries(table, app.env, subject);
  if (!series.ok()) {
    app.shell.Inform(parent, series.error);
    return false;
  }
  for (int i = 0; i < static_cast<int>(series.values.size()); ++i)
    table.SetScratch(ScratchField::Test, i, series.values[i]);
  table.Last();
  table.MoveBy(-36);

  auto* analysis = app.windows ? app.windows->Get<Tf_zbpxz>() : nullptr;
  if (!analysis) return false;
  // Hidden first so that its show handler runs again on the new series.
  analysis->hide();
  analysis->setWindowTitle(series.caption);
  analysis->setProperty("rangeFrom", series.from);
  analysis->setProperty("rangeTo", series.to);
  analysis->setWindowModality(Qt::ApplicationModal);
  new ModalForOneShowing(analysis);
  analysis->show();
  analysis->raise();
  return true;
}

}  // namespace dlt::gui
