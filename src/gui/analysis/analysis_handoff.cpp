#include "gui/analysis/analysis_handoff.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <algorithm>
#include <tuple>

#include "analysis/series_fill.h"
#include "gui/analysis/tf_zbpx.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "history/draw_table.h"
#include "history/history_contexts.h"
#include "indicators/catalogue.h"
#include "indicators/indicator.h"

namespace dlt::gui {
namespace {

// The launcher's controls, once it has them.
bool FillLauncher(Tf_zbpx* launcher, const IndicatorRequest& r) {
  if (!launcher) return false;
  auto* key = launcher->findChild<QLineEdit*>("e_yyzb");
  auto* name = launcher->findChild<QLineEdit*>("e_zbmm");
  auto* from = launcher->findChild<QLineEdit*>("me_zbqzfrom");
  auto* to = launcher->findChild<QLineEdit*>("me_zbqzto");
  auto* ownKey = launcher->findChild<QAbstractButton*>("rb_yyzb");
  auto* start = launcher->findChild<QAbstractButton*>("b_ok");
  if (!key || !name || !from || !to || !ownKey || !start) return false;
  key->setText(QString::fromStdString(r.key));
  name->setText(r.label);
  from->setText(r.rangeFromData ? QString() : QString::number(r.min));
  to->setText(r.rangeFromData ? QString() : QString::number(r.max));
  ownKey->setChecked(true);
  start->click();
  return true;
}

}  // namespace

void TakeRangeOfValues(AnalysisSeries& series) {
  const ValueRange range = AnalysisRange(series.values);
  series.from = range.from;
  series.to = range.to;
}

std::vector<int32_t> SeriesAtHistoryEnd(const std::vector<int32_t>& values, int drawCount) {
  std::vector<int32_t> series(std::max(drawCount, 0), 0);
  const int n = std::min<int>(static_cast<int>(values.size()), drawCount);
  std::copy(values.end() - n, values.end(), series.end() - n);
  return series;
}

bool OpenIndicatorAnalysis(AppContext& app, QWidget* parent, const AnalysisSeries& series) {
  if (series.draws.empty() ? app.Table().RecordCount() == 0 : series.values.empty()) {
    app.shell.Inform(parent, QStringLiteral("没有开奖数据，无法剖析"));
    return false;
  }
  auto* analysis = app.windows ? app.windows->Get<Tf_zbpxz>() : nullptr;
  if (!analysis) return false;
  analysis->Analyse(series);
  return true;
}

IndicatorRequest RequestForKey(const std::string& key) {
  IndicatorRequest r;
  r.key = key;
  if (const tsetaccostr* row = FindCatalogueRow(key)) {
    r.label = QString::fromStdString(row->label);
    r.min = row->min;
    r.max = row->max;
  }
  return r;
}

bool AnalyseIndicator(AppContext& app, QWidget* parent, const IndicatorRequest& request) {
  if (FillLauncher(app.windows ? app.windows->Get<Tf_zbpx>() : nullptr, request)) return true;
  const DrawTable& table = app.Table();
  AnalysisSeries s;
  const EvalContext ctx = TableContext(table, &app.env);
  const Resolution r = ResolveIndicator(request.key);
  for (int i = 0; i < table.RecordCount(); ++i)
    s.values.push_back(r.ok() ? r.indicator->Value(ctx.At(i)) : kNoValue);
  s.caption = request.label.isEmpty() ? QString::fromStdString(request.key) : request.label;
  if (request.min == 0 && request.max == 0) {
    // No catalogue range: the range of the values met.
    const ValueRange range = AnalysisRange(s.values);
    s.from = range.from;
    s.to = range.to;
  } else {
    s.from = request.min;
    s.to = request.max;
  }
  s.key = request.key;
  return OpenIndicatorAnalysis(app, parent, s);
}

}  // namespace dlt::gui
