#include "gui/generator/picker_study_aid.h"

#include <QStringList>
#include <tuple>

#include "common/gbk_text.h"
#include "formula/formula.h"
#include "formula/formula_check.h"
#include "generator/judge_rules.h"
#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
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
  std::tie(s.from, s.to) = AnalysisRangeOf(s.values);
}

Combo FrontOf(const Draw& d) {
  return d.front;
}

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
  if (table.RecordCount() == 0) return OpenIndicatorAnalysis(app, parent, {});
  const StudySeries series = ComputeStudySeries(table, app.env, subject);
  if (!series.ok()) {
    app.shell.Inform(parent, series.error);
    return false;
  }
  AnalysisSeries handed;
  handed.values = series.values;
  handed.caption = series.caption;
  handed.from = series.from;
  handed.to = series.to;
  if (subject.kind == StudySubject::Kind::kIndicator) handed.key = subject.key;
  if (subject.kind == StudySubject::Kind::kFormula) handed.formula = subject.formula;
  handed.modal = true;
  return OpenIndicatorAnalysis(app, parent, handed);
}

}  // namespace dlt::gui
