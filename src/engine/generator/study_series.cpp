#include "generator/study_series.h"

#include "analysis/series_fill.h"
#include "common/gbk_text.h"
#include "formula/formula.h"
#include "formula/formula_check.h"
#include "generator/judge_rules.h"
#include "history/draw_table.h"
#include "history/history_contexts.h"
#include "indicators/catalogue.h"
#include "indicators/indicator.h"
#include "indicators/indicator_series.h"

namespace dlt {
namespace {

const std::string kStudySuffix = "（过滤助手）";

std::string JoinNumbers(const std::vector<int>& numbers) {
  std::string text;
  for (int n : numbers) text += (text.empty() ? "" : ",") + std::to_string(n);
  return text;
}

void RangeOfValues(StudySeries& s) {
  const ValueRange r = AnalysisRange(s.values);
  s.from = r.from;
  s.to = r.to;
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
      s.values = IndicatorSeries(ctx, subject.key);
      if (const tsetaccostr* row = FindCatalogueRow(subject.key)) {
        s.caption = row->label + kStudySuffix;
        s.from = row->min;
        s.to = row->max;
      } else {
        // A parameterised key has no catalogue row: its own name and the values met.
        s.caption = subject.key + kStudySuffix;
        RangeOfValues(s);
      }
      break;
    }
    case StudySubject::Kind::kFormula: {
      // A misspelt name would read -999 for every draw and look like data.
      if (auto problem = CheckFormula(subject.formula)) {
        s.error = *problem;
        return s;
      }
      const auto formula = CompiledFormula::Compile(subject.formula);
      for (int i = 0; i < count; ++i) {
        const FormulaResult r = formula->Evaluate(ctx.At(i));
        if (!r.ok) {
          s.error = "公式有误:" + CutText(r.error, 60);
          s.values.clear();
          return s;
        }
        s.values.push_back(r.value);
      }
      s.caption = subject.formula + kStudySuffix;
      RangeOfValues(s);
      break;
    }
    case StudySubject::Kind::kNumberGroup: {
      for (const Draw& d : draws) s.values.push_back(SelfConditionHits(FrontOf(d), subject.group));
      s.caption = "号码组：" + JoinNumbers(subject.group) + " 的出现奖号个数走势图" + kStudySuffix;
      RangeOfValues(s);
      break;
    }
    case StudySubject::Kind::kTailGroup: {
      for (const Draw& d : draws)
        s.values.push_back(TailSettingHits(FrontOf(d), subject.group, subject.distinct));
      s.caption = "尾号组：" + JoinNumbers(subject.group) + " 的出现个数走势图" + kStudySuffix;
      if (subject.distinct) s.caption += "(相同尾数仅计算一次)";
      RangeOfValues(s);
      break;
    }
    case StudySubject::Kind::kNone:
      break;
  }
  return s;
}

}  // namespace dlt
