#include "gui/generator/picker_study_aid.h"

#include "generator/study_series.h"
#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "history/draw_table.h"

namespace dlt::gui {

bool RunStudyAid(AppContext& app, QWidget* parent, const StudySubject& subject) {
  if (subject.kind == StudySubject::Kind::kNone) return false;
  DrawTable& table = app.Table();
  if (table.RecordCount() == 0) return OpenIndicatorAnalysis(app, parent, {});
  const StudySeries series = ComputeStudySeries(table, app.env, subject);
  if (!series.ok()) {
    app.shell.Inform(parent, QString::fromStdString(series.error));
    return false;
  }
  AnalysisSeries handed;
  handed.values = series.values;
  handed.caption = QString::fromStdString(series.caption);
  handed.from = series.from;
  handed.to = series.to;
  if (subject.kind == StudySubject::Kind::kIndicator) handed.key = subject.key;
  if (subject.kind == StudySubject::Kind::kFormula) handed.formula = subject.formula;
  handed.modal = true;
  return OpenIndicatorAnalysis(app, parent, handed);
}

}  // namespace dlt::gui
